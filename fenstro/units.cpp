// Units: text windows connected to unit numbers, the records written to them and the
// default output.
#include "fenstro_internal.h"

#include <cstring>
#include <map>

#include "runerror_box.h"

namespace {

// Guards the map, not the units: a unit lives until the framework is reset. ConnectUnit
// makes a unit's entry and gives the new unit its number and first title under the lock, so
// that FindUnit never returns a unit without them.
struct UnitTable {
    CRITICAL_SECTION lock;
    std::map<std::int32_t, Unit*> units;
    UnitTable() { InitializeCriticalSection(&lock); }
};
UnitTable& Table() {
    static UnitTable table;
    return table;
}

Unit* ConnectUnit(std::int32_t number, const std::string& title) {
    UnitTable& t = Table();
    EnterCriticalSection(&t.lock);
    Unit*& u = t.units[number];
    if (!u) {
        u = new Unit;
        u->number = number;
        InitializeCriticalSection(&u->lock);
        u->title = title;
    }
    Unit* result = u;
    LeaveCriticalSection(&t.lock);
    return result;
}

std::string ImplicitTitle(std::int32_t number) {
    if (number == DEFAULT_OUTPUT_UNIT)
        return DEFAULT_OUTPUT_TITLE;
    return "Unit " + std::to_string(number);
}

// The default output window stands at the bottom of the MDI client, over its whole width
// and a third of its height, below the windows that open at the default place.
bool DefaultOutputPlace(RECT& place) {
    RECT rc;
    if (!fen.client || !GetClientRect(fen.client, &rc) || rc.bottom < 30)
        return false;
    int h = rc.bottom / 3;
    SetRect(&place, 0, rc.bottom - h, rc.right, rc.bottom);
    return true;
}

} // namespace

// On the interface thread: the unit's window, made when the frame exists.
void EnsureWindow(Unit* u) {
    u->wantWindow = true;
    if (u->hwnd || !fen.client)
        return;
    RECT place;
    bool placed = u->number == DEFAULT_OUTPUT_UNIT && DefaultOutputPlace(place);
    HWND w = CreateTextWindow(u, placed ? &place : nullptr);
    u->hwnd = w;
    // The other windows open at the client's default place, kept above the default output's
    // third so that it does not cover their last lines.
    RECT below, r;
    if (w && !placed && DefaultOutputPlace(below)) {
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, fen.client, reinterpret_cast<POINT*>(&r), 2);
        if (r.bottom > below.top && below.top - r.top >= 100)
            MoveWindow(w, r.left, r.top, r.right - r.left, below.top - r.top, TRUE);
    }
}

namespace {

bool SameWord(const char* a, const char* b) {
    return a && lstrcmpiA(a, b) == 0;
}

void Notify(Unit* u) {
    HWND hwnd = u->hwnd;
    if (hwnd && !u->linesPosted.exchange(true))
        PostMessageA(hwnd, WM_FENSTRO_LINES, 0, 0);
}

// The unit for a write, connected, with its window asked for. A write never waits for the
// interface thread, which may be busy in a dialog's callback.
Unit* UnitForWrite(std::int32_t number) {
    Unit* u = FindUnit(number);
    if (!u)
        u = ConnectUnit(number, ImplicitTitle(number));
    if (u->hwnd)
        return u;
    if (OnInterfaceThread())
        EnsureWindow(u);
    else if (HWND frame = fen.frame; !u->wantWindow.exchange(true) && frame)
        PostMessageA(frame, WM_FENSTRO_WINDOW, 0, reinterpret_cast<LPARAM>(u));
    return u;
}

} // namespace

Unit* FindUnit(std::int32_t number) {
    UnitTable& t = Table();
    EnterCriticalSection(&t.lock);
    auto it = t.units.find(number);
    Unit* u = it == t.units.end() ? nullptr : it->second;
    LeaveCriticalSection(&t.lock);
    return u;
}

