// Bad and unusual bitmap files: the system loader decodes them, and the program must survive
// every one. Each either shows its picture or gives the error box; none leaves a window, a
// slot or a bitmap behind.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bmpfiles.h"
#include "parvane_fixture.h"
#include "modalscript.h"

namespace {

enum class Outcome { Shows, Error, Either };

struct BadFile {
    const char* name;
    std::string bytes;
    Outcome outcome;
    int w, h;                // the picture's size when it shows (0: whatever the loader made)
    const COLORREF* colours; // what its quadrants show
    DWORD code = 0;          // the code its box shows (0: any but 0)
};

// Files that promise more pixels than they bring: the system loader reads past their end.
// Under Wine it faults inside the picture window's creation, which goes on as if nothing had
// happened. The box shows code 13 (invalid data), as no code is set.
std::vector<BadFile> FaultingFiles() {
    const std::string pixels32 = QuadrantPixels(100, 100, 32);
    return {
        {"32 bits, 1000 of 40000 pixel bytes",
         PromisingBmp(100, 100, 32, false, pixels32.substr(0, 1000)), Outcome::Error, 0, 0, nullptr,
         ERROR_INVALID_DATA},
        {"bitfields 32, half its pixel bytes",
         PromisingBmp(100, 100, 32, true, pixels32.substr(0, pixels32.size() / 2)), Outcome::Error,
         0, 0, nullptr, ERROR_INVALID_DATA},
        {"24-bit pixels labelled 32 bits",
         PromisingBmp(100, 100, 32, false, QuadrantPixels(100, 100, 24)), Outcome::Error, 0, 0,
         nullptr, ERROR_INVALID_DATA},
    };
}

std::vector<BadFile> Files() {
    const std::string good = QuadrantBmp(64, 32, 24);
    const std::string header = good.substr(0, 14 + 40);
    std::vector<BadFile> files = {
        {"zero-length", "", Outcome::Error, 0, 0, nullptr},
        {"truncated file header", good.substr(0, 10), Outcome::Error, 0, 0, nullptr},
        {"truncated info header", good.substr(0, 30), Outcome::Either, 0, 0, nullptr},
        {"headers only", header, Outcome::Either, 64, 32, nullptr},
        {"truncated pixel data", good.substr(0, good.size() / 2), Outcome::Either, 64, 32, nullptr},
        {"claims 100000 x 100000", ClaimingBmp(100000, 100000, 4096), Outcome::Error, 0, 0,
         nullptr},
        {"negative width", ClaimingBmp(-64, 32, 64 * 32 * 3), Outcome::Either, 0, 0, nullptr},
        {"zero width", ClaimingBmp(0, 32, 64), Outcome::Either, 0, 0, nullptr},
        {"zero height", ClaimingBmp(64, 0, 64), Outcome::Either, 0, 0, nullptr},
        {"RLE8", RleBmp(64, 32, 8), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"RLE4", RleBmp(64, 32, 4), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        // Wine 8's loader gives a top-down file its size but leaves its pixels black.
        {"top-down", QuadrantBmp(64, -32, 24), Outcome::Shows, 64, 32, nullptr},
        {"1 bit", QuadrantBmp(64, 32, 1), Outcome::Shows, 64, 32, QUADRANT_MONO},
        {"4 bits", QuadrantBmp(64, 32, 4), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"8 bits", QuadrantBmp(64, 32, 8), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"16 bits", QuadrantBmp(64, 32, 16), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"24 bits, odd width", QuadrantBmp(63, 33, 24), Outcome::Shows, 63, 33, QUADRANT_COLOURS},
        {"32 bits", QuadrantBmp(64, 32, 32), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"bitfields 5-6-5", BitfieldsBmp(64, 32, 16), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"bitfields 32", BitfieldsBmp(64, 32, 32), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"OS/2 core 24 bits", CoreBmp(64, 32, 24), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"OS/2 core 8 bits", CoreBmp(64, 32, 8), Outcome::Shows, 64, 32, QUADRANT_COLOURS},
        {"PNG", PngFile(), Outcome::Error, 0, 0, nullptr},
        {"text", "Parvane zeigt Bitmaps.\r\nDies ist Text.\r\n", Outcome::Error, 0, 0, nullptr},
        {"missing", "", Outcome::Error, 0, 0, nullptr, ERROR_FILE_NOT_FOUND}, // never written
    };
    for (BadFile& f : FaultingFiles())
        files.push_back(f);
    return files;
}

class BadFiles : public ParvaneMain {
  protected:
    // Opens path with one window already open, checks the outcome and that nothing stays
    // behind once the new window (if any) is closed.
    void Check(const std::string& what, const std::string& path, Outcome outcome, int w, int h,
               const COLORREF* colours, DWORD code = 0) {
        SCOPED_TRACE(what);
        const int x = xNextChild;
        BoxSeen box;
        HWND child = OpenPicture(path, &box);
        EXPECT_NE(child != nullptr, box.shown) << "a picture or a box, exactly one";
        if (outcome == Outcome::Shows) {
            EXPECT_NE(child, nullptr);
        } else if (outcome == Outcome::Error) {
            EXPECT_TRUE(box.shown);
        }
        if (box.shown) {
            EXPECT_EQ(box.text.substr(0, 12), "Fehlercode: ");
            EXPECT_NE(box.text, "Fehlercode:      0");
            if (code != 0) {
                EXPECT_EQ(box.text, "Fehlercode: " + IntegerField(code, 6));
            }
            results.push_back(what + ": " + box.text);
            EXPECT_EQ(xNextChild, x);
        }
        if (child != nullptr) {
            results.push_back(what + ": shown");
            const int slot = GetDlgCtrlID(child);
            const HBITMAP bitmap = hBmp[slot];
            if (w != 0) {
                EXPECT_EQ(bmpWidth[slot], w);
                EXPECT_EQ(bmpHeight[slot], h);
            }
            if (colours) {
                ExpectShowsQuadrants(child, w, h, colours, what);
            }
            SendMessageA(child, WM_CLOSE, 0, 0);
            // For a picture without pixels the loader may hand out the shared 1 x 1 default
            // bitmap, which nobody deletes.
            if (bitmap != CreateBitmap(0, 0, 1, 1, nullptr)) {
                EXPECT_EQ(GetObjectType(bitmap), 0u) << "bitmap left behind";
            }
        }
        EXPECT_EQ(PictureWindows().size(), 1u) << "window left behind";
        EXPECT_EQ(nChildren, 1);
        EXPECT_TRUE(slotTaken[1]);
        EXPECT_FALSE(slotTaken[2]);
        EXPECT_FALSE(slotTaken[3]);
        EXPECT_EQ(hBmp[2], nullptr);
        EXPECT_FALSE(OpenGrayed());
    }
    std::vector<std::string> results;

    void TearDown() override {
        for (const std::string& r : results)
            printf("  %s\n", r.c_str());
        ParvaneMain::TearDown();
    }
};

TEST_F(BadFiles, EachShowsItsPictureOrGivesTheErrorBox) {
    ASSERT_NE(OpenPicture(File("good.bmp", QuadrantBmp(30, 20, 24))), nullptr);
    int n = 0;
    for (const BadFile& f : Files()) {
        const std::string path = Path("f" + std::to_string(n++) + ".bmp");
        if (strcmp(f.name, "missing") != 0) {
            ASSERT_TRUE(WriteAll(path, f.bytes));
        }
        Check(f.name, path, f.outcome, f.w, f.h, f.colours, f.code);
    }
}

TEST_F(BadFiles, ThreeFilesOnWhichTheLoaderFaultsLeaveNoWindowAndOeffnenEnabled) {
    // Chosen one after another in the program's own file dialog.
    const std::vector<BadFile> files = FaultingFiles();
    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE(files[k].name);
        const std::string path = File("fault" + std::to_string(k) + ".bmp", files[k].bytes);
        BoxSeen box;
        EXPECT_TRUE(
            RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                     Then(ChooseFileSteps(FILE_DIALOG_TITLE, path),
                          {BoxStep("Fehler", &box, k == 0 ? "parvane_load_fault_box" : nullptr)})));
        PumpFor(30);
        EXPECT_EQ(box.text, "Fehlercode:     13");
        EXPECT_TRUE(box.handIcon);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_TRUE(PictureWindows().empty()) << "window left behind";
        EXPECT_EQ(nChildren, 0);
        for (int s = 1; s <= MAX_CHILDREN; ++s) {
            EXPECT_FALSE(slotTaken[s]);
            EXPECT_EQ(hBmp[s], nullptr);
        }
        EXPECT_FALSE(OpenGrayed());
        EXPECT_EQ(xNextChild, 0);
    }
    // The next good picture opens in the first slot, at the start of the cascade.
    const std::string good = File("good.bmp", QuadrantBmp(64, 32, 24));
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                         ChooseFileSteps(FILE_DIALOG_TITLE, good)));
    const std::vector<HWND> open = PictureWindows();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(GetDlgCtrlID(open[0]), 1);
    ExpectShowsQuadrants(open[0], 64, 32, QUADRANT_COLOURS, "after the faulting files");
}

