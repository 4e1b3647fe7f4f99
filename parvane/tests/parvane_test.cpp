// The main window of Parvane in this process: resources, window class, the start-up picture
// centred by the paint step, the menu commands and the splash dialog.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bmpfiles.h"
#include "msgloop.h"
#include "parvane_fixture.h"
#include "keyinput.h"
#include "modalscript.h"
#include "screencap.h"
#include "wndplace.h"

namespace {

const WORD GERMAN = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

TEST(Resources, AreGermanAndNamedOrNumberedAsTheProgramLoadsThem) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    EXPECT_NE(FindResourceExA(inst, RT_MENU, "PARVANEMENU", GERMAN), nullptr);
    EXPECT_NE(FindResourceExA(inst, RT_ACCELERATOR, MAKEINTRESOURCEA(103), GERMAN), nullptr);
    EXPECT_NE(FindResourceExA(inst, RT_DIALOG, MAKEINTRESOURCEA(104), GERMAN), nullptr);
    EXPECT_NE(FindResourceExA(inst, RT_BITMAP, MAKEINTRESOURCEA(105), GERMAN), nullptr);
    // No icon and no version block.
    EXPECT_EQ(FindResourceA(inst, MAKEINTRESOURCEA(1), RT_VERSION), nullptr);
    EXPECT_EQ(FindResourceA(inst, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);
}

TEST(Resources, MenuHasTheItemsInWindows1252WithoutMarks) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "ParvaneMenu");
    ASSERT_NE(menu, nullptr);
    struct Item {
        int popup, position;
        UINT id; // 0 for a separator
        const char* text;
    } items[] = {
        {0, 0, IDM_OEFFNEN,
         "&\xD6"
         "ffnen"},
        {0, 1, 0, ""},
        {0, 2, IDM_BEENDEN, "B&eenden"},
        {1, 0, IDM_HILFETHEMEN, "Hilfethemen"},
        {1, 1, 0, ""},
        {1, 2, IDM_INFO, "Info"},
    };
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    char text[64];
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Datei");
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Hilfe");
    for (const Item& it : items) {
        HMENU sub = GetSubMenu(menu, it.popup);
        ASSERT_EQ(GetMenuItemCount(sub), 3);
        const UINT state = GetMenuState(sub, it.position, MF_BYPOSITION);
        if (it.id == 0) {
            EXPECT_NE(state & MF_SEPARATOR, 0u);
            continue;
        }
        EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << it.text;
        EXPECT_EQ(GetMenuItemID(sub, it.position), it.id);
        GetMenuStringA(sub, it.position, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, it.text);
    }
    DestroyMenu(menu);
}

TEST(Resources, AcceleratorsAreCtrlF1AndShiftF1) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_Accel));
    ASSERT_NE(table, nullptr);
    ACCEL a[4];
    ASSERT_EQ(CopyAcceleratorTableA(table, a, 4), 2);
    EXPECT_EQ(a[0].fVirt & 0x7F, FVIRTKEY | FCONTROL | FNOINVERT);
    EXPECT_EQ(a[0].key, VK_F1);
    EXPECT_EQ(a[0].cmd, IDM_HILFETHEMEN);
    EXPECT_EQ(a[1].fVirt & 0x7F, FVIRTKEY | FSHIFT | FNOINVERT);
    EXPECT_EQ(a[1].key, VK_F1);
    EXPECT_EQ(a[1].cmd, IDM_INFO);
}

// Reads the template the way the dialog manager does.
struct TemplateReader {
    const BYTE* p;
    DWORD Dword() {
        DWORD v;
        memcpy(&v, p, 4);
        p += 4;
        return v;
    }
    WORD Word() {
        WORD v;
        memcpy(&v, p, 2);
        p += 2;
        return v;
    }
    std::string Text() {
        std::string s;
        while (WORD c = Word())
            s += static_cast<char>(c);
        return s;
    }
    void AlignDword(const BYTE* base) {
        while ((p - base) % 4)
            ++p;
    }
};

