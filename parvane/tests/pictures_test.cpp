// The open command and the picture windows: the file dialog's proposal and results, the
// error box, sizes and the cascade, the graying of Öffnen and closing in every order.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bmpfiles.h"
#include "parvane_fixture.h"
#include "modalscript.h"
#include "screencap.h"
#include "wndplace.h"

namespace {

// Three pictures of distinct sizes and colours.
const COLORREF COLOURS_A[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
const COLORREF COLOURS_B[4] = {RGB(0, 255, 255), RGB(255, 0, 255), RGB(128, 128, 128),
                               RGB(0, 0, 0)};
const COLORREF COLOURS_C[4] = {RGB(255, 128, 0), RGB(128, 0, 255), RGB(0, 128, 64), RGB(64, 32, 0)};
const COLORREF COLOURS_D[4] = {RGB(200, 255, 200), RGB(40, 40, 160), RGB(160, 40, 40),
                               RGB(250, 250, 250)};
struct Picture {
    const char* name;
    int w, h;
    const COLORREF (&colours)[4];
};
const Picture PICTURES[] = {{"a.bmp", 200, 100, COLOURS_A},
                            {"b.bmp", 150, 120, COLOURS_B},
                            {"c.bmp", 90, 160, COLOURS_C},
                            {"d.bmp", 120, 60, COLOURS_D}};

class Pictures : public ParvaneMain {
  protected:
    std::string path[4];
    void SetUp() override {
        ParvaneMain::SetUp();
        for (int i = 0; i < 4; ++i) {
            const Picture& p = PICTURES[i];
            path[i] = File(p.name, ColourBmp(p.w, p.h, p.colours));
        }
    }
};

int SlotOf(HWND child) {
    return GetDlgCtrlID(child);
}

TEST_F(ParvaneMain, FileDialogRecordIsFilledForEachDialog) {
    memset(&ofn, 0x55, sizeof ofn);
    // The proposal stands in szFile before the record is filled, and stays as it is.
    ProposeFileName("a b.bmp  ", 9, szFile);
    const std::string proposal(szFile, sizeof szFile);
    memset(szFileTitle, 'x', sizeof szFileTitle);
    InitOpenFileName(hwndMain, "T", FILE_DIALOG_FLAGS);
    EXPECT_EQ(std::string(szFile, sizeof szFile), proposal);
    EXPECT_EQ(ofn.lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
#ifndef _WIN64
    EXPECT_EQ(ofn.lStructSize, 76u);
#endif
    EXPECT_EQ(ofn.hwndOwner, hwndMain);
    EXPECT_EQ(ofn.hInstance, nullptr);
    EXPECT_EQ(ofn.lpstrFilter, szFilter);
    EXPECT_EQ(ofn.lpstrCustomFilter, nullptr);
    EXPECT_EQ(ofn.nMaxCustFilter, 0u);
    EXPECT_EQ(ofn.nFilterIndex, 1u);
    EXPECT_EQ(ofn.lpstrFile, szFile);
    EXPECT_EQ(ofn.nMaxFile, 256u);
    EXPECT_EQ(ofn.lpstrFileTitle, szFileTitle);
    EXPECT_EQ(ofn.nMaxFileTitle, 256u);
    EXPECT_EQ(ofn.lpstrInitialDir, nullptr);
    EXPECT_STREQ(ofn.lpstrTitle, "T");
    EXPECT_EQ(ofn.Flags, 0x00201000u);
    EXPECT_EQ(ofn.nFileOffset, 0);
    EXPECT_EQ(ofn.nFileExtension, 0);
    EXPECT_EQ(ofn.lpstrDefExt, szDefExt);
    EXPECT_EQ(ofn.lCustData, 0);
    EXPECT_EQ(ofn.lpfnHook, nullptr);
    EXPECT_EQ(ofn.lpTemplateName, nullptr);
}

TEST_F(Pictures, OpenCommandProposesTheLastChoiceAndOpensTheFullPath) {
    // A folder that is not the current one.
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    ASSERT_STRNE(cwd, dir.c_str());
    const std::string before(szFileName, sizeof szFileName);

    // Fresh run: "Zelmark_h.bmp" is proposed under the bitmap filter; cancel changes nothing.
    std::string proposed, filter;
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                         {{ReadyFileDialog(FILE_DIALOG_TITLE), [&](HWND dlg) {
                               proposed = WindowText(FileDialogNameControl(dlg));
                               filter = ItemText(dlg, 1136); // cmb1, the filter list
                               SaveWindowPng(dlg, "parvane_file_dialog");
                               PressButton(dlg, IDCANCEL);
                           }}}));
    EXPECT_EQ(proposed, "Zelmark_h.bmp");
    EXPECT_EQ(filter, "Bitmap Dateien (*.bmp)");
    EXPECT_EQ(std::string(szFilter, 31), std::string("Bitmap Dateien (*.bmp)\0*.bmp\0\0 ", 31));
    EXPECT_EQ(std::string(szDefExt, 4), std::string("bmp\0", 4));
    EXPECT_EQ(std::string(szFileName, sizeof szFileName), before);
    EXPECT_TRUE(PictureWindows().empty());
    EXPECT_EQ(nChildren, 0);

    // A chosen file opens with its full path as title, and is proposed next time.
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                         ChooseFileSteps(FILE_DIALOG_TITLE, path[0])));
    const std::vector<HWND> open = PictureWindows();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(WindowText(open[0]), path[0]);
    EXPECT_EQ(FileNameText(), path[0]);
    EXPECT_TRUE(std::all_of(szFileName + path[0].size() + 1, szFileName + sizeof szFileName,
                            [](char c) { return c == ' '; }));
    // The dialog takes a proposed full path as its folder and the name in it.
    std::string buffer;
    char folder[MAX_PATH] = "";
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                         {{ReadyFileDialog(FILE_DIALOG_TITLE), [&](HWND dlg) {
                               proposed = WindowText(FileDialogNameControl(dlg));
                               buffer = szFile;
                               SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof folder,
                                            reinterpret_cast<LPARAM>(folder));
                               PressButton(dlg, IDCANCEL);
                           }}}));
    EXPECT_EQ(buffer, path[0]);
    EXPECT_EQ(proposed, "a.bmp");
    EXPECT_STRCASEEQ(folder, dir.c_str());
    EXPECT_EQ(PictureWindows().size(), 1u);
}

