// The Klavio window in this process: keyboard messages through a real message loop, the log
// bookkeeping, and what the screen shows of the table.
#include <windows.h>

#include "klavio_testing.h"
#include "keyline.h"
#include "msgloop.h"
#include "wintest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The pixels of one table row: as the window shows it, or as the line should look.
using Pixels = std::vector<DWORD>;

class KlavioWindow : public ::testing::Test {
  protected:
    HWND hwnd = nullptr;
    int cxChar = 8;

    void SetUp() override {
        HINSTANCE inst = GetModuleHandleA(nullptr);
        static bool registered = RegisterKlavioClasses(inst);
        ASSERT_TRUE(registered);
        hwnd = CreateKlavioWindow(inst);
        ASSERT_NE(hwnd, nullptr);
        cxChar = tmFixed.tmAveCharWidth;
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
        SetClientRows(12);
        ASSERT_TRUE(ActivateWindow(hwnd));
    }

    void TearDown() override {
        if (hwnd != nullptr && IsWindow(hwnd))
            DestroyWindow(hwnd);
        DrainQueue(); // the quit message of WM_DESTROY
    }

    // Client area wide enough for a whole line and with the given height.
    void SetClientHeight(int cy) {
        RECT r{0, 0, (LINE_WIDTH + 2) * cxChar, cy};
        AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 20, 20, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(PumpUntil([&] { return cyWnd == cy; }));
        UpdateWindow(hwnd);
    }
    void SetClientRows(int rows) { SetClientHeight(rows * cyLine); }

    int Rows() const { return cyWnd / cyLine; }

    // What row r of the window shows on the screen.
    Pixels ScreenRow(int r) {
        UpdateWindow(hwnd);
        PumpFor(30);
        HDC dc = GetDC(hwnd);
        Pixels p = CapturePixels(dc, 0, r * cyLine, cxWnd, cyLine);
        ReleaseDC(hwnd, dc);
        return p;
    }

    // Texts drawn in the table's font on white, as one row.
    Pixels Rendered(const std::vector<std::string>& texts) {
        HDC screen = GetDC(hwnd);
        HDC mem = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, cxWnd, cyLine);
        HGDIOBJ oldBmp = SelectObject(mem, bmp);
        RECT all{0, 0, cxWnd, cyLine};
        FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HGDIOBJ oldFont = SelectObject(mem, GetStockObject(SYSTEM_FIXED_FONT));
        SetBkMode(mem, TRANSPARENT);
        for (const std::string& t : texts)
            TextOutA(mem, 0, 0, t.data(), static_cast<int>(t.size()));
        SelectObject(mem, oldFont);
        Pixels p = CapturePixels(mem, 0, 0, cxWnd, cyLine);
        SelectObject(mem, oldBmp);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(hwnd, screen);
        return p;
    }

    Pixels Blank() { return Rendered({}); }
    Pixels Header() { return Rendered({HEADER_TEXT, UNDERLINE_TEXT}); }

    // The row a message should give, with the key name the system has for it.
    Pixels Line(UINT message, WPARAM wParam, LPARAM lParam) {
        char name[KEY_LABEL_SIZE] = "";
        int n = IsCharacterMessage(message)
                    ? 0
                    : GetKeyNameTextA(static_cast<LONG>(lParam), name, KEY_LABEL_SIZE);
        return Rendered({BuildKeyEventLine(message, static_cast<std::uint32_t>(wParam),
                                           static_cast<std::uint32_t>(lParam),
                                           std::string(name, n > 0 ? n : 0))});
    }
    Pixels Line(const MSG& m) { return Line(m.message, m.wParam, m.lParam); }

    // Key-down messages that differ in their virtual key, straight to the window.
    void SendKeyDowns(int count) {
        for (int i = 0; i < count; ++i)
            SendMessageA(hwnd, WM_KEYDOWN, 'A' + i % 26, 0x00000001 | ((i + 1) << 16));
    }
};

TEST_F(KlavioWindow, ClassTitleAndEmptyTable) {
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Klavio");
    EXPECT_EQ(WindowText(hwnd), "Tastaturereignisse, Version 1");
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetClassLongA(hwnd, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));

    EXPECT_EQ(cyLine, tmFixed.tmHeight);
    EXPECT_EQ(nLogMax, GetSystemMetrics(SM_CYMAXIMIZED) / cyLine);
    EXPECT_EQ(nLogCount, 0);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(cxWnd, client.right);
    EXPECT_EQ(cyWnd, client.bottom);
    EXPECT_EQ(rcLogArea.top, cyLine);
    EXPECT_EQ(rcLogArea.bottom, 12 * cyLine);
    EXPECT_EQ(rcLogArea.right, cxWnd);

    EXPECT_EQ(ScreenRow(0), Header());
    for (int r = 1; r < Rows(); ++r)
        EXPECT_EQ(ScreenRow(r), Blank()) << "row " << r;
    SaveWindowPng(hwnd, "klavio_empty");
}

