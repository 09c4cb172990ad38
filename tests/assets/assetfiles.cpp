#include "assetfiles.h"

#include <cstdio>

namespace assettest {

std::vector<std::string> Numbered(const std::string& prefix, int first, int last, int digits, const std::string& suffix)
{
    std::vector<std::string> names;
    for (int n = first; n <= last; ++n) {
        char number[16];
        std::snprintf(number, sizeof number, "%0*d", digits, n);
        names.push_back("data/gfx/" + prefix + number + suffix);
    }
    return names;
}

std::vector<std::string> LabelGlyphs()
{
    std::vector<std::string> names = Numbered("hud_digit_", 0, 9, 1);
    for (const char* mark : {"level", "loop", "slash", "dot"})
        names.push_back(std::string("data/gfx/hud_label_") + mark + ".png");
    return names;
}

std::vector<std::string> AllPictures()
{
    std::vector<std::string> names;
    auto add = [&](const std::vector<std::string>& more) { names.insert(names.end(), more.begin(), more.end()); };
    add(Numbered("zarn_guy_frame", 1, 7, 1));
    add(Numbered("old_guy_frame", 1, 7, 1));
    add(Numbered("zarn_death_frame", 1, 6, 1));
    add(Numbered("old_death_frame", 1, 6, 1));
    add(Numbered("big_bad_frame", 1, 7, 1));
    add(Numbered("small_homing_frame_", 1, 16, 2));
    add(Numbered("small_moving_frame_", 1, 16, 2));
    add(Numbered("big_bad_bullet_", 1, 3, 2));
    add(Numbered("robo_part_", 1, 4, 2));
    add(Numbered("smoke_", 1, 5, 2));
    add(Numbered("spark_", 1, 5, 2));
    add(Numbered("zarn_blood_drop", 1, 8, 1));
    for (const char* single :
         {"zarn_guy_bullet.png", "spiral.png", "empty.png", "paper_background.jpg", "title_screen.jpg", "line.png",
          "fold_shadow.png", "crosshair.png", "time_slider_back.png", "time_slider.png", "zarn_slider_back.png",
          "zarn_slider_front.png", "press_space.png", "level_cleared.png", "paused.png"})
        names.push_back(std::string("data/gfx/") + single);
    add(LabelGlyphs());
    return names;
}

std::vector<std::string> AllSounds()
{
    return {"data/sfx/small_explosion.wav", "data/sfx/big_explosion.wav", "data/sfx/big_bad_shot.wav",
            "data/sfx/player_fire_2.wav", "data/sfx/tandrel_-_entering_evil_base.ogg"};
}

} // namespace assettest