TEST_F(BadFiles, AFileLockedByAnotherHandleGivesTheBox) {
    ASSERT_NE(OpenPicture(File("good.bmp", QuadrantBmp(30, 20, 24))), nullptr);
    const std::string path = File("locked.bmp", QuadrantBmp(64, 32, 24));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Check("locked", path, Outcome::Error, 0, 0, nullptr, ERROR_SHARING_VIOLATION);
    CloseHandle(lock);
    // Once free, the same file shows.
    Check("unlocked", path, Outcome::Shows, 64, 32, QUADRANT_COLOURS);
}

// Deletes the file when the file dialog goes away: between the choice and the load.
std::string vanishing;
HHOOK vanishHook = nullptr;
LRESULT CALLBACK DeleteOnDialogEnd(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && !vanishing.empty()) {
        HWND w = reinterpret_cast<HWND>(wParam);
        if (WindowText(w) == FILE_DIALOG_TITLE) {
            DeleteFileA(vanishing.c_str());
            vanishing.clear();
        }
    }
    return CallNextHookEx(vanishHook, code, wParam, lParam);
}

TEST_F(BadFiles, AFileThatVanishesAfterTheDialogGivesTheBox) {
    ASSERT_NE(OpenPicture(File("good.bmp", QuadrantBmp(30, 20, 24))), nullptr);
    const std::string path = File("vanishing.bmp", QuadrantBmp(64, 32, 24));
    vanishing = path;
    vanishHook = SetWindowsHookExA(WH_CBT, DeleteOnDialogEnd, nullptr, GetCurrentThreadId());
    ASSERT_NE(vanishHook, nullptr);
    BoxSeen box;
    const bool ran =
        RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0); },
                 Then(ChooseFileSteps(FILE_DIALOG_TITLE, path), {BoxStep("Fehler", &box)}));
    UnhookWindowsHookEx(vanishHook);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(vanishing.empty()) << "the dialog did not end";
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, "Fehlercode:      2");
    EXPECT_EQ(PictureWindows().size(), 1u);
    EXPECT_EQ(nChildren, 1);
    EXPECT_FALSE(slotTaken[2]);
    EXPECT_EQ(FileNameText(), path) << "the choice stays proposed";
}

} // namespace
