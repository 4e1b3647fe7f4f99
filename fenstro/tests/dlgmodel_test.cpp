// The dialog library's value rules and the reading of dialog templates.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fenstrocore.h"
#include "fenstrodefs.h"

namespace {

// Writes a dialog template as a resource compiler does, plain or extended.
struct TemplateWriter {
    std::vector<unsigned char> bytes;
    bool extended;

    void Word(unsigned w) {
        bytes.push_back(static_cast<unsigned char>(w & 0xFF));
        bytes.push_back(static_cast<unsigned char>((w >> 8) & 0xFF));
    }
    void Dword(unsigned long d) {
        Word(d & 0xFFFF);
        Word((d >> 16) & 0xFFFF);
    }
    void Wide(const std::vector<unsigned>& units) {
        for (unsigned u : units)
            Word(u);
        Word(0);
    }
    void Text(const char* s) {
        std::vector<unsigned> u;
        for (const char* p = s; *p; ++p)
            u.push_back(static_cast<unsigned char>(*p));
        Wide(u);
    }
    void Align() {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
    void Header(unsigned long style, unsigned count, const char* caption) {
        if (extended) {
            Word(1);
            Word(0xFFFF);
            Dword(0);
            Dword(0);
            Dword(style);
        } else {
            Dword(style);
            Dword(0);
        }
        Word(count);
        for (int i = 0; i < 4; ++i)
            Word(10);
        Word(0); // no menu
        Word(0); // standard class
        Text(caption);
        if (style & 0x40) { // DS_SETFONT
            Word(8);
            if (extended) {
                Word(400);
                bytes.push_back(0);
                bytes.push_back(1);
            }
            Text("MS Sans Serif");
        }
    }
    // classOrdinal 0 writes className instead; titleOrdinal writes an ordinal title.
    void Item(int id, unsigned long style, unsigned classOrdinal, const char* className,
              const std::vector<unsigned>& title, unsigned titleOrdinal = 0) {
        Align();
        if (extended) {
            Dword(0);
            Dword(0);
            Dword(style);
        } else {
            Dword(style);
            Dword(0);
        }
        for (int i = 0; i < 4; ++i)
            Word(5);
        if (extended)
            Dword(static_cast<unsigned long>(id));
        else
            Word(static_cast<unsigned>(id) & 0xFFFF);
        if (classOrdinal) {
            Word(0xFFFF);
            Word(classOrdinal);
        } else {
            Text(className);
        }
        if (titleOrdinal) {
            Word(0xFFFF);
            Word(titleOrdinal);
        } else {
            Wide(title);
        }
        Word(0);
    }
};

constexpr unsigned long WS_CHILD_VISIBLE = 0x50000000;
constexpr unsigned long GROUP = 0x00020000;

std::vector<unsigned> W(const char* s) {
    std::vector<unsigned> u;
    for (const char* p = s; *p; ++p)
        u.push_back(static_cast<unsigned char>(*p));
    return u;
}

// A dialog like the formula dialog, with a second radio group and a picture.
std::vector<unsigned char> FormulaLikeTemplate(bool extended) {
    TemplateWriter t{{}, extended};
    t.Header(0x80C80040, 11, "Formel - Berechnung");
    t.Item(1008, WS_CHILD_VISIBLE, 0x81, nullptr, {});           // edit
    t.Item(-1, WS_CHILD_VISIBLE | 0x0E, 0x82, nullptr, {}, 107); // picture
    t.Item(1020, WS_CHILD_VISIBLE | 1, 0x80, nullptr, W("OK"));  // default push
    t.Item(2, WS_CHILD_VISIBLE, 0x80, nullptr, W("Cancel"));
    t.Item(-1, WS_CHILD_VISIBLE | GROUP, 0x82, nullptr, {'s', ' ', 0xE4, 0x20AC}); // "s ä€"
    t.Item(1010, WS_CHILD_VISIBLE | GROUP | 9, 0x80, nullptr, W("+"));             // radio
    t.Item(1011, WS_CHILD_VISIBLE | 9, 0x80, nullptr, W("-"));
    t.Item(1012, WS_CHILD_VISIBLE | GROUP | 2, 0, "ComboBox", {});   // drop-down
    t.Item(1030, WS_CHILD_VISIBLE | GROUP | 4, 0, "button", W("x")); // radio, own group
    t.Item(1031, WS_CHILD_VISIBLE | 3, 0x80, nullptr, W("check"));   // check box
    t.Item(40000, WS_CHILD_VISIBLE | 3, 0x85, nullptr, {});          // drop-down list
    return t.bytes;
}

std::vector<DlgControl> Parsed(bool extended = false) {
    std::vector<unsigned char> b = FormulaLikeTemplate(extended);
    DlgTemplateInfo info;
    EXPECT_TRUE(ParseDialogTemplate(b.data(), b.size(), info));
    return info.controls;
}

} // namespace

TEST(DialogTemplate, ReadsPlainAndExtendedForms) {
    for (bool extended : {false, true}) {
        std::vector<unsigned char> b = FormulaLikeTemplate(extended);
        DlgTemplateInfo info;
        ASSERT_TRUE(ParseDialogTemplate(b.data(), b.size(), info)) << extended;
        EXPECT_EQ(info.extended, extended);
        EXPECT_EQ(info.caption, "Formel - Berechnung");
        ASSERT_EQ(info.controls.size(), 11u);
        const std::vector<DlgControl>& c = info.controls;
        EXPECT_EQ(c[0].id, 1008);
        EXPECT_EQ(c[0].kind, DlgKind::Edit);
        EXPECT_EQ(c[1].id, -1);
        EXPECT_TRUE(c[1].shared); // two labels with -1
        EXPECT_FALSE(c[0].shared);
        EXPECT_EQ(c[1].kind, DlgKind::Static);
        EXPECT_EQ(c[1].text, ""); // a picture's ordinal is no text
        EXPECT_EQ(c[2].kind, DlgKind::PushButton);
        EXPECT_EQ(c[2].text, "OK");
        EXPECT_EQ(c[4].text, "s \xE4\x80"); // Windows-1252
        EXPECT_EQ(c[5].kind, DlgKind::RadioButton);
        EXPECT_EQ(c[7].kind, DlgKind::ComboBox);
        EXPECT_EQ(c[8].kind, DlgKind::RadioButton); // class by name, any case
        EXPECT_EQ(c[9].kind, DlgKind::CheckBox);
        EXPECT_EQ(c[10].kind, DlgKind::ComboBox);
        EXPECT_EQ(c[10].id, 40000); // an id above 32767 stays positive
        // First radio of each group marked, the others not.
        EXPECT_TRUE(c[5].checked);
        EXPECT_FALSE(c[6].checked);
        EXPECT_TRUE(c[8].checked);
        EXPECT_FALSE(c[9].checked);
        EXPECT_EQ(c[5].group, c[6].group);
        EXPECT_NE(c[5].group, c[8].group);
    }
}

TEST(DialogTemplate, PushButtonAt0xFFFFIsTheHighestIdNotMinusOne) {
    // The labels beside it keep -1 in both forms; the button ends a dialog with its id.
    for (bool extended : {false, true}) {
        SCOPED_TRACE(extended ? "extended" : "plain");
        TemplateWriter t{{}, extended};
        t.Header(0x80C80040, 3, "Hoch");
        t.Item(-1, WS_CHILD_VISIBLE, 0x82, nullptr, W("a"));
        t.Item(0xFFFF, WS_CHILD_VISIBLE, 0x80, nullptr, W("65535"));
        t.Item(-1, WS_CHILD_VISIBLE, 0x82, nullptr, W("b"));
        DlgTemplateInfo info;
        ASSERT_TRUE(ParseDialogTemplate(t.bytes.data(), t.bytes.size(), info));
        ASSERT_EQ(info.controls.size(), 3u);
        EXPECT_EQ(info.controls[1].id, 65535);
        EXPECT_EQ(info.controls[1].kind, DlgKind::PushButton);
        EXPECT_FALSE(info.controls[1].shared);
        EXPECT_EQ(info.controls[0].id, -1);
        EXPECT_TRUE(info.controls[0].shared);
    }
}

TEST(DialogTemplate, CutTemplateFails) {
    std::vector<unsigned char> b = FormulaLikeTemplate(false);
    DlgTemplateInfo info;
    for (std::size_t cut : {std::size_t{0}, std::size_t{7}, b.size() / 2, b.size() - 1})
        EXPECT_FALSE(ParseDialogTemplate(b.data(), cut, info)) << cut;
    EXPECT_FALSE(ParseDialogTemplate(nullptr, 100, info));
}

TEST(DialogValues, TextRulesForEditsAndButtons) {
    std::vector<DlgControl> c = Parsed();
    std::string got;
    // The caller's fixed-length text is trimmed by the library before it comes here; the
    // model keeps what it gets, leading blanks included.
    EXPECT_TRUE(ModelSetText(c, 1008, "           1.0000", DLG_INDEX_NONE));
    EXPECT_TRUE(ModelGetText(c, 1008, got, DLG_INDEX_NONE));
    EXPECT_EQ(got, "           1.0000");
    EXPECT_TRUE(ModelSetText(c, 1008, "x", DLG_INDEX_CURRENT)); // same as no index
    EXPECT_FALSE(ModelSetText(c, 1008, "x", 1));                // an edit has no items
    EXPECT_FALSE(ModelSetText(c, 4711, "x", DLG_INDEX_NONE));
    EXPECT_FALSE(ModelGetText(c, 4711, got, DLG_INDEX_NONE));
    EXPECT_TRUE(ModelSetText(c, 1020, "Rechnen", DLG_INDEX_NONE));
    EXPECT_TRUE(ModelGetText(c, 1020, got, DLG_INDEX_NONE));
    EXPECT_EQ(got, "Rechnen");
    std::int32_t n = 0;
    EXPECT_FALSE(ModelSetInteger(c, 1008, 3, DLG_INDEX_ITEMCOUNT));
    EXPECT_FALSE(ModelGetInteger(c, 1008, n, DLG_INDEX_CURRENT));
    bool b = true;
    EXPECT_FALSE(ModelGetLogical(c, 1008, b));
    EXPECT_FALSE(ModelSetLogical(c, 1020, true));
}

TEST(DialogValues, ComboBoxItemsAndCurrentText) {
    std::vector<DlgControl> c = Parsed();
    std::string got;
    std::int32_t n = -1;
    EXPECT_FALSE(ModelSetText(c, 1012, "-5", 1)); // no items yet
    ASSERT_TRUE(ModelSetInteger(c, 1012, 10, DLG_INDEX_ITEMCOUNT));
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(ModelSetText(c, 1012, std::to_string(k - 6), k));
    EXPECT_FALSE(ModelSetText(c, 1012, "x", 11));
    EXPECT_TRUE(ModelGetInteger(c, 1012, n, DLG_INDEX_ITEMCOUNT));
    EXPECT_EQ(n, 10);
    EXPECT_TRUE(ModelGetText(c, 1012, got, 8));
    EXPECT_EQ(got, "2");
    // Selecting item 8 makes its text current; the current text may then be typed over.
    EXPECT_TRUE(ModelSetInteger(c, 1012, 8, DLG_INDEX_CURRENT));
    EXPECT_TRUE(ModelGetText(c, 1012, got, DLG_INDEX_CURRENT));
    EXPECT_EQ(got, "2");
    EXPECT_TRUE(ModelSetText(c, 1012, "1234", DLG_INDEX_CURRENT));
    EXPECT_TRUE(ModelGetText(c, 1012, got, DLG_INDEX_CURRENT));
    EXPECT_EQ(got, "1234");
    EXPECT_TRUE(ModelGetInteger(c, 1012, n, DLG_INDEX_CURRENT));
    EXPECT_EQ(n, 8);
    EXPECT_FALSE(ModelSetInteger(c, 1012, 11, DLG_INDEX_CURRENT));
    EXPECT_FALSE(ModelSetInteger(c, 1012, -1, DLG_INDEX_CURRENT));
    EXPECT_FALSE(ModelSetInteger(c, 1012, 3, DLG_INDEX_NONE));
    EXPECT_FALSE(ModelSetText(c, 1012, "x", -7)); // an index that means nothing
    // Fewer items: a selection past the end is gone.
    EXPECT_TRUE(ModelSetInteger(c, 1012, 5, DLG_INDEX_ITEMCOUNT));
    EXPECT_TRUE(ModelGetInteger(c, 1012, n, DLG_INDEX_CURRENT));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(ModelSetInteger(c, 1012, -1, DLG_INDEX_ITEMCOUNT));
}

TEST(DialogValues, DropDownListTakesOnlyItemTexts) {
    std::vector<DlgControl> c = Parsed();
    std::string got;
    ASSERT_TRUE(ModelSetInteger(c, 40000, 2, DLG_INDEX_ITEMCOUNT));
    ASSERT_TRUE(ModelSetText(c, 40000, "rot", 1));
    ASSERT_TRUE(ModelSetText(c, 40000, "blau", 2));
    EXPECT_FALSE(ModelSetText(c, 40000, "gelb", DLG_INDEX_CURRENT));
    EXPECT_TRUE(ModelSetText(c, 40000, "blau", DLG_INDEX_CURRENT));
    std::int32_t n = 0;
    EXPECT_TRUE(ModelGetInteger(c, 40000, n, DLG_INDEX_CURRENT));
    EXPECT_EQ(n, 2);
    // Renaming the selected item renames the current text.
    EXPECT_TRUE(ModelSetText(c, 40000, "gr\xFCn", 2));
    EXPECT_TRUE(ModelGetText(c, 40000, got, DLG_INDEX_NONE));
    EXPECT_EQ(got, "gr\xFCn");
}

TEST(DialogValues, RadioGroupsExcludeWithinTheirGroup) {
    std::vector<DlgControl> c = Parsed();
    bool plus = false, minus = true, other = false;
    auto read = [&] {
        ModelGetLogical(c, 1010, plus);
        ModelGetLogical(c, 1011, minus);
        ModelGetLogical(c, 1030, other);
    };
    read();
    EXPECT_TRUE(plus);
    EXPECT_FALSE(minus);
    EXPECT_TRUE(ModelSetLogical(c, 1011, true));
    read();
    EXPECT_FALSE(plus);
    EXPECT_TRUE(minus);
    EXPECT_TRUE(other); // another group keeps its mark
    // Clearing leaves the group without a mark.
    EXPECT_TRUE(ModelSetLogical(c, 1011, false));
    read();
    EXPECT_FALSE(plus);
    EXPECT_FALSE(minus);
    bool check = true;
    EXPECT_TRUE(ModelGetLogical(c, 1031, check));
    EXPECT_FALSE(check);
    EXPECT_TRUE(ModelSetLogical(c, 1031, true));
    read();
    EXPECT_TRUE(other); // a check box is in no radio group
}

TEST(DialogValues, FixedTextsLoseTrailingBlanksOnly) {
    std::vector<DlgControl> c = Parsed();
    struct Case {
        std::string passed;
        std::size_t length;
        std::int32_t index;
        std::string stored;
    };
    // The combo box's item cells are 3 characters: "-5 " and " 0 " as the program fills them.
    ASSERT_TRUE(ModelSetInteger(c, 1012, 2, DLG_INDEX_ITEMCOUNT));
    const Case cases[] = {
        {"-5 ", 3, 1, "-5"},
        {" 0 ", 3, 2, " 0"},
        {"   -12.0000   ", 14, DLG_INDEX_NONE, "   -12.0000"},
        {"4                   ", 20, DLG_INDEX_CURRENT, "4"},
        {"    ", 4, DLG_INDEX_NONE, ""},
        {std::string("ab\0cd", 5), 5, DLG_INDEX_NONE, "ab"}, // a NUL ends the text
        {"abcdef", 3, DLG_INDEX_NONE, "abc"},                // the length ends it
    };
    for (const Case& k : cases) {
        ASSERT_TRUE(ModelSetFixedText(c, 1012, k.passed.data(), k.length, k.index)) << k.passed;
        std::string got;
        ASSERT_TRUE(ModelGetText(c, 1012, got, k.index));
        EXPECT_EQ(got, k.stored) << k.passed;
    }
    EXPECT_TRUE(ModelSetFixedText(c, 1008, nullptr, 5, DLG_INDEX_NONE)); // no text: empty
}

TEST(DialogValues, FixedLengthBufferIsCutAndBlankFilled) {
    struct Case {
        std::string text;
        std::size_t length;
        std::string expected;
    };
    const Case cases[] = {
        {"1.5", 6, "1.5   "},
        {"1234", 3, "123"},
        {"", 4, "    "},
        {"abc", 0, ""},
    };
    for (const Case& c : cases) {
        std::string buf(c.length, '#');
        CopyToFixed(c.text, buf.empty() ? nullptr : &buf[0], c.length);
        EXPECT_EQ(buf, c.expected) << c.text;
    }
}