TEST(Resources, SplashTemplateIsAPlainChildWithOnePicture) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(inst, MAKEINTRESOURCEA(IDD_Splash), RT_DIALOG);
    ASSERT_NE(res, nullptr);
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(inst, res)));
    TemplateReader r{base};
    EXPECT_EQ(r.Dword(), 0x50C00040u); // WS_CHILD, WS_VISIBLE, WS_CAPTION, DS_SETFONT
    EXPECT_EQ(r.Dword(), 0u);
    EXPECT_EQ(r.Word(), 1); // one control
    EXPECT_EQ(r.Word(), 0);
    EXPECT_EQ(r.Word(), 0);
    EXPECT_EQ(r.Word(), 274);
    EXPECT_EQ(r.Word(), 133);
    EXPECT_EQ(r.Word(), 0); // no menu
    EXPECT_EQ(r.Word(), 0); // the default dialog class
    EXPECT_EQ(r.Text(), "Parvane startet...");
    EXPECT_EQ(r.Word(), 8);
    EXPECT_EQ(r.Text(), "MS Sans Serif");
    r.AlignDword(base);
    EXPECT_EQ(r.Dword(), 0x50001A0Eu); // SS_BITMAP, SS_CENTERIMAGE, SS_REALSIZEIMAGE, SS_SUNKEN
    EXPECT_EQ(r.Dword(), 0u);
    EXPECT_EQ(r.Word(), 7);
    EXPECT_EQ(r.Word(), 8);
    EXPECT_EQ(r.Word(), 260);
    EXPECT_EQ(r.Word(), 116);
    EXPECT_EQ(r.Word(), 0xFFFF); // id -1
    EXPECT_EQ(r.Word(), 0xFFFF);
    EXPECT_EQ(r.Word(), 0x0082); // the predefined class STATIC
    EXPECT_EQ(r.Word(), 0xFFFF);
    EXPECT_EQ(r.Word(), IDB_Logo); // the bitmap by number
}

TEST(Resources, LogoIs264By130With24Bits) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(inst, MAKEINTRESOURCEA(IDB_Logo), RT_BITMAP);
    ASSERT_NE(res, nullptr);
    BITMAPINFOHEADER bi;
    memcpy(&bi, LockResource(LoadResource(inst, res)), sizeof bi);
    EXPECT_EQ(bi.biWidth, 264);
    EXPECT_EQ(bi.biHeight, 130);
    EXPECT_EQ(bi.biBitCount, 24);
    EXPECT_EQ(bi.biCompression, static_cast<DWORD>(BI_RGB));
}