// Posted key messages with the lParam a keyboard gives, through a pump with TranslateMessage.
TEST_F(KlavioWindow, KeyPressThroughTheLoop) {
    const LPARAM down = 0x001E0001, up = static_cast<LPARAM>(0xC01E0001);
    // The release comes after the character that the press is translated into, as when a
    // user holds the key for a moment.
    PostMessageA(hwnd, WM_KEYDOWN, 'A', down);
    ASSERT_TRUE(PumpUntil([] { return nLogCount == 2; }, 3000)) << nLogCount;
    PostMessageA(hwnd, WM_KEYUP, 'A', up);
    ASSERT_TRUE(PumpUntil([] { return nLogCount == 3; }, 3000)) << nLogCount;
    PumpFor(100);
    ASSERT_EQ(nLogCount, 3);

    EXPECT_EQ(eventLog[2].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(eventLog[1].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(eventLog[1].wParam, static_cast<WPARAM>('a'));
    EXPECT_EQ(eventLog[1].lParam, down);
    EXPECT_EQ(eventLog[0].message, static_cast<UINT>(WM_KEYUP));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(eventLog[i].hwnd, hwnd);

    const int last = Rows() - 1;
    EXPECT_EQ(ScreenRow(last - 2), Line(WM_KEYDOWN, 'A', down));
    EXPECT_EQ(ScreenRow(last - 1), Line(WM_CHAR, 'a', down));
    EXPECT_EQ(ScreenRow(last), Line(WM_KEYUP, 'A', up));
    for (int r = 1; r < last - 2; ++r)
        EXPECT_EQ(ScreenRow(r), Blank()) << "row " << r;
    EXPECT_EQ(ScreenRow(0), Header());
}

// Real key presses from the input system, with the window active.
TEST_F(KlavioWindow, TypedKeysAndScreenshot) {
    TypeKey('K');
    ASSERT_TRUE(PumpUntil([] { return nLogCount >= 3; }, 3000)) << nLogCount;
    PumpFor(100);
    ASSERT_EQ(nLogCount, 3);
    EXPECT_EQ(eventLog[2].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(eventLog[2].wParam, static_cast<WPARAM>('K'));
    EXPECT_EQ(eventLog[1].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(eventLog[1].wParam, static_cast<WPARAM>('k'));
    EXPECT_EQ(eventLog[0].message, static_cast<UINT>(WM_KEYUP));
    EXPECT_NE(eventLog[0].lParam & 0xC0000000, 0);

    TypeKey('L', false, true); // Shift+L: the Shift key lines, then an upper-case L
    TypeKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([] { return nLogCount >= 3 + 5 + 3; }, 3000)) << nLogCount;
    PumpFor(100);
    EXPECT_EQ(eventLog[0].message, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(eventLog[1].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(eventLog[1].wParam, static_cast<WPARAM>('\r'));

    // An a-umlaut and a sharp s as a German keyboard gives them: the OEM keys and their
    // Windows-1252 characters.
    const struct {
        WPARAM vk, ch;
        LPARAM scan;
    } german[] = {{VK_OEM_7, 0xE4, 0x28}, {VK_OEM_4, 0xDF, 0x0C}};
    for (const auto& g : german) {
        SendMessageA(hwnd, WM_KEYDOWN, g.vk, 1 | (g.scan << 16));
        SendMessageA(hwnd, WM_CHAR, g.ch, 1 | (g.scan << 16));
        SendMessageA(hwnd, WM_KEYUP, g.vk, static_cast<LPARAM>(0xC0000001 | (g.scan << 16)));
    }
    const int last = Rows() - 1;
    EXPECT_EQ(ScreenRow(last - 1), Line(WM_CHAR, 0xDF, 0x000C0001));
    EXPECT_EQ(ScreenRow(last - 4), Line(WM_CHAR, 0xE4, 0x00280001));
    for (int i = 0; i < Rows() - 1 && i < nLogCount; ++i)
        EXPECT_EQ(ScreenRow(last - i), Line(eventLog[i])) << "entry " << i;
    SaveWindowPng(hwnd, "klavio_typed");
}

TEST_F(KlavioWindow, FullLogDropsTheOldest) {
    ASSERT_GT(nLogMax, 2);
    SendKeyDowns(nLogMax + 1); // message i carries scan code i + 1
    EXPECT_EQ(nLogCount, nLogMax);
    EXPECT_EQ((eventLog[nLogMax - 1].lParam >> 16) & 0xFF, 2); // the second message
    EXPECT_EQ((eventLog[0].lParam >> 16) & 0xFF, (nLogMax + 1) & 0xFF);
    for (int i = 0; i < nLogCount; ++i)
        EXPECT_NE((eventLog[i].lParam >> 16) & 0xFF, 1) << "entry " << i;
}

TEST_F(KlavioWindow, DisplayChangeEmptiesTheLog) {
    SendKeyDowns(5);
    ASSERT_EQ(nLogCount, 5);
    const int capacity = nLogMax;
    SendMessageA(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(nLogCount, 0);
    EXPECT_EQ(nLogMax, capacity); // same settings, and still empty
    EXPECT_EQ(rcLogArea.bottom, 12 * cyLine);
    EXPECT_EQ(ScreenRow(0), Header());
    for (int r = 1; r < Rows(); ++r)
        EXPECT_EQ(ScreenRow(r), Blank()) << "row " << r;

    SendKeyDowns(1);
    EXPECT_EQ(nLogCount, 1);
    EXPECT_EQ(ScreenRow(Rows() - 1), Line(eventLog[0]));
}

TEST_F(KlavioWindow, LowerThenTallerBringsOlderLinesBack) {
    SendKeyDowns(10);
    const int last = Rows() - 1; // 11
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ScreenRow(last - i), Line(eventLog[i])) << "entry " << i;

    SetClientRows(4); // room for the newest three
    EXPECT_EQ(nLogCount, 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ScreenRow(3 - i), Line(eventLog[i])) << "entry " << i;
    EXPECT_EQ(ScreenRow(0), Header());

    SetClientHeight(12 * cyLine + cyLine / 2); // a partial row at the bottom stays empty
    EXPECT_EQ(rcLogArea.bottom, 12 * cyLine);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ScreenRow(last - i), Line(eventLog[i])) << "entry " << i;
    EXPECT_EQ(ScreenRow(1), Blank());
    EXPECT_EQ(ScreenRow(0), Header());
}

TEST_F(KlavioWindow, BelowTwoRowsRecordsWithoutScrolling) {
    SetClientHeight(cyLine + cyLine / 2);
    EXPECT_TRUE(IsRectEmpty(&rcLogArea));
    PostMessageA(hwnd, WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageA(hwnd, WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001));
    ASSERT_TRUE(PumpUntil([] { return nLogCount == 3; }, 3000)) << nLogCount;
    EXPECT_EQ(ScreenRow(0), Header());

    SetClientRows(5); // the recorded lines were kept
    EXPECT_EQ(ScreenRow(4), Line(eventLog[0]));
    EXPECT_EQ(ScreenRow(3), Line(eventLog[1]));
    EXPECT_EQ(ScreenRow(2), Line(eventLog[2]));
    EXPECT_EQ(ScreenRow(1), Blank());
}

// Stops a loop that did not end on its own, so that a fault fails instead of hanging.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99);
}

TEST_F(KlavioWindow, AltF4RecordsItsLinesAndEndsTheLoop) {
    PostMessageA(hwnd, WM_SYSKEYDOWN, VK_MENU, 0x20380001);
    PostMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, 0x203E0001);
    UINT_PTR timer = SetTimer(nullptr, 0, 5000, GiveUp);
    const int code = RunMessageLoop();
    KillTimer(nullptr, timer);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    ASSERT_EQ(nLogCount, 2);
    EXPECT_EQ(eventLog[1].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(eventLog[1].wParam, static_cast<WPARAM>(VK_MENU));
    EXPECT_EQ(eventLog[0].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(eventLog[0].wParam, static_cast<WPARAM>(VK_F4));
    hwnd = nullptr;
}

// The real program, closed with Alt+F4 typed on the keyboard.
TEST(KlavioProgram, AltF4EndsWithCodeZero) {
    StartedProgram p =
        StartProgramUnderTest("Klavio.exe", "Klavio", "Tastaturereignisse, Version 1");
    ASSERT_NE(p.hwnd, nullptr);
    ASSERT_TRUE(ActivateWindow(p.hwnd));
    PumpFor(200);
    TypeKey(VK_F4, true);
    EXPECT_EQ(WaitForExit(p), 0);
}

// Without memory for the event log the program reports it and ends with the report's code.
TEST(KlavioNoMemory, ReportsAndEndsWithCode41) {
    EXPECT_EXIT(
        {
            HINSTANCE inst = GetModuleHandleA(nullptr);
            RegisterKlavioClasses(inst);
            logAllocate = NoMemoryAlloc;
            WatchForNoMemoryBox("Klavio", "klavio_no_memory");
            CreateKlavioWindow(inst);
        },
        ::testing::ExitedWithCode(41), "no-memory box checked");
}

} // namespace
