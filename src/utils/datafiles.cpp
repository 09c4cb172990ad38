#include "utils/datafiles.h"

#include <cstdio>

namespace datafiles {

namespace {

// prefix, then n with at least the given number of digits, then ".png".
std::string Numbered(const char* prefix, int n, int digits)
{
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", digits, n);
    return std::string(prefix) + number + ".png";
}

} // namespace

std::string InLanguage(const std::string& picture, const std::string& code)
{
    const std::size_t folder = picture.rfind('/');
    if (code == "en" || folder == std::string::npos)
        return picture;
    return picture.substr(0, folder + 1) + code + picture.substr(folder);
}

std::string LabelDigit(int digit) { return Numbered("data/gfx/hud_digit_", digit, 1); }

GlyphMetrics GlyphMetricsOf(GlyphSize size)
{
    return size == GlyphSize::kLarge ? GlyphMetrics{66, 45, 4, 31} : GlyphMetrics{42, 28, 3, 19};
}

std::string Glyph(GlyphSize size, char32_t character)
{
    char code[16];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(character));
    return std::string(size == GlyphSize::kLarge ? "data/gfx/glyph_large_" : "data/gfx/glyph_small_") + code + ".png";
}

KeyCapMetrics KeyCapMetricsOf(GlyphSize size)
{
    return size == GlyphSize::kLarge ? KeyCapMetrics{56, 16, 42, 12, 50} : KeyCapMetrics{36, 12, 26, 8, 34};
}

std::string KeyCapPiece(GlyphSize size, KeyCapPart part)
{
    static const char* const kParts[] = {"left", "middle", "right"};
    return std::string(size == GlyphSize::kLarge ? "data/gfx/key_cap_large_" : "data/gfx/key_cap_small_") +
           kParts[static_cast<int>(part)] + ".png";
}

std::string MenuCardBand(int n) { return Numbered("data/gfx/menu_card_band_", n, 1); }

std::string BigBadBullet(int frame) { return Numbered("data/gfx/big_bad_bullet_", frame, 2); }

std::string TwinWire(int frame) { return Numbered("data/gfx/twin_wire_", frame, 1); }

std::string RobotPart(int n) { return Numbered("data/gfx/robo_part_0", n, 1); }

std::string Smoke(int n) { return Numbered("data/gfx/smoke_0", n, 1); }

std::string Spark(int n) { return Numbered("data/gfx/spark_0", n, 1); }

std::string BloodDrop(int n) { return Numbered("data/gfx/zarn_blood_drop", n, 1); }

std::string Frame(FrameSet set, int n)
{
    struct Numbering {
        const char* prefix;
        int digits;
    };
    // In the order of FrameSet.
    static const Numbering kSets[] = {
        {"data/gfx/zarn_guy_frame", 1},     {"data/gfx/old_guy_frame", 1},       {"data/gfx/big_bad_frame", 1},
        {"data/gfx/zarn_death_frame", 1},   {"data/gfx/old_death_frame", 1},     {"data/gfx/small_homing_frame_", 2},
        {"data/gfx/small_moving_frame_", 2}, {"data/gfx/shield_bot_frame_", 2}, {"data/gfx/twin_bot_frame_", 2},
        {"data/gfx/phantom_frame_", 2},      {"data/gfx/hive_frame_", 2},         {"data/gfx/hatchling_frame_", 2},
        {"data/gfx/sower_frame_", 2},        {"data/gfx/mine_frame_", 2},
    };
    const Numbering& numbering = kSets[static_cast<int>(set)];
    return Numbered(numbering.prefix, n, numbering.digits);
}

} // namespace datafiles