TEST_F(Pictures, ShowOpenFileDialogGivesLengthMinusLengthOrMinusOne) {
    char name[256];
    SetFixedText(name, sizeof name, "Zelmark_h.bmp");
    const std::string before(name, sizeof name);
    int r = 0;
    ASSERT_TRUE(RunModal(
        [&] { r = ShowOpenFileDialog(hwndMain, name, sizeof name); },
        {{ReadyFileDialog(FILE_DIALOG_TITLE), [](HWND dlg) { PressButton(dlg, IDCANCEL); }}}));
    EXPECT_EQ(r, -1);
    EXPECT_EQ(std::string(name, sizeof name), before);

    const int n = static_cast<int>(path[1].size());
    ASSERT_TRUE(RunModal([&] { r = ShowOpenFileDialog(hwndMain, name, sizeof name); },
                         ChooseFileSteps(FILE_DIALOG_TITLE, path[1])));
    EXPECT_EQ(r, n);
    EXPECT_EQ(std::string(name, sizeof name), path[1] + std::string(256 - n, ' '));

    char shortName[12];
    memcpy(shortName, "kurz.bmp    ", sizeof shortName);
    ASSERT_TRUE(RunModal([&] { r = ShowOpenFileDialog(hwndMain, shortName, sizeof shortName); },
                         ChooseFileSteps(FILE_DIALOG_TITLE, path[1])));
    EXPECT_EQ(r, -n);
    EXPECT_EQ(std::string(shortName, sizeof shortName), path[1].substr(0, sizeof shortName));
}

