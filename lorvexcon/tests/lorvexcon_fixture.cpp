#include "lorvexcon_fixture.h"

void LorvexCon::SetUp() {
    ResetFormulaModel();
    ASSERT_TRUE(Start());
}

void LorvexCon::TearDown() {
    Stop();
    ResetFormulaModel();
}

bool LorvexCon::Start() {
    if (!FenstroStart(GetModuleHandleA(nullptr), SW_SHOWNORMAL))
        return false;
    FenstroStartProgram();
    // MainProgram opens the results window and writes its open line from its thread.
    return PumpUntil([] {
        return GetWindowHandle(RESULTS_WINDOW_UNIT) != nullptr &&
               UnitLineCount(RESULTS_WINDOW_UNIT) == 1;
    });
}

void LorvexCon::Stop() {
    HWND frame = FenstroFrame();
    if (frame && IsWindow(frame))
        DestroyWindow(frame);
    PumpFor(50);
    DrainQueue();
    FenstroReset();
}

void ChooseMenuItem(int menu, int item) {
    HMENU sub = GetSubMenu(GetMenu(FenstroFrame()), menu - 1);
    UINT id = GetMenuItemID(sub, item - 1);
    SendMessageA(FenstroFrame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string MenuItemText(HMENU menu, int pos) {
    char text[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(pos), text, sizeof text, MF_BYPOSITION);
    return text;
}

bool MenuItemGrayed(HMENU menu, int pos) {
    return (GetMenuState(menu, static_cast<UINT>(pos), MF_BYPOSITION) & MF_GRAYED) != 0;
}

std::vector<std::string> UnitLines(std::int32_t unit) {
    std::vector<std::string> lines;
    for (std::size_t n = 1; n <= UnitLineCount(unit); ++n)
        lines.push_back(UnitLine(unit, n));
    return lines;
}

void ClickNow(HWND dlg, int id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}
