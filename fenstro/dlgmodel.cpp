// The value rules of the dialog library, applied to the controls of a record.
#include "fenstrocore.h"
#include "textio.h"

namespace {

bool IsList(const DlgControl& c) {
    return c.kind == DlgKind::ComboBox || c.kind == DlgKind::ListBox;
}

// Item index (from 1) of a combo or list box; NULL when there is no such item.
std::string* Item(DlgControl& c, std::int32_t index) {
    if (!IsList(c) || index < 1 || index > static_cast<std::int32_t>(c.items.size()))
        return nullptr;
    return &c.items[static_cast<std::size_t>(index - 1)];
}

constexpr std::uint32_t cbsTypeMask = 0x3;
constexpr std::uint32_t cbsDropDownList = 0x3;

} // namespace

bool ComboHasEdit(const DlgControl& c) {
    return c.kind == DlgKind::ComboBox && (c.style & cbsTypeMask) != cbsDropDownList;
}

DlgControl* FindControl(std::vector<DlgControl>& controls, std::int32_t id) {
    for (DlgControl& c : controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

namespace {

// The text that index addresses in control id: item index (from 1) of a combo or list box,
// else the control's own (current) text; NULL when the index means nothing there.
std::string* TextSlot(std::vector<DlgControl>& controls, std::int32_t id, std::int32_t index,
                      DlgControl*& c) {
    c = FindControl(controls, id);
    if (!c)
        return nullptr;
    if (IsList(*c) && index >= 1)
        return Item(*c, index);
    if (index != DLG_INDEX_NONE && index != DLG_INDEX_CURRENT)
        return nullptr;
    return &c->text;
}

} // namespace

bool ModelSetText(std::vector<DlgControl>& controls, std::int32_t id, const std::string& text,
                  std::int32_t index) {
    DlgControl* c = nullptr;
    std::string* slot = TextSlot(controls, id, index, c);
    if (!slot)
        return false;
    if (slot != &c->text) {
        *slot = text;
        if (!ComboHasEdit(*c) && c->current == index)
            c->text = text;
        return true;
    }
    if (IsList(*c) && !ComboHasEdit(*c)) {
        // Without an edit field the current text is always one of the items.
        for (std::size_t k = 0; k < c->items.size(); ++k)
            if (c->items[k] == text) {
                c->current = static_cast<std::int32_t>(k + 1);
                c->text = text;
                return true;
            }
        return false;
    }
    c->text = text;
    return true;
}

bool ModelSetFixedText(std::vector<DlgControl>& controls, std::int32_t id, const char* text,
                       std::size_t length, std::int32_t index) {
    return ModelSetText(controls, id, FixedTextValue(text, text ? length : 0), index);
}

bool ModelSetInteger(std::vector<DlgControl>& controls, std::int32_t id, std::int32_t value,
                     std::int32_t index) {
    DlgControl* c = FindControl(controls, id);
    if (!c || !IsList(*c) || value < 0)
        return false;
    if (index == DLG_INDEX_ITEMCOUNT) {
        c->items.resize(static_cast<std::size_t>(value));
        if (c->current > value) {
            c->current = 0;
            if (!ComboHasEdit(*c))
                c->text.clear();
        }
        return true;
    }
    if (index == DLG_INDEX_CURRENT) {
        if (value > static_cast<std::int32_t>(c->items.size()))
            return false;
        c->current = value;
        c->text = value > 0 ? c->items[value - 1] : std::string();
        return true;
    }
    return false;
}

bool ModelSetLogical(std::vector<DlgControl>& controls, std::int32_t id, bool value) {
    DlgControl* c = FindControl(controls, id);
    if (!c)
        return false;
    if (c->kind == DlgKind::CheckBox) {
        c->checked = value;
        return true;
    }
    if (c->kind != DlgKind::RadioButton)
        return false;
    if (value)
        for (DlgControl& other : controls)
            if (other.kind == DlgKind::RadioButton && other.group == c->group)
                other.checked = false;
    c->checked = value;
    return true;
}

bool ModelGetText(std::vector<DlgControl>& controls, std::int32_t id, std::string& text,
                  std::int32_t index) {
    DlgControl* c = nullptr;
    std::string* slot = TextSlot(controls, id, index, c);
    if (slot)
        text = *slot;
    return slot != nullptr;
}

bool ModelGetInteger(std::vector<DlgControl>& controls, std::int32_t id, std::int32_t& value,
                     std::int32_t index) {
    DlgControl* c = FindControl(controls, id);
    if (!c || !IsList(*c))
        return false;
    if (index == DLG_INDEX_ITEMCOUNT) {
        value = static_cast<std::int32_t>(c->items.size());
        return true;
    }
    if (index == DLG_INDEX_CURRENT) {
        value = c->current;
        return true;
    }
    return false;
}

bool ModelGetLogical(std::vector<DlgControl>& controls, std::int32_t id, bool& value) {
    DlgControl* c = FindControl(controls, id);
    if (!c || (c->kind != DlgKind::RadioButton && c->kind != DlgKind::CheckBox))
        return false;
    value = c->checked;
    return true;
}

void CopyToFixed(const std::string& text, char* buffer, std::size_t length) {
    if (buffer == nullptr)
        return;
    for (std::size_t i = 0; i < length; ++i)
        buffer[i] = i < text.size() ? text[i] : ' ';
}