TEST_F(Pictures, ADialogThatFailsGivesABoxAndOpensNothing) {
    // Files whose full paths have exactly n characters, typed into the dialog's name field.
    // The buffer holds 255 characters and the NUL. (Wine's own open dialog refuses a typed
    // path of 260 characters or more before the program is asked.)
    auto pathOf = [&](std::size_t n) {
        const std::size_t name = n - dir.size() - 1;
        return Path(std::string(name - 4, 'l') + ".bmp");
    };
    const std::string fits = pathOf(255);
    ASSERT_TRUE(WriteAll(fits, ColourBmp(40, 30, COLOURS_A)));
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                         ChooseFileSteps(FILE_DIALOG_TITLE, fits)));
    std::vector<HWND> open = PictureWindows();
    ASSERT_EQ(open.size(), 1u) << "the longest path that fits opens";
    EXPECT_EQ(WindowText(open[0]), fits);
    const std::string before(szFileName, sizeof szFileName);
    bool taken[SLOT_COUNT];
    memcpy(taken, slotTaken, sizeof taken);

    const char* const tooLongText = "Der Pfad der gew\xE4hlten Datei ist zu lang. Es wurde keine "
                                    "Datei ge\xF6"
                                    "ffnet.";
    struct Case {
        std::size_t typed; // the length of the path typed; 0: the dialog cannot start
        const char* text;
        const char* shot;
    } const cases[] = {
        {256, tooLongText, "parvane_path_too_long_box"},
        {259, tooLongText, nullptr},
        // A dialog that cannot start fails at once with a code of its own, before any window
        // opens: here the real one given a record of size 0 (CDERR_STRUCTSIZE). Nothing opens,
        // not even the picture that the proposal names.
        {0,
         "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x0001). Es wurde keine Datei ge\xF6"
         "ffnet.",
         "parvane_dialog_cannot_start_box"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.typed) + " characters typed");
        std::vector<ModalStep> steps;
        if (c.typed > 0) {
            const std::string tooLong = pathOf(c.typed);
            ASSERT_EQ(tooLong.size(), c.typed);
            ASSERT_TRUE(WriteAll(tooLong, ColourBmp(40, 30, COLOURS_B)));
            steps = ChooseFileSteps(FILE_DIALOG_TITLE, tooLong);
        } else {
            selectionDialog = OpenDialogWithoutSize;
        }
        BoxSeen box;
        EXPECT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                             Then(steps, {BoxStep("Fehler", &box, c.shot)})));
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_TRUE(box.handIcon);
        EXPECT_EQ(PictureWindows().size(), 1u);
        EXPECT_EQ(nChildren, 1);
        EXPECT_EQ(memcmp(taken, slotTaken, sizeof taken), 0);
        EXPECT_EQ(std::string(szFileName, sizeof szFileName), before) << "the proposal stays";
        if (c.typed == 0) {
            // The record the command filled for its dialog (which got a copy of it): over the
            // main window, with the command's title and flags.
            EXPECT_EQ(ofn.hwndOwner, hwndMain);
            EXPECT_STREQ(ofn.lpstrTitle, FILE_DIALOG_TITLE);
            EXPECT_EQ(ofn.Flags, 0x00201000u);
        }
    }
    EXPECT_FALSE(OpenGrayed());
}

TEST_F(ParvaneMain, ErrorBoxShowsTheCodeInSixColumnsAndNothingForZero) {
    struct Case {
        DWORD code;
        const char* text;
        const char* shot;
    } cases[] = {{2, "Fehlercode:      2", "parvane_error_box"},
                 {1234567, "Fehlercode: ******", nullptr},
                 {ERROR_INVALID_DATA, "Fehlercode:     13", nullptr}};
    for (const Case& c : cases) {
        BoxSeen box;
        ASSERT_TRUE(RunModal(
            [&] {
                SetLastError(c.code);
                ShowLastError(hwndMain);
            },
            {BoxStep("Fehler", &box, c.shot)}));
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_TRUE(box.handIcon);
        EXPECT_EQ(std::string(szErrText, 19), std::string(c.text) + '\0');
        EXPECT_EQ(std::string(szErrText + 19, 41), std::string(41, ' '));
    }
    BoxSeen box;
    EXPECT_FALSE(RunModal(
        [] {
            SetLastError(0);
            ShowLastError(hwndMain);
        },
        {BoxStep("Fehler", &box)}));
    EXPECT_FALSE(box.shown);
}

