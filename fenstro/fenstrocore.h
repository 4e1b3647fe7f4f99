// The bookkeeping of Fenstro and its dialog library that needs no window: the menu bar's
// numbering, the line store of a text window, the controls of a dialog record and the
// reading of dialog templates. Portable: no platform headers, tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "fenstrodefs.h"

// ---- Menu bar ------------------------------------------------------------------------------

struct MenuEntry {
    std::int32_t flags = 0;
    std::string text;
    MenuRoutine routine = nullptr;
    unsigned command = 0; // the WM_COMMAND id of the entry
};
struct MenuTitle {
    MenuEntry title; // its routine only serves while items is empty
    std::vector<MenuEntry> items;
};
struct MenuPlan {
    std::vector<MenuTitle> menus;
    unsigned nextCommand = 0; // set by the owner to the first id to hand out
};

enum class MenuAddResult { Rejected, NewMenu, NewItem };
// Adds by the numbering rules; menu numbers from 1. Flag bits other than grayed (1),
// checked (2), enabled (4) and separator (8) are rejected, as are a NULL text on a
// non-separator, a NULL routine and a separator as a title.
MenuAddResult AddToMenuPlan(MenuPlan& plan, std::int32_t menu, std::int32_t flags, const char* text,
                            MenuRoutine routine);
// The entry of item (from 1, separators counted) of menu; NULL when there is none.
MenuEntry* MenuPlanItem(MenuPlan& plan, std::int32_t menu, std::int32_t item);
// The entry whose command id is command and that still carries its routine (a title only
// while its menu has no items); NULL when none.
const MenuEntry* MenuPlanCommand(const MenuPlan& plan, unsigned command);

// ---- Line store of a text window -----------------------------------------------------------

// The newest FENSTRO_LINE_CAPACITY lines are kept; older ones are dropped at the top.
constexpr std::size_t FENSTRO_LINE_CAPACITY = 120000;
// A line longer than this goes on in a new line, so that no text is lost.
constexpr std::size_t FENSTRO_LINE_WIDTH = 512;
// Tab stops every 8 columns.
constexpr std::size_t FENSTRO_TAB_WIDTH = 8;

struct LineStore {
    std::deque<std::string> lines;
    bool open = false;         // the last line goes on with the next '+' or ' ' record
    std::uint64_t dropped = 0; // lines dropped at the top since the start
    std::size_t widest = 0;    // the longest line seen, in characters
    std::size_t capacity = FENSTRO_LINE_CAPACITY;
};

// Appends one record: its first character is line control ('+' goes on in the last line,
// ' ' and anything else start a new line; an empty record is a lone ' '). An open last line that
// holds nothing yet serves as the new line. In the text, LF starts a new line, CR is dropped, a tab
// advances to the next stop and NUL shows as a blank. lineOpen leaves the line open.
void AppendRecord(LineStore& store, const char* record, std::size_t length, bool lineOpen);
// Number of lines shown (an open empty last line counts).
inline std::size_t LineCount(const LineStore& s) {
    return s.lines.size();
}

// ---- Dialog records ------------------------------------------------------------------------

enum class DlgKind {
    Other,
    PushButton,
    RadioButton,
    CheckBox,
    GroupBox,
    Edit,
    Static,
    ComboBox,
    ListBox
};

struct DlgControl {
    std::int32_t id = 0;
    DlgKind kind = DlgKind::Other;
    std::uint32_t style = 0;
    std::string className; // "Button", "Edit", ... or the template's class name
    std::string text;      // the text; a combo box's current text
    bool checked = false;
    int group = 0;       // controls from one WS_GROUP control to the next share a number
    bool shared = false; // another control has the same id (-1 for labels, say): the
                         // library leaves the shown control alone
    std::vector<std::string> items;
    std::int32_t current = 0; // selected item from 1; 0 none
    DlgCallback callback = nullptr;
};

struct DlgTemplateInfo {
    std::uint32_t style = 0;
    bool extended = false;
    std::string caption;
    std::vector<DlgControl> controls;
};

// Reads a dialog template (the plain or the extended form) as a resource holds it. Texts are
// turned from UTF-16 into Windows-1252 ('?' where it has no character). Radio buttons start
// with the first of each group marked. false when the bytes are not a whole template.
bool ParseDialogTemplate(const unsigned char* data, std::size_t size, DlgTemplateInfo& out);

// The control with that id (the first when several share it); NULL when there is none.
DlgControl* FindControl(std::vector<DlgControl>& controls, std::int32_t id);

// The value rules of the library; each returns false and changes nothing where the call
// does not apply. The index constants are those of fenstrodefs.h.
bool ModelSetText(std::vector<DlgControl>& controls, std::int32_t id, const std::string& text,
                  std::int32_t index);
// A fixed-length text as the caller passes it: up to a NUL, trailing blanks dropped,
// leading blanks kept.
bool ModelSetFixedText(std::vector<DlgControl>& controls, std::int32_t id, const char* text,
                       std::size_t length, std::int32_t index);
bool ModelSetInteger(std::vector<DlgControl>& controls, std::int32_t id, std::int32_t value,
                     std::int32_t index);
bool ModelSetLogical(std::vector<DlgControl>& controls, std::int32_t id, bool value);
bool ModelGetText(std::vector<DlgControl>& controls, std::int32_t id, std::string& text,
                  std::int32_t index);
bool ModelGetInteger(std::vector<DlgControl>& controls, std::int32_t id, std::int32_t& value,
                     std::int32_t index);
bool ModelGetLogical(std::vector<DlgControl>& controls, std::int32_t id, bool& value);
// Copies text into a fixed-length buffer: cut to length, blanks after it.
void CopyToFixed(const std::string& text, char* buffer, std::size_t length);
// Whether the combo box lets the user type (an edit field: simple or drop-down).
bool ComboHasEdit(const DlgControl& c);
