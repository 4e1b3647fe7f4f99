// What the Windows tests of both editions of the formula demo share: the titles of the file
// dialogs as the user sees them, the question of the save dialog before it replaces a file,
// folders of their own and files read and written whole, and the checks of the formula
// dialog's controls. Included by tests only.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "formdemo_ids.h"
#include "wintest.h"

inline const char* const LOAD_TITLE = "W\xE4hle zu ladende Ergebnisdatei";
inline const char* const SAVE_TITLE = "W\xE4hle Dateinamen zum Speichern der Ergebnisse";

// The question the save dialog asks before it replaces a file.
inline std::function<HWND()> OverwritePrompt(HWND* saveDialog) {
    return [saveDialog]() -> HWND {
        HWND w = FindThreadDialog();
        return w != nullptr && w != *saveDialog && GetWindow(w, GW_OWNER) == *saveDialog ? w
                                                                                         : nullptr;
    };
}

// A new folder in the temporary folder, named `prefix`, the process id and the tick count
// (process ids repeat under Wine: the tick count keeps the folder fresh).
inline std::string NewTempFolder(const std::string& prefix) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + prefix + "_" +
                               std::to_string(GetCurrentProcessId()) + "_" +
                               std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Removes a folder with everything in it, read-only files too.
inline void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            const std::string p = folder + "\\" + name;
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

// The names in a folder, without "." and "..", sorted.
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& content) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << content;
}

// The formula dialog opened on the model's defaults: each decimal right-aligned in its
// 17-character field, n = 4, "+" marked and "-" not.
inline void ExpectDefaultParameterTexts(HWND dlg) {
    EXPECT_EQ(ItemText(dlg, IDC_A), "           1.0000");
    EXPECT_EQ(ItemText(dlg, IDC_B), "           2.0000");
    EXPECT_EQ(ItemText(dlg, IDC_XMIN), "         -12.0000");
    EXPECT_EQ(ItemText(dlg, IDC_XMAX), "          12.0000");
    EXPECT_EQ(ItemText(dlg, IDC_N), "4");
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_PLUS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_MINUS), BST_UNCHECKED);
}

// One control of a dialog template: its id, its class and, where given, its text.
struct ControlSpec {
    int id;
    const char* cls;
    const char* text = nullptr;
};

// The dialog's child windows are the controls given, in this order (the template's order,
// which is the tab order), and no others.
inline void ExpectControlsInOrder(HWND dlg, const std::vector<ControlSpec>& controls) {
    HWND child = GetWindow(dlg, GW_CHILD);
    for (const ControlSpec& c : controls) {
        ASSERT_NE(child, nullptr);
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        EXPECT_STREQ(cls, c.cls);
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(child))), c.id);
        if (c.text) {
            EXPECT_EQ(WindowText(child), c.text);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}
