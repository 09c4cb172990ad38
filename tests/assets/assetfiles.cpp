#include "assetfiles.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace assettest {

namespace {

uint32_t LittleEndian(const std::vector<uint8_t>& bytes, std::size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

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

std::vector<std::string> Glyphs(const std::string& size)
{
    std::vector<uint32_t> codes;
    for (const char* c = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;!?-+/()'%"; *c; ++c)
        codes.push_back(static_cast<uint32_t>(*c));
    codes.push_back(0xD7);
    codes.push_back(0xB7);
    std::vector<std::string> names;
    for (uint32_t code : codes) {
        char name[64];
        std::snprintf(name, sizeof name, "data/gfx/glyph_%s_%04X.png", size.c_str(), code);
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> MenuFurniture()
{
    std::vector<std::string> names;
    for (const char* single : {"card_top", "card_band_1", "card_band_2", "card_band_3", "card_bottom", "mark", "padlock",
                               "tick", "star", "box", "slider", "slider_knob", "arrow_left", "arrow_right"})
        names.push_back(std::string("data/gfx/menu_") + single + ".png");
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
    for (const char* robot : {"shield_bot_frame_", "twin_bot_frame_", "phantom_frame_", "hatchling_frame_", "sower_frame_"})
        add(Numbered(robot, 1, 16, 2));
    add(Numbered("hive_frame_", 1, 8, 2));
    add(Numbered("mine_frame_", 1, 8, 2));
    add(Numbered("twin_wire_", 1, 3, 1));
    add(Numbered("big_bad_bullet_", 1, 3, 2));
    add(Numbered("robo_part_", 1, 4, 2));
    add(Numbered("smoke_", 1, 5, 2));
    add(Numbered("spark_", 1, 5, 2));
    add(Numbered("zarn_blood_drop", 1, 8, 1));
    for (const char* single :
         {"zarn_guy_bullet.png", "spiral.png", "empty.png", "paper_background.jpg", "title_screen.jpg", "line.png",
          "fold_shadow.png", "crosshair.png", "time_slider_back.png", "time_slider.png", "zarn_slider_back.png",
          "zarn_slider_front.png", "press_space.png", "level_cleared.png", "paused.png", "title_backdrop.jpg",
          "press_blank.png", "level_cleared_blank.png", "clear_note_paper.png"})
        names.push_back(std::string("data/gfx/") + single);
    add(LabelGlyphs());
    add(Glyphs("large"));
    add(Glyphs("small"));
    add(MenuFurniture());
    for (const char* size : {"large", "small"}) {
        for (const char* part : {"left", "middle", "right"})
            names.push_back(std::string("data/gfx/key_cap_") + size + "_" + part + ".png");
    }
    return names;
}

std::vector<std::string> AllSounds()
{
    return {"data/sfx/small_explosion.wav", "data/sfx/big_explosion.wav", "data/sfx/big_bad_shot.wav",
            "data/sfx/player_fire_2.wav",     "data/sfx/menu_move.wav",      "data/sfx/menu_take.wav",
            "data/sfx/armour_clank.wav",      "data/sfx/twin_hum.wav",       "data/sfx/phantom_fade.wav",
            "data/sfx/hive_hatch.wav",        "data/sfx/mine_drop.wav",      "data/sfx/tandrel_-_entering_evil_base.ogg"};
}


std::vector<double> DecodedSound::Channel(int channel) const
{
    std::vector<double> one;
    one.reserve(Frames());
    for (std::size_t i = static_cast<std::size_t>(channel); i < samples.size(); i += static_cast<std::size_t>(channels))
        one.push_back(samples[i]);
    return one;
}

DecodedSound ReadWav(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    DecodedSound sound;
    if (bytes.size() < 44 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF")
        return sound;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 4);
        const std::size_t size = LittleEndian(bytes, at + 4, 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            sound.channels = static_cast<int>(LittleEndian(bytes, at + 10, 2));
            sound.rate = static_cast<int>(LittleEndian(bytes, at + 12, 4));
            sound.bitsPerSample = static_cast<int>(LittleEndian(bytes, at + 22, 2));
        } else if (id == "data" && sound.bitsPerSample == 16) {
            for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < bytes.size(); i += 2)
                sound.samples.push_back(static_cast<int16_t>(LittleEndian(bytes, i, 2)) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    return sound;
}

DecodedSound DecodeOggVorbis(const std::string& path)
{
    DecodedSound sound;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return sound;
    const vorbis_info* info = ov_info(&file, -1);
    sound.channels = info->channels;
    sound.rate = static_cast<int>(info->rate);
    float** pcm = nullptr;
    int section = 0;
    long frames;
    while ((frames = ov_read_float(&file, &pcm, 4096, &section)) > 0) {
        for (long i = 0; i < frames; ++i) {
            for (int c = 0; c < sound.channels; ++c)
                sound.samples.push_back(pcm[c][i]);
        }
    }
    ov_clear(&file);
    return sound;
}

DecodedSound DecodeSoundFile(const std::string& path)
{
    return EndsWith(path, ".ogg") ? DecodeOggVorbis(path) : ReadWav(path);
}

} // namespace assettest