TEST_F(Pictures, WindowsAreSizedCascadedAndThreeGrayOeffnen) {
    std::vector<HWND> open;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(OpenGrayed()) << i;
        HWND w = OpenPicture(path[i]);
        ASSERT_NE(w, nullptr) << i;
        open.push_back(w);
        const Picture& p = PICTURES[i];
        EXPECT_EQ(SlotOf(w), i + 1);
        EXPECT_EQ(nChildren, i + 1);
        EXPECT_EQ(WindowText(w), path[i]);
        EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x54C80000 & ~WS_CLIPSIBLINGS);
        EXPECT_EQ(GetParent(w), hwndMain);
        const RECT r = ChildRect(w);
        EXPECT_EQ(r.left, i * cyCaption);
        EXPECT_EQ(r.top, i * cyCaption);
        EXPECT_EQ(r.right - r.left, p.w + 2 * cxFrame);
        EXPECT_EQ(r.bottom - r.top, p.h + cyFrame + cyCaption);
        EXPECT_EQ(bmpWidth[i + 1], p.w);
        EXPECT_EQ(bmpHeight[i + 1], p.h);
    }
    EXPECT_TRUE(OpenGrayed());
    EXPECT_EQ(xNextChild, 3 * cyCaption);
    EXPECT_EQ(yNextChild, 3 * cyCaption);
    SaveWindowPng(hwndMain, "parvane_three_pictures");
    for (int i = 0; i < 3; ++i)
        ExpectShowsQuadrants(open[i], PICTURES[i].w, PICTURES[i].h, PICTURES[i].colours,
                             PICTURES[i].name);

    // A fourth command opens nothing, not even the dialog.
    SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0);
    EXPECT_EQ(FindThreadDialog(), nullptr);
    EXPECT_EQ(PictureWindows().size(), 3u);

    // Closing any one enables the command again; a new window fills the free slot.
    for (int k = 0; k < 3; ++k) {
        SendMessageA(open[k], WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(open[k]));
        EXPECT_FALSE(OpenGrayed()) << "closing window " << k;
        EXPECT_EQ(nChildren, 2);
        open[k] = OpenPicture(path[3]);
        ASSERT_NE(open[k], nullptr);
        EXPECT_EQ(SlotOf(open[k]), k + 1);
        EXPECT_TRUE(OpenGrayed());
        // The cascade goes on from where it was, whatever closed in between.
        EXPECT_EQ(ChildRect(open[k]).left, (3 + k) * cyCaption);
    }
}

TEST_F(Pictures, ThirtyPicturesOpenedAndClosedEachOpenInsideTheClientArea) {
    // A main window of a size a user gives it: the cascade reaches its bottom edge early.
    MoveWindow(hwndMain, 0, 0, 640, 480, TRUE);
    RECT client;
    GetClientRect(hwndMain, &client);
    int restarts = 0;
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE("picture " + std::to_string(k + 1));
        const int x = xNextChild, y = yNextChild;
        HWND w = OpenPicture(path[k % 4]);
        ASSERT_NE(w, nullptr);
        const RECT r = ChildRect(w);
        EXPECT_GE(r.left, 0);
        EXPECT_LT(r.left, client.right);
        EXPECT_GE(r.top, 0);
        EXPECT_LT(r.top, client.bottom);
        if (r.left != x || r.top != y) {
            // Only a corner that would leave the client area starts the cascade again.
            EXPECT_TRUE(x >= client.right || y >= client.bottom) << x << ", " << y;
            EXPECT_EQ(r.left, 0);
            EXPECT_EQ(r.top, 0);
            ++restarts;
        }
        if (k == 22)
            SaveWindowPng(hwndMain, "parvane_cascade_at_the_edge");
        SendMessageA(w, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(w));
    }
    EXPECT_GE(restarts, 1);
    EXPECT_EQ(nChildren, 0);
    EXPECT_FALSE(OpenGrayed());
}

TEST_F(Pictures, ClosingInEveryOrderKeepsEachWindowWithItsOwnPicture) {
    int order[3] = {0, 1, 2};
    do {
        std::string history;
        HWND w[3];
        HBITMAP bitmap[3];
        for (int i = 0; i < 3; ++i) {
            w[i] = OpenPicture(path[i]);
            ASSERT_NE(w[i], nullptr);
            bitmap[i] = hBmp[SlotOf(w[i])];
        }
        for (int k = 0; k < 3; ++k) {
            const int closing = order[k];
            history += " close " + std::string(PICTURES[closing].name);
            SendMessageA(w[closing], WM_CLOSE, 0, 0);
            ASSERT_FALSE(IsWindow(w[closing]));
            EXPECT_EQ(GetObjectType(bitmap[closing]), 0u) << "bitmap kept after" << history;
            EXPECT_EQ(nChildren, 2 - k);
            for (int j = k + 1; j < 3; ++j) {
                const int i = order[j];
                EXPECT_EQ(hBmp[SlotOf(w[i])], bitmap[i]) << history;
                ExpectShowsQuadrants(w[i], PICTURES[i].w, PICTURES[i].h, PICTURES[i].colours,
                                     std::string(PICTURES[i].name) + " after" + history);
            }
        }
        for (int s = 1; s <= MAX_CHILDREN; ++s) {
            EXPECT_FALSE(slotTaken[s]);
            EXPECT_EQ(hBmp[s], nullptr);
        }
        EXPECT_FALSE(OpenGrayed());
    } while (std::next_permutation(order, order + 3));
}

