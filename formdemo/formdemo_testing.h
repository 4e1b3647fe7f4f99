// What the Windows tests of both editions of the formula demo share: the titles of the file
// dialogs as the user sees them, the question of the save dialog before it replaces a file,
// files read and written whole, and the formula dialog's texts at the model's defaults.
// Included by tests only.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

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
