// A Lorvex main window with a fresh folder of its own for result files, and what the tests of
// the file commands share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formdemo_testing.h"
#include "tests/formdemo_checks.h"
#include "lorvex_fixture.h"

class FileCommands : public LorvexMain {
  protected:
    TempFolder ownFolder{"lorvex_files"};
    const std::string dir = ownFolder.path;
    char oldDir[MAX_PATH] = "";

    void SetUp() override {
        LorvexMain::SetUp();
        GetCurrentDirectoryA(sizeof oldDir, oldDir);
        SetCurrentDirectoryA(dir.c_str());
    }
    void TearDown() override {
        resultOpenDialog = GetOpenFileNameA;
        resultSaveDialog = GetSaveFileNameA;
        SetCurrentDirectoryA(oldDir);
        LorvexMain::TearDown();
    }
    std::string Path(const std::string& name) { return ownFolder.Path(name); }
    bool SameTable(const ResultTable& a, const ResultTable& b) {
        return memcmp(&a, &b, sizeof a) == 0;
    }
};

// Takes the dialog into a folder as a user does, by typing its path and pressing OK; waits
// until the dialog shows it.
inline std::vector<ModalStep> GoToFolder(const char* title, const std::string& path,
                                         const std::string& name) {
    std::string t = title;
    return Then(ChooseFileSteps(title, path),
                {{[t, name]() -> HWND {
                      HWND dlg = FindThreadDialog(t.c_str());
                      return dlg != nullptr && ItemText(dlg, 1137) == name ? dlg : nullptr;
                  },
                  [](HWND) {}}});
}