TEST_F(Pictures, ANewWindowInAFreedSlotShowsItsPictureBesideTheOthers) {
    HWND a = OpenPicture(path[0]);
    HWND b = OpenPicture(path[1]);
    HWND c = OpenPicture(path[2]);
    ASSERT_TRUE(a && b && c);
    SendMessageA(a, WM_CLOSE, 0, 0);
    HWND d = OpenPicture(path[3]);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(SlotOf(d), 1);
    ExpectShowsQuadrants(d, PICTURES[3].w, PICTURES[3].h, PICTURES[3].colours, "d in slot 1");
    ExpectShowsQuadrants(b, PICTURES[1].w, PICTURES[1].h, PICTURES[1].colours, "b");
    ExpectShowsQuadrants(c, PICTURES[2].w, PICTURES[2].h, PICTURES[2].colours, "c");
    SendMessageA(c, WM_CLOSE, 0, 0);
    SendMessageA(b, WM_CLOSE, 0, 0);
    ExpectShowsQuadrants(d, PICTURES[3].w, PICTURES[3].h, PICTURES[3].colours, "d alone");
}

TEST_F(Pictures, AFileThatFailsLeavesNoWindowNoSlotAndNoCascadeStep) {
    HWND a = OpenPicture(path[0]);
    HWND b = OpenPicture(path[1]);
    ASSERT_TRUE(a && b);
    const std::string text = File("text.bmp", "Dies ist keine Bitmap.\r\n");
    const int x = xNextChild, y = yNextChild;
    // More bad files than there are slots: none of them keeps one.
    for (int k = 0; k < 4; ++k) {
        BoxSeen box;
        EXPECT_EQ(OpenPicture(text, &box), nullptr);
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.text.substr(0, 12), "Fehlercode: ");
        EXPECT_TRUE(box.handIcon);
        EXPECT_EQ(box.owner, hwndMain) << "the box stands over the program's window";
        EXPECT_EQ(PictureWindows().size(), 2u);
        EXPECT_EQ(nChildren, 2);
        EXPECT_FALSE(slotTaken[3]);
        EXPECT_EQ(hBmp[3], nullptr);
        EXPECT_FALSE(OpenGrayed());
        EXPECT_EQ(xNextChild, x);
        EXPECT_EQ(yNextChild, y);
    }
    HWND c = OpenPicture(path[2]);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(SlotOf(c), 3);
    EXPECT_EQ(ChildRect(c).left, x);
    EXPECT_TRUE(OpenGrayed());
    ExpectShowsQuadrants(c, PICTURES[2].w, PICTURES[2].h, PICTURES[2].colours, "c");
}

TEST_F(Pictures, WithoutTheStartUpPictureWindowsTakeTheBitmapSizeAndDoNotCascade) {
    DestroyWindow(hwndMain);
    PumpFor(30);
    ResetProgramData();
    // A module without the picture: its load fails as a damaged program file's would.
    const HINSTANCE exe = hInst;
    hInst = GetModuleHandleA("kernel32.dll");
    BoxSeen box;
    ASSERT_TRUE(RunModal([&] { hwndMain = CreateParvaneWindow(exe); }, {BoxStep("Fehler", &box)}));
    hInst = exe;
    ASSERT_NE(hwndMain, nullptr);
    EXPECT_EQ(box.owner, hwndMain);
    EXPECT_EQ(box.text.substr(0, 12), "Fehlercode: ");
    EXPECT_EQ(hBmp[0], nullptr);
    EXPECT_EQ(cxFrame, 0);
    EXPECT_EQ(cyFrame, 0);
    EXPECT_EQ(cyCaption, 0);
    MoveWindow(hwndMain, 0, 0, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
    ShowWindow(hwndMain, SW_SHOWNORMAL);
    UpdateWindow(hwndMain); // paints with an empty slot 0
    for (int i = 0; i < 2; ++i) {
        HWND w = OpenPicture(path[i]);
        ASSERT_NE(w, nullptr);
        const RECT r = ChildRect(w);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right - r.left, PICTURES[i].w);
        EXPECT_EQ(r.bottom - r.top, PICTURES[i].h);
    }
    EXPECT_TRUE(IsWindow(hwndMain));
}

} // namespace
