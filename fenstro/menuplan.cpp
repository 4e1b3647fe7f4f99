// The menu bar's numbering rules, kept apart from the menu handles.
#include "fenstrocore.h"

namespace {

constexpr std::int32_t knownFlags = MENU_GRAYED | MENU_CHECKED | MENU_ENABLED | MENU_SEPARATOR;

MenuEntry NewEntry(MenuPlan& plan, std::int32_t flags, const char* text, MenuRoutine routine) {
    MenuEntry e;
    e.flags = flags;
    if (text && !(flags & MENU_SEPARATOR))
        e.text = text;
    e.routine = routine;
    e.command = plan.nextCommand++;
    return e;
}

} // namespace

MenuAddResult AddToMenuPlan(MenuPlan& plan, std::int32_t menu, std::int32_t flags, const char* text,
                            MenuRoutine routine) {
    if ((flags & ~knownFlags) != 0 || routine == nullptr)
        return MenuAddResult::Rejected;
    bool separator = (flags & MENU_SEPARATOR) != 0;
    if (!separator && text == nullptr)
        return MenuAddResult::Rejected;
    std::int32_t count = static_cast<std::int32_t>(plan.menus.size());
    if (menu < 1 || menu > count + 1)
        return MenuAddResult::Rejected;
    if (menu == count + 1) {
        if (separator)
            return MenuAddResult::Rejected;
        MenuTitle t;
        t.title = NewEntry(plan, flags, text, routine);
        plan.menus.push_back(t);
        return MenuAddResult::NewMenu;
    }
    plan.menus[menu - 1].items.push_back(NewEntry(plan, flags, text, routine));
    return MenuAddResult::NewItem;
}

MenuEntry* MenuPlanItem(MenuPlan& plan, std::int32_t menu, std::int32_t item) {
    if (menu < 1 || menu > static_cast<std::int32_t>(plan.menus.size()))
        return nullptr;
    std::vector<MenuEntry>& items = plan.menus[menu - 1].items;
    if (item < 1 || item > static_cast<std::int32_t>(items.size()))
        return nullptr;
    return &items[item - 1];
}

const MenuEntry* MenuPlanCommand(const MenuPlan& plan, unsigned command) {
    for (const MenuTitle& m : plan.menus) {
        // A title's routine is dropped once its menu has items.
        if (m.items.empty() && m.title.command == command)
            return &m.title;
        for (const MenuEntry& e : m.items)
            if (e.command == command && !(e.flags & MENU_SEPARATOR))
                return &e;
    }
    return nullptr;
}
