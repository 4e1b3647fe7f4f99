// Text windows: the lines of a unit, painted row by row from its store, scrolled by bar,
// wheel and keys; the default output window also takes the line typed for a pause.
#include "fenstro_internal.h"

#include <algorithm>
#include <vector>

namespace {

struct TextView {
    Unit* unit = nullptr;
    HFONT font = nullptr;
    int lineHeight = 16;
    int charWidth = 8;
    std::uint64_t top = 0; // absolute number (from 0) of the first row shown
    int left = 0;          // first column shown
    bool follow = true;    // the view goes with the end while it shows the last row
    std::size_t rows = 0;  // rows of the store and the input row, as last counted
    std::uint64_t dropped = 0;
    std::size_t widest = 0;
    int wheelRest = 0;
};

TextView* View(HWND hwnd) {
    return reinterpret_cast<TextView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool IsMdiChild(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

LRESULT DefaultProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return IsMdiChild(hwnd) ? DefMDIChildProcA(hwnd, msg, wParam, lParam)
                            : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The window takes typed lines while a pause waits and it shows the default output.
bool TakesInput(const TextView* v) {
    return v->unit->number == DEFAULT_OUTPUT_UNIT && PauseWaiting();
}

int VisibleRows(HWND hwnd, const TextView* v) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return std::max(1, static_cast<int>(rc.bottom / v->lineHeight));
}

int VisibleColumns(HWND hwnd, const TextView* v) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return std::max(1, static_cast<int>(rc.right / v->charWidth));
}

// Takes the store's size; keeps the first row within the store and goes with the end
// while following.
void Recount(HWND hwnd, TextView* v) {
    EnterCriticalSection(&v->unit->lock);
    v->rows = LineCount(v->unit->store);
    v->dropped = v->unit->store.dropped;
    v->widest = v->unit->store.widest;
    bool openLine = v->unit->store.open;
    LeaveCriticalSection(&v->unit->lock);
    // Typed text goes on in an open last line, else in a row of its own.
    if (TakesInput(v) && (!openLine || v->rows == 0))
        ++v->rows;
    std::uint64_t page = static_cast<std::uint64_t>(VisibleRows(hwnd, v));
    std::uint64_t end = v->dropped + v->rows;
    std::uint64_t lastTop = end > v->dropped + page ? end - page : v->dropped;
    if (v->follow || v->top > lastTop)
        v->top = lastTop;
    if (v->top < v->dropped)
        v->top = v->dropped;
}

void UpdateBars(HWND hwnd, TextView* v) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = v->rows > 0 ? static_cast<int>(v->rows) - 1 : 0;
    si.nPage = static_cast<UINT>(VisibleRows(hwnd, v));
    si.nPos = static_cast<int>(v->top - v->dropped);
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    si.nMax = static_cast<int>(v->widest);
    si.nPage = static_cast<UINT>(VisibleColumns(hwnd, v));
    si.nPos = v->left;
    SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
}

void Refresh(HWND hwnd, TextView* v) {
    Recount(hwnd, v);
    UpdateBars(hwnd, v);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Moves the first row to row (from 0 within the store); the view follows the end again
// when it reaches it.
void ScrollTo(HWND hwnd, TextView* v, long long row) {
    long long page = VisibleRows(hwnd, v);
    long long last = std::max(0LL, static_cast<long long>(v->rows) - page);
    row = std::max(0LL, std::min(row, last));
    v->top = v->dropped + static_cast<std::uint64_t>(row);
    v->follow = row >= last;
    UpdateBars(hwnd, v);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ScrollColumns(HWND hwnd, TextView* v, int col) {
    int last = std::max(0, static_cast<int>(v->widest) - VisibleColumns(hwnd, v) + 1);
    v->left = std::max(0, std::min(col, last));
    UpdateBars(hwnd, v);
    InvalidateRect(hwnd, nullptr, FALSE);
}

long long CurrentRow(const TextView* v) {
    return static_cast<long long>(v->top - v->dropped);
}

int ThumbPosition(HWND hwnd, int bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd, bar, &si);
    return si.nTrackPos;
}

void OnVScroll(HWND hwnd, TextView* v, WPARAM wParam) {
    long long row = CurrentRow(v), page = VisibleRows(hwnd, v);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: row -= 1; break;
    case SB_LINEDOWN: row += 1; break;
    case SB_PAGEUP: row -= page; break;
    case SB_PAGEDOWN: row += page; break;
    case SB_TOP: row = 0; break;
    case SB_BOTTOM: row = static_cast<long long>(v->rows); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: row = ThumbPosition(hwnd, SB_VERT); break;
    default: return;
    }
    ScrollTo(hwnd, v, row);
}

