#include "app/daily/dailykinds.h"

#include "app/text/translate.h"

const std::vector<DailyKind>& DailyKinds()
{
    static const std::vector<DailyKind> kinds = {
        // type  role                   weight most from% per level at least
        {3, DailyRole::kCrossing, 8, 3, 0, 0, 1},  // small robot crossing the field
        {2, DailyRole::kHunting, 5, 1, 0, 0, 1},   // small robot chasing a self
        {4, DailyRole::kFlock, 3, 1, 0, 0, 1},     // an arrow of five
        {5, DailyRole::kFlock, 2, 2, 20, 0, 1},    // the arrow's other name, in pairs
        {1, DailyRole::kHeavy, 1, 1, 0, 2, 1},     // the big robot
    };
    return kinds;
}

const std::vector<DailyTheme>& DailyThemes()
{
    static const std::vector<DailyTheme> themes = {
        {DailyRole::kCrossing, {NoTr("menu title", "Crossfire"), NoTr("menu title", "Traffic"),
                                NoTr("menu title", "Crossroads"), NoTr("menu title", "Rush Hour")}},
        {DailyRole::kHunting, {NoTr("menu title", "Hunt"), NoTr("menu title", "Chase"), NoTr("menu title", "Pursuit"),
                               NoTr("menu title", "Hounds")}},
        {DailyRole::kFlock, {NoTr("menu title", "Arrows"), NoTr("menu title", "Volley"), NoTr("menu title", "Flight"),
                             NoTr("menu title", "Stampede")}},
        {DailyRole::kHeavy, {NoTr("menu title", "Siege"), NoTr("menu title", "Giants"), NoTr("menu title", "Bulwark"),
                             NoTr("menu title", "Heavy Day")}},
    };
    return themes;
}
