// The About dialog of Lorvex and its version block.
#include <windows.h>

#include "about.h"
#include "lorvex_fixture.h"

namespace {

TEST(VersionBlock, HoldsTheValuesAndQueryVersionStringFindsThem) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, handle, size, block.data()));

    struct {
        const char* name;
        const char* value;
    } const values[] = {
        {"CompanyName", "Quenta Lernprogramme"},
        {"FileDescription", "Lorvex Application"},
        {"FileVersion", "1.0"},
        {"InternalName", "Lorvex"},
        {"ProductName", "Lorvex"},
        {"ProductVersion", "1.0"},
    };
    for (const auto& v : values) {
        std::string key = std::string(VERSION_PATH_PREFIX) + v.name;
        char buffer[VERSION_TEXT_LENGTH] = "untouched";
        EXPECT_NE(QueryVersionString(block.data(), key.c_str(), buffer), 0) << v.name;
        EXPECT_STREQ(buffer, v.value);
    }
    // Texts that name no value leave the buffer alone.
    for (const char* label : {"GUI Programmierung mit Quenta", "LegalCopyright \xA9"}) {
        std::string key = std::string(VERSION_PATH_PREFIX) + label;
        char buffer[VERSION_TEXT_LENGTH] = "untouched";
        EXPECT_EQ(QueryVersionString(block.data(), key.c_str(), buffer), 0) << label;
        EXPECT_STREQ(buffer, "untouched");
    }

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &len));
    ASSERT_GE(len, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);
}

TEST_F(LorvexMain, AboutDialogShowsItsTemplateCentredOverTheMainWindow) {
    MoveWindow(hwndMain, 100, 80, 640, 480, TRUE);
    bool checked = false;
    RunModal(
        [&] { SendMessageA(hwndMain, WM_COMMAND, IDM_ABOUT, 0); },
        {{DialogTitled("About Lorvex"), [&](HWND dlg) {
              checked = true;
              EXPECT_EQ(GetWindow(dlg, GW_OWNER), hwndMain);
              EXPECT_FALSE(IsWindowEnabled(hwndMain)); // modal
              ExpectCentredOverMain(dlg);
              // No label names a version value: all stay as the template has them.
              EXPECT_EQ(ItemText(dlg, IDC_VERSION_FIRST), "GUI Programmierung mit Quenta");
              EXPECT_EQ(ItemText(dlg, IDC_ABOUT_NOTICE), "Freeware: Nutzung und Weitergabe frei");
              HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0));
              for (int id : {IDC_VERSION_FIRST, IDC_ABOUT_NOTICE})
                  EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageA(dlg, id, WM_GETFONT, 0, 0)),
                            dialogFont);
              for (int id : {1002, 1003, 1005})
                  EXPECT_EQ(GetDlgItem(dlg, id), nullptr);
              HBITMAP picture = reinterpret_cast<HBITMAP>(
                  SendDlgItemMessageA(dlg, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
              ASSERT_NE(picture, nullptr);
              BITMAP bm{};
              GetObjectA(picture, sizeof bm, &bm);
              EXPECT_EQ(bm.bmWidth, 264);
              EXPECT_EQ(bm.bmHeight, 130);
              EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDOK));
              EXPECT_EQ(GetObjectType(hAboutFont), static_cast<DWORD>(OBJ_FONT));
              SaveWindowPng(dlg, "lorvex_about");
              PressButton(dlg, IDOK);
          }}});
    EXPECT_TRUE(checked);
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
}

TEST_F(LorvexMain, AboutDialogEndsWithOneByOkEscapeAndCloseBox) {
    enum How { Ok, Escape, CloseBox };
    for (How how : {Ok, Escape, CloseBox}) {
        SCOPED_TRACE(how);
        INT_PTR result = 0;
        HFONT font = nullptr;
        bool ran = RunModal(
            [&] { result = DialogBoxParamA(hInst, "AboutDlg", hwndMain, AboutDlgProc, 0); },
            {{DialogTitled("About Lorvex"), [how, &font](HWND dlg) {
                  font = hAboutFont;
                  switch (how) {
                  case Ok: PressButton(dlg, IDOK); break;
                  case Escape: TypeKey(VK_ESCAPE); break;
                  case CloseBox: PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); break;
                  }
              }}});
        EXPECT_TRUE(ran);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(hAboutFont, nullptr);
        // The font object itself is gone, not only the handle forgotten.
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(GetObjectType(font), 0u);
    }
}

TEST_F(LorvexMain, AboutDialogEndedByAQuitMessageDeletesItsFontToo) {
    HFONT font = nullptr;
    bool ran = RunModal([&] { DialogBoxParamA(hInst, "AboutDlg", hwndMain, AboutDlgProc, 0); },
                        {{DialogTitled("About Lorvex"), [&font](HWND) {
                              font = hAboutFont;
                              PostQuitMessage(7);
                          }}});
    EXPECT_TRUE(ran);
    EXPECT_EQ(DrainQueue(), 7);
    EXPECT_EQ(hAboutFont, nullptr);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
}

} // namespace

namespace {

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99); // the dialog never came
}

TEST_F(LorvexMain, AltSlashAndAltQuestionMarkOpenTheAboutDialog) {
    struct {
        const char* name;
        bool shift;
    } const cases[] = {{"Alt+/", false}, {"Alt+?", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ActivateWindow(hwndMain));
        int code = -1;
        bool opened = RunModal(
            [&] {
                TypeKey(VK_OEM_2, true, c.shift);
                UINT_PTR t = SetTimer(nullptr, 0, 8000, GiveUp);
                code = RunMessageLoop(hAccel);
                KillTimer(nullptr, t);
            },
            {{DialogTitled("About Lorvex"), [](HWND dlg) {
                  PressButton(dlg, IDOK);
                  // Ends the loop once the dialog has returned.
                  PostMessageA(hwndMain, WM_COMMAND, IDM_EXIT, 0);
              }}});
        EXPECT_TRUE(opened);
        EXPECT_EQ(code, 0);
        if (!IsWindow(hwndMain)) {
            SetNameField(menuName, "Lorvex");
            hMenu = LoadMenuA(hInst, menuName);
            hwndMain = CreateMainWindow(hInst);
            ShowWindow(hwndMain, SW_SHOWNORMAL);
        }
    }
}

} // namespace