void OnHScroll(HWND hwnd, TextView* v, WPARAM wParam) {
    int col = v->left, page = VisibleColumns(hwnd, v);
    switch (LOWORD(wParam)) {
    case SB_LINELEFT: col -= 1; break;
    case SB_LINERIGHT: col += 1; break;
    case SB_PAGELEFT: col -= page; break;
    case SB_PAGERIGHT: col += page; break;
    case SB_LEFT: col = 0; break;
    case SB_RIGHT: col = static_cast<int>(v->widest); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: col = ThumbPosition(hwnd, SB_HORZ); break;
    default: return;
    }
    ScrollColumns(hwnd, v, col);
}

bool OnKey(HWND hwnd, TextView* v, WPARAM key) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    long long page = VisibleRows(hwnd, v);
    switch (key) {
    case VK_UP: ScrollTo(hwnd, v, CurrentRow(v) - 1); return true;
    case VK_DOWN: ScrollTo(hwnd, v, CurrentRow(v) + 1); return true;
    case VK_PRIOR: ScrollTo(hwnd, v, CurrentRow(v) - page); return true;
    case VK_NEXT: ScrollTo(hwnd, v, CurrentRow(v) + page); return true;
    case VK_HOME:
        if (ctrl)
            ScrollTo(hwnd, v, 0);
        else
            ScrollColumns(hwnd, v, 0);
        return true;
    case VK_END:
        if (ctrl)
            ScrollTo(hwnd, v, static_cast<long long>(v->rows));
        else
            ScrollColumns(hwnd, v, static_cast<int>(v->widest));
        return true;
    case VK_LEFT: ScrollColumns(hwnd, v, v->left - 1); return true;
    case VK_RIGHT: ScrollColumns(hwnd, v, v->left + 1); return true;
    }
    return false;
}

void OnWheel(HWND hwnd, TextView* v, WPARAM wParam) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == 0)
        return;
    v->wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    int notches = v->wheelRest / WHEEL_DELTA;
    v->wheelRest -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    long long step =
        lines == WHEEL_PAGESCROLL ? VisibleRows(hwnd, v) : static_cast<long long>(lines);
    ScrollTo(hwnd, v, CurrentRow(v) - notches * step);
}

// A typed character while a pause waits: Enter on an empty line answers the pause, Enter
// after text keeps the text as a line and waits on.
void OnChar(HWND hwnd, TextView* v, WPARAM ch) {
    Unit* u = v->unit;
    if (ch == '\r') {
        if (u->input.empty()) {
            AnswerPause();
        } else {
            // The typed line stays: after an open prompt on its line, else on a line of its own.
            // The program thread may write meanwhile, so the line is looked at under the lock.
            std::string record = " " + u->input;
            EnterCriticalSection(&u->lock);
            if (u->store.open)
                record[0] = '+';
            AppendRecord(u->store, record.data(), record.size(), false);
            LeaveCriticalSection(&u->lock);
            u->input.clear();
        }
    } else if (ch == '\b') {
        if (!u->input.empty())
            u->input.pop_back();
    } else if (ch >= ' ' && ch != 0x7F && u->input.size() < FENSTRO_LINE_WIDTH) {
        u->input.push_back(static_cast<char>(ch));
    } else {
        return;
    }
    v->follow = true;
    Refresh(hwnd, v);
}

