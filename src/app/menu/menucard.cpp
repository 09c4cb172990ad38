#include "app/menu/menucard.h"

#include "app/control/bindings.h"

MenuCard::Heard MenuCard::Hear(const GameEvent& event)
{
    const Menu::Event heard = menu_.HandleEvent(InMenu(controls_, event));
    switch (heard.kind) {
    case Menu::Event::Kind::kNothing:
        return Heard::kNothing;
    case Menu::Event::Kind::kMoved:
        return Heard::kShown;
    case Menu::Event::Kind::kChanged:
        return ChangeValue(heard.choice, heard.value);
    case Menu::Event::Kind::kBack:
        return Back();
    case Menu::Event::Kind::kTaken:
        break;
    }
    return Take(heard.choice);
}

MenuCard::Heard MenuCard::Back()
{
    next_ = Change(Change::To::kBack);
    return Heard::kShown;
}
