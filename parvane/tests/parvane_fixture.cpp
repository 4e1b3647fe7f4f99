#include "parvane_fixture.h"

#include <cstring>

#include "keyinput.h"
#include "modalscript.h"
#include "screencap.h"

void ResetProgramData() {
    for (int s = 0; s < SLOT_COUNT; ++s) {
        hBmp[s] = nullptr;
        bmpWidth[s] = bmpHeight[s] = 0;
        slotTaken[s] = false;
        slotLoaded[s] = false;
    }
    paintCreateDC = CreateCompatibleDC;
    cxFrame = cyFrame = cyCaption = 0;
    nChildren = 0;
    xNextChild = yNextChild = 0;
    SetFixedText(szFileName, sizeof szFileName, START_FILE_NAME);
    idSplashTimer = 1;
    splashSetTimer = SetTimer;
    selectionDialog = GetOpenFileNameA;
}

void ParvaneMain::SetUp() {
    ResetProgramData();
    hInst = GetModuleHandleA(nullptr);
    static const bool registered = RegisterParvaneClass(hInst) && RegisterPictureClass();
    ASSERT_TRUE(registered);
    hAccel = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDR_Accel));
    ASSERT_NE(hAccel, nullptr);
    hwndMain = CreateParvaneWindow(hInst);
    ASSERT_NE(hwndMain, nullptr);
    MoveWindow(hwndMain, 0, 0, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
    ShowWindow(hwndMain, SW_SHOWNORMAL);
    UpdateWindow(hwndMain);
    ASSERT_TRUE(ActivateWindow(hwndMain));
}

void ParvaneMain::TearDown() {
    if (hwndMain != nullptr && IsWindow(hwndMain))
        DestroyWindow(hwndMain);
    hwndMain = nullptr;
    // Takes the quit message of WM_DESTROY and anything left off the queue.
    PumpFor(50);
    ResetProgramData();
}

std::string ParvaneMain::File(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteAll(path, bytes)) << path;
    return path;
}

namespace {

BOOL CALLBACK CollectPicture(HWND hwnd, LPARAM lp) {
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, PICTURE_CLASS) == 0 && GetParent(hwnd) == hwndMain)
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> PictureWindows() {
    std::vector<HWND> found;
    if (hwndMain != nullptr)
        EnumChildWindows(hwndMain, CollectPicture, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND OpenPicture(const std::string& path, BoxSeen* box) {
    SetFixedText(szFileName, sizeof szFileName, path.c_str());
    HWND child = nullptr;
    BoxSeen seen;
    RunModal([&] { child = OpenPictureWindow(hwndMain); }, {BoxStep("Fehler", &seen)});
    if (box)
        *box = seen;
    PumpFor(30);
    return child;
}

std::string FileNameText() {
    return std::string(szFileName, strnlen(szFileName, sizeof szFileName));
}

bool OpenGrayed() {
    return (GetMenuState(hMenu, IDM_OEFFNEN, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

void ExpectShowsQuadrants(HWND hwnd, int w, int h, const COLORREF* colours,
                          const std::string& what) {
    BringWindowToTop(hwnd);
    UpdateWindow(hwnd);
    PumpFor(60);
    for (int q = 0; q < 4; ++q) {
        const int x = (q % 2 == 0 ? w / 4 : w * 3 / 4), y = (q < 2 ? h / 4 : h * 3 / 4);
        const COLORREF c = ScreenPixel(hwnd, x, y);
        EXPECT_TRUE(Near(c, colours[q])) << what << ": quadrant " << q << " shows " << std::hex << c
                                         << " instead of " << colours[q];
    }
}