void CreatePendingUnitWindows() {
    UnitTable& t = Table();
    EnterCriticalSection(&t.lock);
    std::map<std::int32_t, Unit*> units = t.units;
    LeaveCriticalSection(&t.lock);
    // The default output last, so that it stands on top of the others.
    for (auto& [number, u] : units)
        if (number != DEFAULT_OUTPUT_UNIT && u->wantWindow)
            EnsureWindow(u);
    auto d = units.find(DEFAULT_OUTPUT_UNIT);
    if (d != units.end() && d->second->wantWindow)
        EnsureWindow(d->second);
}

bool TryOpenUnit(std::int32_t unit, const char* file, const char* title, const char* status) {
    if (unit == FRAME_WINDOW_UNIT || !SameWord(file, "USER"))
        return false;
    if (!(SameWord(status, "UNKNOWN") || SameWord(status, "NEW") || SameWord(status, "OLD") ||
          SameWord(status, "REPLACE")))
        return false;
    std::string caption = title ? title : "";
    Unit* u = ConnectUnit(unit, caption);
    // Without a frame to show it (not yet, or no longer) the unit is connected all the same.
    bool shown = true;
    RunOnInterfaceThread([u, &caption, &shown] {
        u->title = caption;
        if (HWND w = u->hwnd)
            SetWindowTextA(w, caption.c_str());
        else
            EnsureWindow(u);
        shown = fen.client == nullptr || u->hwnd != nullptr;
    });
    return shown;
}

void OpenUnit(std::int32_t unit, const char* file, const char* title, const char* status) {
    if (!TryOpenUnit(unit, file, title, status)) {
        ShowRunTimeError(IoError::OpenFailure, unit, file ? file : "", fen.programName.c_str());
        ExitProcess(static_cast<UINT>(IoErrorNumber(IoError::OpenFailure)));
    }
}

void WriteRecord(std::int32_t unit, const char* record, std::size_t length, bool lineOpen) {
    Unit* u = UnitForWrite(unit);
    EnterCriticalSection(&u->lock);
    AppendRecord(u->store, record, record ? length : 0, lineOpen);
    LeaveCriticalSection(&u->lock);
    Notify(u);
}

void WriteRecord(std::int32_t unit, const std::string& record, bool lineOpen) {
    WriteRecord(unit, record.data(), record.size(), lineOpen);
}

void WriteRecord(std::int32_t unit, const char* record, bool lineOpen) {
    WriteRecord(unit, record, record ? std::strlen(record) : 0, lineOpen);
}

void WriteDefaultOutput(const std::string& text) {
    WriteRecord(DEFAULT_OUTPUT_UNIT, " " + text);
}

std::size_t UnitLineCount(std::int32_t unit) {
    Unit* u = FindUnit(unit);
    if (!u)
        return 0;
    EnterCriticalSection(&u->lock);
    std::size_t n = LineCount(u->store);
    LeaveCriticalSection(&u->lock);
    return n;
}

std::string UnitLine(std::int32_t unit, std::size_t n) {
    Unit* u = FindUnit(unit);
    std::string line;
    if (!u)
        return line;
    EnterCriticalSection(&u->lock);
    if (n >= 1 && n <= u->store.lines.size())
        line = u->store.lines[n - 1];
    LeaveCriticalSection(&u->lock);
    return line;
}

HWND GetWindowHandle(std::int32_t unit) {
    if (unit == FRAME_WINDOW_UNIT)
        return fen.frame;
    Unit* u = FindUnit(unit);
    return u ? u->hwnd.load() : nullptr;
}

void ResetUnits() {
    UnitTable& t = Table();
    EnterCriticalSection(&t.lock);
    for (auto& [number, u] : t.units) {
        if (HWND w = u->hwnd; w && IsWindow(w))
            DestroyWindow(w);
        DeleteCriticalSection(&u->lock);
        delete u;
    }
    t.units.clear();
    LeaveCriticalSection(&t.lock);
}
