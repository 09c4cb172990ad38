#include "app/daily/dailykinds.h"

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
        {DailyRole::kCrossing, {"Crossfire", "Traffic", "Crossroads", "Rush Hour"}},
        {DailyRole::kHunting, {"Hunt", "Chase", "Pursuit", "Hounds"}},
        {DailyRole::kFlock, {"Arrows", "Volley", "Flight", "Stampede"}},
        {DailyRole::kHeavy, {"Siege", "Giants", "Bulwark", "Heavy Day"}},
    };
    return themes;
}