void Paint(HWND hwnd, TextView* v) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HGDIOBJ oldFont = SelectObject(dc, v->font);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    RECT rc;
    GetClientRect(hwnd, &rc);
    int first = ps.rcPaint.top / v->lineHeight;
    int last = (ps.rcPaint.bottom + v->lineHeight - 1) / v->lineHeight;
    // Only the rows to paint are copied out, so a long store costs nothing here.
    std::vector<std::string> rows;
    std::size_t start =
        static_cast<std::size_t>(v->top - v->dropped) + static_cast<std::size_t>(first);
    bool input = TakesInput(v);
    Unit* u = v->unit;
    EnterCriticalSection(&u->lock);
    const std::deque<std::string>& lines = u->store.lines;
    // The view may lag behind a store that dropped lines since the last count.
    std::uint64_t lag = u->store.dropped - v->dropped;
    bool openLine = u->store.open;
    for (int r = first; r < last; ++r) {
        std::size_t i = start + static_cast<std::size_t>(r - first);
        if (i < lag || i - lag >= lines.size()) {
            rows.emplace_back();
            continue;
        }
        rows.push_back(lines[i - lag]);
    }
    std::size_t count = lines.size();
    LeaveCriticalSection(&u->lock);
    if (input) {
        // The typed text: at the end of an open last line, else in the row after the last.
        std::size_t inputRow = openLine && count > 0 ? count - 1 : count;
        if (inputRow >= start && inputRow < start + rows.size())
            rows[inputRow - start] += u->input;
    }
    for (int r = first; r < last; ++r) {
        const std::string& s = rows[static_cast<std::size_t>(r - first)];
        RECT row{rc.left, r * v->lineHeight, rc.right, (r + 1) * v->lineHeight};
        const char* text = s.size() > static_cast<std::size_t>(v->left) ? s.c_str() + v->left : "";
        int n =
            s.size() > static_cast<std::size_t>(v->left) ? static_cast<int>(s.size()) - v->left : 0;
        ExtTextOutA(dc, 0, row.top, ETO_OPAQUE | ETO_CLIPPED, &row, text, static_cast<UINT>(n),
                    nullptr);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

void PlaceCaret(HWND hwnd, TextView* v) {
    if (GetFocus() != hwnd)
        return;
    if (!TakesInput(v)) {
        HideCaret(hwnd);
        return;
    }
    EnterCriticalSection(&v->unit->lock);
    std::size_t count = LineCount(v->unit->store);
    bool openLine = v->unit->store.open;
    std::size_t col = openLine && count > 0 ? v->unit->store.lines.back().size() : 0;
    LeaveCriticalSection(&v->unit->lock);
    std::size_t row = openLine && count > 0 ? count - 1 : count;
    col += v->unit->input.size();
    long long y = (static_cast<long long>(row) - CurrentRow(v)) * v->lineHeight;
    long long x = (static_cast<long long>(col) - v->left) * v->charWidth;
    SetCaretPos(static_cast<int>(x), static_cast<int>(y));
    ShowCaret(hwnd);
}

LRESULT CALLBACK TextWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TextView* v = View(hwnd);
    switch (msg) {
    case WM_CREATE: {
        CREATESTRUCTA* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        LPARAM param = reinterpret_cast<LPARAM>(cs->lpCreateParams);
        if (IsMdiChild(hwnd))
            param = reinterpret_cast<MDICREATESTRUCTA*>(cs->lpCreateParams)->lParam;
        v = new TextView;
        v->unit = reinterpret_cast<Unit*>(param);
        v->font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, "Courier New");
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, v->font);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        v->lineHeight = std::max(1L, tm.tmHeight + tm.tmExternalLeading);
        v->charWidth = std::max(1L, tm.tmAveCharWidth);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(v));
        // Known to the writers before the lines are counted: a record written from now on is
        // either counted here or announced to this window.
        v->unit->linesPosted = false;
        v->unit->hwnd = hwnd;
        Recount(hwnd, v);
        UpdateBars(hwnd, v);
        break;
    }
    case WM_FENSTRO_LINES:
        if (v) {
            v->unit->linesPosted = false;
            // Closing a text window only makes it an icon: new lines bring it back.
            if (IsIconic(hwnd)) {
                if (IsMdiChild(hwnd))
                    SendMessageA(GetParent(hwnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(hwnd), 0);
                else
                    ShowWindow(hwnd, SW_RESTORE);
            }
            Refresh(hwnd, v);
            PlaceCaret(hwnd, v);
        }
        return 0;
    case WM_SIZE:
        if (v) {
            Recount(hwnd, v);
            UpdateBars(hwnd, v);
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        break;
    case WM_PAINT:
        if (v) {
            Paint(hwnd, v);
            PlaceCaret(hwnd, v);
            return 0;
        }
        break;
    case WM_VSCROLL:
        if (v)
            OnVScroll(hwnd, v, wParam);
        return 0;
    case WM_HSCROLL:
        if (v)
            OnHScroll(hwnd, v, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (v)
            OnWheel(hwnd, v, wParam);
        return 0;
    case WM_KEYDOWN:
        if (v && OnKey(hwnd, v, wParam))
            return 0;
        break;
    case WM_CHAR:
        if (v && TakesInput(v)) {
            OnChar(hwnd, v, wParam);
            PlaceCaret(hwnd, v);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (v) {
            CreateCaret(hwnd, nullptr, 2, v->lineHeight);
            PlaceCaret(hwnd, v);
        }
        break;
    case WM_KILLFOCUS: DestroyCaret(); break;
    case WM_GETFONT: return v ? reinterpret_cast<LRESULT>(v->font) : 0;
    case WM_LBUTTONDOWN: SetFocus(hwnd); break;
    case WM_CLOSE:
        // A unit's window stays connected for the whole process: it is only made an icon,
        // and new lines bring it back.
        // The window of a pause before the frame exists: closing it goes on like Enter.
        if (!IsMdiChild(hwnd)) {
            if (v && TakesInput(v))
                AnswerPause();
        } else {
            ShowWindow(hwnd, SW_MINIMIZE);
        }
        return 0;
    case WM_DESTROY:
        if (v) {
            if (v->unit->hwnd == hwnd)
                v->unit->hwnd = nullptr;
            DeleteObject(v->font);
        }
        break;
    case WM_NCDESTROY:
        delete v;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefaultProc(hwnd, msg, wParam, lParam);
}

} // namespace

bool RegisterTextWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, TEXT_CLASS, &wc))
        return true;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TextWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = TEXT_CLASS;
    return RegisterClassA(&wc) != 0;
}

HWND CreateTextWindow(Unit* unit, const RECT* place) {
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, w = CW_USEDEFAULT, h = CW_USEDEFAULT;
    if (place) {
        x = place->left;
        y = place->top;
        w = place->right - place->left;
        h = place->bottom - place->top;
    }
    if (!fen.client) {
        // No frame yet: a window of its own, its caption saying what it waits for.
        std::string caption = fen.programName + " - " + STATUS_PAUSED;
        return CreateWindowExA(0, TEXT_CLASS, caption.c_str(), style, x, y, 640, 400, nullptr,
                               nullptr, fen.instance, unit);
    }
    MDICREATESTRUCTA mcs{};
    mcs.szClass = TEXT_CLASS;
    mcs.szTitle = unit->title.c_str();
    mcs.hOwner = fen.instance;
    mcs.x = x;
    mcs.y = y;
    mcs.cx = w;
    mcs.cy = h;
    mcs.style = WS_VSCROLL | WS_HSCROLL;
    mcs.lParam = reinterpret_cast<LPARAM>(unit);
    return reinterpret_cast<HWND>(
        SendMessageA(fen.client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}
