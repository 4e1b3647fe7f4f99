// What the Windows tests of both editions of the formula demo share: the titles of the file
// dialogs as the user sees them, the question of the save dialog before it replaces a file,
// and the checks of the formula dialog's controls.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
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
struct ExpectedControl {
    int id;
    const char* cls;
    const char* text = nullptr;
};

// The dialog's child windows are the controls given, in this order (the template's order,
// which is the tab order), and no others.
inline void ExpectControlsInOrder(HWND dlg, const std::vector<ExpectedControl>& controls) {
    HWND child = GetWindow(dlg, GW_CHILD);
    for (const ExpectedControl& c : controls) {
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
