// The Parvane main window in this process, made as WinMain makes it, and what the tests of
// its windows share: a folder of their own for bitmap files, the open picture windows, the
// message boxes and the pixels a window shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filesel.h"
#include "lasterror.h"
#include "parvane.h"
#include "parvane_testing.h"
#include "picturewnd.h"
#include "slots.h"
#include "splashdlg.h"
#include "sysdialogs.h"
#include "tempfiles.h"
#include "viewerwnd.h"
#include "textio.h"

// Puts every program-wide datum back to its start value.
void ResetProgramData();

// The main window's outer size in the tests, placed at (0, 0).
constexpr int MAIN_WIDTH = 820, MAIN_HEIGHT = 620;

class ParvaneMain : public ::testing::Test {
  protected:
    TempFolder ownFolder{"parvane"};
    const std::string dir = ownFolder.path;

    void SetUp() override;
    void TearDown() override;
    std::string Path(const std::string& name) const { return ownFolder.Path(name); }
    // Writes a file into the folder and returns its full path.
    std::string File(const std::string& name, const std::string& bytes) const;
};

// The open picture windows, children of the main window of class ParvaneChildWnd.
std::vector<HWND> PictureWindows();

// Opens the file at path as the open command does after its dialog. A "Fehler" box that
// comes up is read into *box and closed. Returns the picture window or NULL.
HWND OpenPicture(const std::string& path, BoxSeen* box = nullptr);

// The first characters of szFileName up to its NUL.
std::string FileNameText();

// Whether the menu item Öffnen is grayed.
bool OpenGrayed();

// Whether two colours are alike within `tolerance` in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance = 8);

// Checks that the window shows, from its client area's top-left corner, a quadrant picture
// of w x h pixels in the given colours: the middle of each quadrant is sampled on screen.
// Brings the window to the top first.
void ExpectShowsQuadrants(HWND hwnd, int w, int h, const COLORREF* colours,
                          const std::string& what);
