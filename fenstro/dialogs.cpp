// The dialog library: records filled from dialog templates, their controls set and read
// by id, shown modally with callbacks on push buttons.
#include "fenstrodlg.h"

#include <vector>

#include "fenstro_internal.h"

struct DlgState {
    std::vector<unsigned char> templ; // the template as the resource holds it
    DlgTemplateInfo info;
    HWND hwnd = nullptr;       // while shown
    std::vector<HWND> windows; // while shown: the window of each control of info
};

namespace {

std::vector<HWND> openDialogs; // shown dialogs, the newest last

std::string LiveText(HWND item) {
    int n = GetWindowTextLengthA(item);
    std::string s(static_cast<std::size_t>(n > 0 ? n : 0) + 1, '\0');
    int got = GetWindowTextA(item, &s[0], n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return s;
}

// The shown window of a control; NULL for a control that shares its id with another.
HWND ControlWindow(const DlgState& state, const DlgControl& c) {
    std::size_t i = static_cast<std::size_t>(&c - state.info.controls.data());
    return c.shared || i >= state.windows.size() ? nullptr : state.windows[i];
}

// Finds the window of each control. The dialog manager makes them in template order, which
// stays their order among the dialog's children; by id alone a plain template's 65535
// could not be told from the -1 of its labels, which the system reads alike.
void FindControlWindows(DlgState& state) {
    state.windows.assign(state.info.controls.size(), nullptr);
    HWND next = GetWindow(state.hwnd, GW_CHILD);
    for (std::size_t i = 0; i < state.windows.size(); ++i) {
        const std::int32_t id = state.info.controls[i].id;
        if (next && static_cast<WORD>(GetDlgCtrlID(next)) == static_cast<WORD>(id)) {
            state.windows[i] = next;
            next = GetWindow(next, GW_HWNDNEXT);
        } else {
            state.windows[i] = GetDlgItem(state.hwnd, id);
        }
    }
}

// Takes a shown control's value into the record.
void Pull(const DlgState& state, DlgControl& c) {
    HWND item = ControlWindow(state, c);
    if (!item)
        return;
    switch (c.kind) {
    case DlgKind::RadioButton:
    case DlgKind::CheckBox: c.checked = SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED; break;
    case DlgKind::ComboBox: {
        LRESULT sel = SendMessageA(item, CB_GETCURSEL, 0, 0);
        c.current = sel == CB_ERR ? 0 : static_cast<std::int32_t>(sel) + 1;
        c.text = LiveText(item);
        break;
    }
    case DlgKind::ListBox: {
        LRESULT sel = SendMessageA(item, LB_GETCURSEL, 0, 0);
        c.current = sel == LB_ERR ? 0 : static_cast<std::int32_t>(sel) + 1;
        if (c.current > 0 && c.current <= static_cast<std::int32_t>(c.items.size()))
            c.text = c.items[c.current - 1];
        break;
    }
    case DlgKind::Edit:
    case DlgKind::Static:
    case DlgKind::PushButton:
    case DlgKind::GroupBox: c.text = LiveText(item); break;
    case DlgKind::Other: break;
    }
}

// Shows the record's value in a shown control.
void Push(const DlgState& state, const DlgControl& c) {
    HWND item = ControlWindow(state, c);
    if (!item)
        return;
    switch (c.kind) {
    case DlgKind::RadioButton:
    case DlgKind::CheckBox:
        SendMessageA(item, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        SetWindowTextA(item, c.text.c_str());
        break;
    case DlgKind::ComboBox:
        SendMessageA(item, CB_RESETCONTENT, 0, 0);
        for (const std::string& s : c.items)
            SendMessageA(item, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageA(item, CB_SETCURSEL, static_cast<WPARAM>(c.current - 1), 0);
        if (ComboHasEdit(c))
            SetWindowTextA(item, c.text.c_str());
        break;
    case DlgKind::ListBox:
        SendMessageA(item, LB_RESETCONTENT, 0, 0);
        for (const std::string& s : c.items)
            SendMessageA(item, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageA(item, LB_SETCURSEL, static_cast<WPARAM>(c.current - 1), 0);
        break;
    case DlgKind::Static:
        // A picture keeps its picture.
        if ((GetWindowLongA(item, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP ||
            (GetWindowLongA(item, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            break;
        SetWindowTextA(item, c.text.c_str());
        break;
    case DlgKind::Edit:
    case DlgKind::PushButton:
    case DlgKind::GroupBox: SetWindowTextA(item, c.text.c_str()); break;
    case DlgKind::Other: break;
    }
}

std::vector<DlgControl>* Controls(DialogRecord& record) {
    return record.state ? &record.state->info.controls : nullptr;
}

// Before a read: the shown control's value into the record.
std::vector<DlgControl>* ForRead(DialogRecord& record, std::int32_t control) {
    std::vector<DlgControl>* cs = Controls(record);
    if (cs && record.state->hwnd)
        if (DlgControl* c = FindControl(*cs, control))
            Pull(*record.state, *c);
    return cs;
}

// After a change: the record's values of the control's group into the shown dialog.
void AfterChange(DialogRecord& record, std::int32_t control) {
    HWND dlg = record.state->hwnd;
    if (!dlg)
        return;
    std::vector<DlgControl>& cs = record.state->info.controls;
    DlgControl* c = FindControl(cs, control);
    if (!c)
        return;
    if (c->kind == DlgKind::RadioButton) {
        for (const DlgControl& other : cs)
            if (other.kind == DlgKind::RadioButton && other.group == c->group)
                Push(*record.state, other);
    } else {
        Push(*record.state, *c);
    }
}

DialogRecord* RecordOf(HWND dlg) {
    return reinterpret_cast<DialogRecord*>(GetWindowLongPtrA(dlg, DWLP_USER));
}

void PullAll(DialogRecord& record) {
    for (DlgControl& c : record.state->info.controls)
        Pull(*record.state, c);
}

// A push button (or Esc and the close box as id 2): its callback runs, or it ends the dialog.
void Clicked(HWND dlg, DialogRecord& record, std::int32_t id) {
    DlgControl* c = FindControl(record.state->info.controls, id);
    if (!c || c->kind != DlgKind::PushButton)
        return;
    if (!IsWindowEnabled(ControlWindow(*record.state, *c)))
        return;
    if (c->callback) {
        std::int32_t control = id, reason = DLG_REASON_CLICKED;
        c->callback(record, control, reason);
        return;
    }
    PullAll(record);
    EndDialog(dlg, id);
}

// The record's push button that a WM_COMMAND names: its 16 bits are all a command carries of
// an id, so 65535 comes as 0xFFFF like the -1 of the labels. Otherwise the id as it came.
std::int32_t CommandControl(const DialogRecord& record, WORD command) {
    for (const DlgControl& c : record.state->info.controls)
        if (c.kind == DlgKind::PushButton && static_cast<WORD>(c.id) == command)
            return c.id;
    return command == 0xFFFF ? -1 : command;
}

INT_PTR CALLBACK LibraryDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        DialogRecord& record = *reinterpret_cast<DialogRecord*>(lParam);
        record.state->hwnd = dlg;
        FindControlWindows(*record.state);
        openDialogs.push_back(dlg);
        for (const DlgControl& c : record.state->info.controls)
            Push(*record.state, c);
        return TRUE;
    }
    case WM_COMMAND: {
        DialogRecord* record = RecordOf(dlg);
        if (!record || !record->state)
            return FALSE;
        std::int32_t id = CommandControl(*record, LOWORD(wParam));
        // Enter, Esc and the close box come without a control's window as well.
        if (HIWORD(wParam) == BN_CLICKED || lParam == 0) {
            Clicked(dlg, *record, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        for (std::size_t i = 0; i < openDialogs.size(); ++i)
            if (openDialogs[i] == dlg)
                openDialogs.erase(openDialogs.begin() + static_cast<std::ptrdiff_t>(i));
        if (DialogRecord* record = RecordOf(dlg))
            if (record->state) {
                record->state->hwnd = nullptr;
                record->state->windows.clear();
            }
        return FALSE;
    }
    return FALSE;
}

} // namespace

bool DLGInit(std::int32_t id, DialogRecord& record) {
    if (record.state)
        DlgRelease(record);
    if (id <= 0 || id > 0xFFFF)
        return false;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!res)
        return false;
    HGLOBAL loaded = LoadResource(module, res);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(module, res);
    if (!bytes || size == 0)
        return false;
    DlgState* state = new DlgState;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    state->templ.assign(p, p + size);
    if (!ParseDialogTemplate(state->templ.data(), state->templ.size(), state->info)) {
        delete state;
        return false;
    }
    record.id = id;
    record.state = state;
    return true;
}

bool DlgRelease(DialogRecord& record) {
    if (record.state && record.state->hwnd)
        return false;
    delete record.state;
    record.state = nullptr;
    record.id = 0;
    return true;
}

bool DlgSetText(DialogRecord& record, std::int32_t control, const char* text, std::size_t length,
                std::int32_t index) {
    std::vector<DlgControl>* cs = ForRead(record, control);
    if (!cs || !ModelSetFixedText(*cs, control, text, length, index))
        return false;
    AfterChange(record, control);
    return true;
}

bool DlgSetText(DialogRecord& record, std::int32_t control, const std::string& text,
                std::int32_t index) {
    return DlgSetText(record, control, text.data(), text.size(), index);
}

bool DlgSetInteger(DialogRecord& record, std::int32_t control, std::int32_t value,
                   std::int32_t index) {
    std::vector<DlgControl>* cs = ForRead(record, control);
    if (!cs || !ModelSetInteger(*cs, control, value, index))
        return false;
    AfterChange(record, control);
    return true;
}

bool DlgSetLogical(DialogRecord& record, std::int32_t control, bool value) {
    std::vector<DlgControl>* cs = Controls(record);
    if (!cs)
        return false;
    if (record.state->hwnd)
        PullAll(record); // the user may have moved the mark within the group
    if (!ModelSetLogical(*cs, control, value))
        return false;
    AfterChange(record, control);
    return true;
}

bool DlgGetText(DialogRecord& record, std::int32_t control, char* buffer, std::size_t length,
                std::int32_t index) {
    std::vector<DlgControl>* cs = ForRead(record, control);
    std::string text;
    if (!cs || !ModelGetText(*cs, control, text, index))
        return false;
    CopyToFixed(text, buffer, length);
    return true;
}

bool DlgGetText(DialogRecord& record, std::int32_t control, std::string& buffer,
                std::int32_t index) {
    return DlgGetText(record, control, buffer.empty() ? nullptr : &buffer[0], buffer.size(), index);
}

bool DlgGetInteger(DialogRecord& record, std::int32_t control, std::int32_t& value,
                   std::int32_t index) {
    std::vector<DlgControl>* cs = ForRead(record, control);
    return cs && ModelGetInteger(*cs, control, value, index);
}

bool DlgGetLogical(DialogRecord& record, std::int32_t control, bool& value) {
    std::vector<DlgControl>* cs = ForRead(record, control);
    return cs && ModelGetLogical(*cs, control, value);
}

bool DlgSetCallback(DialogRecord& record, std::int32_t control, DlgCallback routine) {
    std::vector<DlgControl>* cs = Controls(record);
    DlgControl* c = cs ? FindControl(*cs, control) : nullptr;
    if (!c || c->kind != DlgKind::PushButton)
        return false;
    c->callback = routine;
    return true;
}

std::int32_t DLGMODAL(DialogRecord& record) {
    if (!record.state || record.state->hwnd)
        return -1;
    HWND owner = !openDialogs.empty() ? openDialogs.back() : fen.frame.load();
    if (owner && !IsWindow(owner))
        owner = nullptr;
    INT_PTR r = DialogBoxIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(record.state->templ.data()),
        owner, LibraryDlgProc, reinterpret_cast<LPARAM>(&record));
    if (record.state)
        record.state->hwnd = nullptr;
    return r == -1 ? -1 : static_cast<std::int32_t>(r);
}

HWND DlgWindow(const DialogRecord& record) {
    return record.state ? record.state->hwnd : nullptr;
}
