// The numbers and routine types of Fenstro's interface that portable code shares with the
// window code.
#pragma once

#include <cstdint>

// Menu item flags.
constexpr std::int32_t MENU_GRAYED = 1;
constexpr std::int32_t MENU_CHECKED = 2; // shows a check mark; the routine gets 1
constexpr std::int32_t MENU_ENABLED = 4;
constexpr std::int32_t MENU_SEPARATOR = 8;

// A menu routine: called on the interface thread, one at a time, with 1 when the item
// carries a check mark, else 0.
typedef void (*MenuRoutine)(std::int32_t& checked);

// Dialog library: the reason passed to a callback.
constexpr std::int32_t DLG_REASON_CLICKED = -4;
// Dialog library indexes.
constexpr std::int32_t DLG_INDEX_NONE = 0;        // no index: the control itself
constexpr std::int32_t DLG_INDEX_CURRENT = -5;    // combo box: current text / selected item
constexpr std::int32_t DLG_INDEX_ITEMCOUNT = -13; // combo or list box: number of items

struct DialogRecord; // fenstrodlg.h
// A push button's routine: the record, the control id and the reason, all by reference.
typedef void (*DlgCallback)(DialogRecord& dlg, std::int32_t& control, std::int32_t& reason);
