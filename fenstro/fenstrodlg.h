// The dialog library beside Fenstro: a program-wide DialogRecord per dialog, filled from a
// dialog template of the program's resources, its controls set and read by id before,
// while and after the dialog is shown, and shown modally with DLGMODAL.
//
// Texts handed to the library are fixed-length texts passed with their length (or as a
// std::string whose size is the length). Call it on the interface thread (menu routines and
// dialog callbacks run there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "fenstrodefs.h"

struct DlgState; // the controls' values and the shown dialog; owned by the record

// One program-wide record per dialog. Zero-initialised it is "not initialised".
struct DialogRecord {
    std::int32_t id = 0;       // resource id of the template; 0 when not initialised
    DlgState* state = nullptr; // what DLGInit took; freed by DlgRelease
};

// DLG_REASON_CLICKED -4, DLG_INDEX_NONE 0, DLG_INDEX_CURRENT -5, DLG_INDEX_ITEMCOUNT -13
// and the push button's routine DlgCallback: see fenstrodefs.h.

// Fills record from the dialog template with resource id id of the program file. Controls
// start as the template has them, the first radio button of each group marked. false when
// the template cannot be loaded or read (record left not initialised). An initialised
// record is released first.
bool DLGInit(std::int32_t id, DialogRecord& record);
// Frees what DLGInit took; the record may then be initialised again. Nothing while the
// dialog is shown (false).
bool DlgRelease(DialogRecord& record);

// Trailing blanks of text (and what follows a NUL) are dropped, leading blanks kept.
// index DLG_INDEX_NONE: the control's text (a combo box: its current text); a combo or list
// box with index k (from 1 to its count): item k; DLG_INDEX_CURRENT: a combo box's current
// text (a drop-down list selects the item with that text, false when none has it).
bool DlgSetText(DialogRecord& record, std::int32_t control, const char* text, std::size_t length,
                std::int32_t index = DLG_INDEX_NONE);
bool DlgSetText(DialogRecord& record, std::int32_t control, const std::string& text,
                std::int32_t index = DLG_INDEX_NONE);
// DLG_INDEX_ITEMCOUNT: the number of items of a combo or list box (new items are empty, the
// selection is kept when it still exists); DLG_INDEX_CURRENT: selects item value (from 1,
// 0 for none), the combo box's current text becoming its text.
bool DlgSetInteger(DialogRecord& record, std::int32_t control, std::int32_t value,
                   std::int32_t index);
// A radio button: true marks it and clears the other radio buttons of its group; false
// clears it. A check box: sets or clears its mark.
bool DlgSetLogical(DialogRecord& record, std::int32_t control, bool value);
// Copies the control's current text (index as DlgSetText) into buffer: cut to length,
// blanks after it, no NUL.
bool DlgGetText(DialogRecord& record, std::int32_t control, char* buffer, std::size_t length,
                std::int32_t index = DLG_INDEX_NONE);
bool DlgGetText(DialogRecord& record, std::int32_t control, std::string& buffer,
                std::int32_t index = DLG_INDEX_NONE);
// DLG_INDEX_ITEMCOUNT or DLG_INDEX_CURRENT (0 when nothing is selected) of a combo or list box.
bool DlgGetInteger(DialogRecord& record, std::int32_t control, std::int32_t& value,
                   std::int32_t index);
// The mark of a radio button or check box.
bool DlgGetLogical(DialogRecord& record, std::int32_t control, bool& value);

// Clicking that push button (or Enter while it is the default button) calls routine with
// reason DLG_REASON_CLICKED instead of ending the dialog. false for a control that is not
// a push button. A NULL routine takes the callback away.
bool DlgSetCallback(DialogRecord& record, std::int32_t control, DlgCallback routine);

// Shows the dialog modal to the frame (or to the dialog open on top), until a push button
// without callback ends it: returns that button's id. Esc and the close box act as the
// control with id 2 (IDCANCEL) and do nothing when there is none. -1 when the dialog
// cannot be shown (record not initialised or already shown, window not created).
std::int32_t DLGMODAL(DialogRecord& record);