TEST_F(ParvaneMain, OneClassRecordServesBothWindowKinds) {
    for (const char* name : {MAIN_CLASS, PICTURE_CLASS}) {
        WNDCLASSA c{};
        ASSERT_TRUE(GetClassInfoA(hInst, name, &c)) << name;
        EXPECT_EQ(c.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
        EXPECT_EQ(c.lpfnWndProc, ViewerWndProc);
        EXPECT_EQ(c.cbClsExtra, 0);
        EXPECT_EQ(c.cbWndExtra, 0);
        EXPECT_EQ(c.hIcon, LoadIconA(nullptr, IDI_APPLICATION));
        EXPECT_EQ(c.hCursor, LoadCursorA(nullptr, IDC_ARROW));
        EXPECT_EQ(c.hbrBackground, GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(c.lpszMenuName, nullptr);
    }
    EXPECT_STREQ(wc.lpszClassName, PICTURE_CLASS) << "registered second";
}

TEST_F(ParvaneMain, MainWindowHoldsTheStartUpPictureAndTheFrameMetrics) {
    char cls[64] = "";
    GetClassNameA(hwndMain, cls, sizeof cls);
    EXPECT_STREQ(cls, "Parvane");
    EXPECT_EQ(WindowText(hwndMain), "Parvane - Laden und Anzeigen einer Bitmap Datei");
    EXPECT_EQ(GetWindowLongA(hwndMain, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CF0000);
    EXPECT_EQ(GetWindowLongA(hwndMain, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetMenu(hwndMain), hMenu);
    EXPECT_EQ(GetParent(hwndMain), nullptr);
    ASSERT_NE(hBmp[0], nullptr);
    EXPECT_EQ(bmpWidth[0], 264);
    EXPECT_EQ(bmpHeight[0], 130);
    EXPECT_EQ(cxFrame, GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(cyFrame, GetSystemMetrics(SM_CYFRAME));
    EXPECT_EQ(cyCaption, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_GT(cyCaption, 0);
}

// The start-up picture's pixels, as the screen shows them.
std::vector<DWORD> LogoPixels() {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, hBmp[0]);
    std::vector<DWORD> px = CapturePixels(mem, 0, 0, bmpWidth[0], bmpHeight[0]);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return px;
}

// Gives the main window a client area cw pixels wide and about ch high; returns its size.
SIZE SetClientSize(int cw, int ch) {
    RECT w, c;
    GetWindowRect(hwndMain, &w);
    GetClientRect(hwndMain, &c);
    const int dx = (w.right - w.left) - c.right, dy = (w.bottom - w.top) - c.bottom;
    MoveWindow(hwndMain, 0, 0, cw + dx, ch + dy, TRUE);
    UpdateWindow(hwndMain);
    PumpFor(80);
    GetClientRect(hwndMain, &c);
    return {c.right, c.bottom};
}

TEST_F(ParvaneMain, StartUpPictureIsCentredAndRepaintedOnEveryResize) {
    const std::vector<DWORD> logo = LogoPixels();
    ASSERT_EQ(logo.size(), 264u * 130u);
    // The narrowest client area the system allows is a little over 100 pixels. Where the
    // picture is the larger, its corner lies left of or above the client area, and a block
    // of the client area's size from its corner shows a part of its middle.
    const SIZE sizes[] = {{500, 300}, {263, 300}, {100, 300}, {700, 120}};
    for (const SIZE& asked : sizes) {
        const SIZE got = SetClientSize(asked.cx, asked.cy);
        if (asked.cx != 100) {
            ASSERT_EQ(got.cx, asked.cx);
        }
        // Truncated toward zero, also when negative.
        const int x = got.cx == 500 ? 118 : got.cx == 263 ? 0 : (got.cx - 264) / 2;
        const int y = (got.cy - 130) / 2;
        if (got.cx == 500 && got.cy == 300) {
            EXPECT_EQ(y, 85);
            SaveWindowPng(hwndMain, "parvane_main_window");
        }
        if (asked.cx == 100) {
            EXPECT_LT(x, 0);
        }
        HDC dc = GetDC(hwndMain);
        const std::vector<DWORD> shown = CapturePixels(dc, 0, 0, got.cx, got.cy);
        ReleaseDC(hwndMain, dc);
        int wrong = 0;
        for (int py = 0; py < got.cy; ++py) {
            for (int px = 0; px < got.cx; ++px) {
                // The block copied is the client area's size, from the picture's corner.
                const int bx = px - x, by = py - y;
                const bool inside = bx >= 0 && bx < std::min<int>(264, got.cx) && by >= 0 &&
                                    by < std::min<int>(130, got.cy);
                const DWORD want = inside ? logo[static_cast<size_t>(by) * 264 + bx] : 0xFFFFFF;
                wrong += shown[static_cast<size_t>(py) * got.cx + px] != want;
            }
        }
        EXPECT_EQ(wrong, 0) << "client " << got.cx << " x " << got.cy;
    }
}

// Every memory context a paint makes.
std::vector<HDC> paintContexts;
HDC WINAPI CountedCreateDC(HDC hdc) {
    HDC dc = CreateCompatibleDC(hdc);
    paintContexts.push_back(dc);
    return dc;
}

TEST_F(ParvaneMain, ManyPaintsLeaveNoMemoryContextAndKeepEveryPicture) {
    HWND picture = OpenPicture(File("a.bmp", QuadrantBmp(60, 40, 24)));
    ASSERT_NE(picture, nullptr);
    const int slot = GetDlgCtrlID(picture);
    paintContexts.clear();
    paintCreateDC = CountedCreateDC;
    for (int k = 0; k < 150; ++k) {
        for (HWND w : {hwndMain, picture})
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    paintCreateDC = CreateCompatibleDC;
    EXPECT_GE(paintContexts.size(), 300u);
    const auto left = std::count_if(paintContexts.begin(), paintContexts.end(),
                                    [](HDC dc) { return GetObjectType(dc) != 0; });
    EXPECT_EQ(left, 0) << "memory contexts left behind";
    // Painting never deletes a picture.
    EXPECT_EQ(GetObjectType(hBmp[0]), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(hBmp[slot]), static_cast<DWORD>(OBJ_BITMAP));
    ExpectShowsQuadrants(picture, 60, 40, QUADRANT_COLOURS, "after many paints");
}

TEST_F(ParvaneMain, HelpAndInfoShowTheirBoxesAndOtherCommandsNothing) {
    struct Case {
        UINT id;
        const char* text;
        bool exclamation;
        const char* shot;
    } cases[] = {
        {IDM_HILFETHEMEN, "Hilfestellung nicht implementiert.", true, "parvane_help_box"},
        {IDM_INFO, "AboutBox\n\rParvane 1.0: Bitmap-Dateien laden und anzeigen", false,
         "parvane_info_box"},
    };
    for (const Case& c : cases) {
        BoxSeen box;
        ASSERT_TRUE(RunModal([&] { SendMessageA(hwndMain, WM_COMMAND, c.id, 0); },
                             {BoxStep("Parvane", &box, c.shot)}));
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_EQ(box.exclamationIcon, c.exclamation);
        EXPECT_EQ(box.infoIcon, !c.exclamation);
    }
    for (UINT id : {40000u, 40005u, 1u}) {
        EXPECT_EQ(SendMessageA(hwndMain, WM_COMMAND, id, 0), 0);
        EXPECT_EQ(FindThreadDialog(), nullptr);
        EXPECT_TRUE(IsWindow(hwndMain));
    }
}

TEST_F(ParvaneMain, BeendenClosesEveryWindowAndEndsWithCodeZero) {
    const std::string a = File("a.bmp", QuadrantBmp(40, 30, 24));
    ASSERT_NE(OpenPicture(a), nullptr);
    ASSERT_NE(OpenPicture(a), nullptr);
    // The start-up picture goes with the main window, the pictures with their windows.
    const HBITMAP held[3] = {hBmp[0], hBmp[1], hBmp[2]};
    for (HBITMAP h : held)
        ASSERT_EQ(GetObjectType(h), static_cast<DWORD>(OBJ_BITMAP));
    SendMessageA(hwndMain, WM_COMMAND, IDM_BEENDEN, 0);
    EXPECT_FALSE(IsWindow(hwndMain));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(nChildren, 0);
    for (int s = 1; s <= MAX_CHILDREN; ++s)
        EXPECT_FALSE(slotTaken[s]);
    for (HBITMAP h : held)
        EXPECT_EQ(GetObjectType(h), 0u) << "bitmap left behind";
    hwndMain = nullptr;
}

TEST_F(ParvaneMain, AcceleratorsReachTheMainWindowFromAPictureWindow) {
    HWND picture = OpenPicture(File("a.bmp", QuadrantBmp(60, 40, 24)));
    ASSERT_NE(picture, nullptr);
    struct Case {
        bool shift, ctrl;
        const char* text;
    } cases[] = {{false, true, HELP_TEXT}, {true, false, INFO_TEXT}};
    for (const Case& c : cases) {
        SetFocus(picture);
        ASSERT_EQ(GetFocus(), picture);
        BoxSeen box;
        // The keys go through the program's own loop, addressed to the picture window.
        EXPECT_TRUE(RunModal(
            [&] {
                TypeKey(VK_F1, false, c.shift, c.ctrl);
                EXPECT_EQ(RunMessageLoop(hAccel, hwndMain), 7);
            },
            {BoxStep("Parvane", &box),
             {[&] { return FindThreadDialog("Parvane") == nullptr ? hwndMain : nullptr; },
              [](HWND) { PostQuitMessage(7); }}}));
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
    }
}

// The splash dialog, a child of the main window.
HWND FindSplash() {
    return FindWindowExA(hwndMain, nullptr, "#32770", "Parvane startet...");
}

UINT seenInterval = 0;
UINT_PTR seenId = 0;
constexpr UINT SHORT_SPLASH = 700;

UINT_PTR WINAPI ShortTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) {
    seenInterval = ms;
    seenId = id;
    return SetTimer(hwnd, id, SHORT_SPLASH, proc);
}

UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC) {
    return 0;
}

TEST_F(ParvaneMain, SplashStandsCentredForItsTimeWhateverKeysArrive) {
    splashSetTimer = ShortTimer;
    bool centred = false, mainDisabled = false, picture = false, openAfterKeys = false;
    LONG style = 0;
    const DWORD start = GetTickCount();
    DWORD keysDone = 0;
    ASSERT_TRUE(RunModal([] { ShowSplash(); },
                         {{FindSplash,
                           [&](HWND splash) {
                               RECT pc;
                               GetClientRect(hwndMain, &pc);
                               const RECT s = ChildRect(splash);
                               const int dw = s.right - s.left, dh = s.bottom - s.top;
                               centred =
                                   s.left == (pc.right - dw) / 2 && s.top == (pc.bottom - dh) / 2;
                               mainDisabled = !IsWindowEnabled(hwndMain);
                               style = GetWindowLongA(splash, GWL_STYLE);
                               HWND pic = GetWindow(splash, GW_CHILD);
                               picture = pic != nullptr &&
                                         SendMessageA(pic, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
                               SaveWindowPng(hwndMain, "parvane_splash");
                               // Enter and Esc as the dialog manager gets them, and the
                               // commands they would make.
                               for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
                                   PostMessageA(splash, WM_KEYDOWN, key, 0);
                                   PostMessageA(splash, WM_KEYUP, key, 0xC0000000);
                               }
                               PostMessageA(splash, WM_COMMAND, IDOK, 0);
                               PostMessageA(splash, WM_COMMAND, IDCANCEL, 0);
                               PostMessageA(splash, WM_CLOSE, 0, 0);
                           }},
                          {FindSplash, // a tick later, once the dialog has had the keys
                           [&](HWND) {
                               keysDone = GetTickCount() - start;
                               openAfterKeys = true;
                           }}},
                         5000));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_TRUE(centred);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(picture);
    EXPECT_EQ(style & (WS_CHILD | WS_CAPTION | WS_SYSMENU), WS_CHILD | WS_CAPTION);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_LT(keysDone, SHORT_SPLASH);
    EXPECT_EQ(seenInterval, 4000u);
    EXPECT_EQ(seenId, 1u);
    EXPECT_GE(elapsed, SHORT_SPLASH - 20);
    EXPECT_LT(elapsed, SHORT_SPLASH + 2000);
    EXPECT_EQ(FindSplash(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
}

TEST_F(ParvaneMain, SplashWithoutItsTimerEndsAtOnce) {
    splashSetTimer = NoTimer;
    const DWORD start = GetTickCount();
    bool stayed = false;
    // A splash that stayed open is ended here, so that the test fails instead of hanging.
    EXPECT_FALSE(RunModal([] { ShowSplash(); },
                          {{FindSplash,
                            [&](HWND splash) {
                                stayed = true;
                                EndDialog(splash, 0);
                            }}},
                          3000));
    EXPECT_FALSE(stayed);
    EXPECT_LT(GetTickCount() - start, 1500u);
    EXPECT_EQ(FindSplash(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
}

} // namespace
