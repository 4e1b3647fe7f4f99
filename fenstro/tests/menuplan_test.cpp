// The menu bar's numbering rules.
#include <gtest/gtest.h>

#include "fenstrocore.h"
#include "fenstrodefs.h"

namespace {

int calls = 0;
void RoutineA(std::int32_t&) {
    ++calls;
}
void RoutineB(std::int32_t&) {
    ++calls;
}

MenuPlan NewPlan() {
    MenuPlan p;
    p.nextCommand = 1000;
    return p;
}

} // namespace

TEST(MenuPlan, NumbersOpenMenusAndAppendItems) {
    struct Row {
        std::int32_t menu, flags;
        const char* text;
        MenuAddResult expected;
    };
    // A program's bar, with the calls that must fail between its rows.
    const Row rows[] = {
        {2, MENU_ENABLED, "&Zwei", MenuAddResult::Rejected}, // two above the count (0)
        {0, MENU_ENABLED, "&Null", MenuAddResult::Rejected},
        {1, MENU_ENABLED, "&Datei", MenuAddResult::NewMenu},
        {1, MENU_ENABLED, "&Laden", MenuAddResult::NewItem},
        {1, MENU_GRAYED, "&Speichern", MenuAddResult::NewItem},
        {1, MENU_SEPARATOR, "ignored", MenuAddResult::NewItem},
        {1, MENU_ENABLED, "E&nde", MenuAddResult::NewItem},
        {3, MENU_ENABLED, "&Drei", MenuAddResult::Rejected}, // two above the count (1)
        {2, MENU_SEPARATOR, "", MenuAddResult::Rejected},    // a separator is no title
        {2, MENU_ENABLED, "&Berechnen", MenuAddResult::NewMenu},
        {2, 16, "&Unbekannt", MenuAddResult::Rejected}, // unknown flag bit
        {2, MENU_ENABLED | MENU_CHECKED, "&Formel", MenuAddResult::NewItem},
        {1, MENU_ENABLED, "&Nachzuegler", MenuAddResult::NewItem}, // an earlier menu grows
        {-1, MENU_ENABLED, "&Minus", MenuAddResult::Rejected},
    };
    MenuPlan p = NewPlan();
    for (const Row& r : rows)
        EXPECT_EQ(AddToMenuPlan(p, r.menu, r.flags, r.text, RoutineA), r.expected) << r.text;
    ASSERT_EQ(p.menus.size(), 2u);
    EXPECT_EQ(p.menus[0].title.text, "&Datei");
    ASSERT_EQ(p.menus[0].items.size(), 5u);
    EXPECT_EQ(p.menus[0].items[2].text, ""); // a separator keeps no text
    EXPECT_EQ(p.menus[0].items[4].text, "&Nachzuegler");
    EXPECT_EQ(p.menus[1].items[0].flags, MENU_ENABLED | MENU_CHECKED);
    // Items are counted from 1 with the separators.
    EXPECT_EQ(MenuPlanItem(p, 1, 2)->text, "&Speichern");
    EXPECT_EQ(MenuPlanItem(p, 1, 3)->flags, MENU_SEPARATOR);
    EXPECT_EQ(MenuPlanItem(p, 1, 6), nullptr);
    EXPECT_EQ(MenuPlanItem(p, 1, 0), nullptr);
    EXPECT_EQ(MenuPlanItem(p, 3, 1), nullptr);
}

TEST(MenuPlan, MissingTextOrRoutineFails) {
    MenuPlan p = NewPlan();
    EXPECT_EQ(AddToMenuPlan(p, 1, MENU_ENABLED, nullptr, RoutineA), MenuAddResult::Rejected);
    EXPECT_EQ(AddToMenuPlan(p, 1, MENU_ENABLED, "&A", nullptr), MenuAddResult::Rejected);
    EXPECT_EQ(AddToMenuPlan(p, 1, MENU_ENABLED, "&A", RoutineA), MenuAddResult::NewMenu);
    // A separator needs no text.
    EXPECT_EQ(AddToMenuPlan(p, 1, MENU_SEPARATOR, nullptr, RoutineA), MenuAddResult::NewItem);
}

TEST(MenuPlan, TitleRoutineServesUntilTheFirstItem) {
    MenuPlan p = NewPlan();
    ASSERT_EQ(AddToMenuPlan(p, 1, MENU_ENABLED, "&Titel", RoutineA), MenuAddResult::NewMenu);
    unsigned title = p.menus[0].title.command;
    const MenuEntry* e = MenuPlanCommand(p, title);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->routine, &RoutineA);
    ASSERT_EQ(AddToMenuPlan(p, 1, MENU_ENABLED, "&Eins", RoutineB), MenuAddResult::NewItem);
    ASSERT_EQ(AddToMenuPlan(p, 1, MENU_SEPARATOR, "", RoutineB), MenuAddResult::NewItem);
    EXPECT_EQ(MenuPlanCommand(p, title), nullptr); // dropped
    const MenuEntry* item = MenuPlanCommand(p, p.menus[0].items[0].command);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->routine, &RoutineB);
    EXPECT_EQ(MenuPlanCommand(p, p.menus[0].items[1].command), nullptr); // a separator
    EXPECT_EQ(MenuPlanCommand(p, 999), nullptr);
    // Every entry has a command of its own.
    EXPECT_NE(p.menus[0].items[0].command, title);
    EXPECT_NE(p.menus[0].items[1].command, p.menus[0].items[0].command);
}
