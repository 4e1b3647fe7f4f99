// A Lorvex main window with a fresh folder of its own for result files, and what the tests of
// the file commands share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formdemo_testing.h"
#include "lorvex_fixture.h"

class FileCommands : public LorvexMain {
  protected:
    std::string dir;
    char oldDir[MAX_PATH] = "";

    void SetUp() override {
        LorvexMain::SetUp();
        GetCurrentDirectoryA(sizeof oldDir, oldDir);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        // Process ids repeat under Wine: the tick count keeps the folder fresh.
        dir = std::string(temp) + "lorvex_files_" + std::to_string(GetCurrentProcessId()) + "_" +
              std::to_string(GetTickCount());
        CreateDirectoryA(dir.c_str(), nullptr);
        SetCurrentDirectoryA(dir.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(oldDir);
        RemoveTree(dir);
        LorvexMain::TearDown();
    }
    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string name = fd.cFileName;
                std::string p = folder + "\\" + name;
                if (name == "." || name == "..")
                    continue;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(p);
                } else {
                    SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(p.c_str());
                }
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const std::string& name) { return dir + "\\" + name; }
    bool SameTable(const ResultTable& a, const ResultTable& b) {
        return memcmp(&a, &b, sizeof a) == 0;
    }
};

// The names in a folder, without "." and "..".
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    return names;
}

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
