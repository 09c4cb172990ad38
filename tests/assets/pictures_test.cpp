// Checks the generated pictures in the build tree (the tests run from the build directory,
// after the build has run assetgen): every file decodes, sets share a size, and the
// pictures meet what the game assumes about them.
#include "assets/assetfiles.h"
#include "engine/render/texturecache.h"
#include "utils/datafiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    uint8_t Alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
};

Image Load(const std::string& name)
{
    Image image;
    EXPECT_TRUE(DecodeImageFile(name, image.width, image.height, image.rgba)) << name;
    return image;
}

// The most opaque pixel within `reach` of a point (anti-aliasing softens single pixels).
int AlphaNear(const Image& image, int cx, int cy, int reach)
{
    int best = 0;
    for (int y = cy - reach; y <= cy + reach; ++y) {
        for (int x = cx - reach; x <= cx + reach; ++x) {
            if (x >= 0 && y >= 0 && x < image.width && y < image.height)
                best = std::max(best, static_cast<int>(image.Alpha(x, y)));
        }
    }
    return best;
}

void ExpectSameSize(const std::vector<std::string>& names)
{
    const Image first = Load(names.front());
    for (const std::string& name : names) {
        const Image image = Load(name);
        EXPECT_EQ(image.width, first.width) << name;
        EXPECT_EQ(image.height, first.height) << name;
    }
}

// The gun lies along +y = 7 below the centre: solid just behind the muzzle, clear just past it,
// and on the other side for the mirrored frames.
void ExpectMuzzle(const std::string& name, int ahead, bool mirrored)
{
    const Image image = Load(name);
    const int cx = image.width / 2, cy = image.height / 2;
    const int dir = mirrored ? -1 : 1;
    ASSERT_GT(image.width, 2 * (ahead + 1)) << name << " must hold the muzzle point";
    EXPECT_GT(AlphaNear(image, cx + dir * (ahead - 2), cy + 7, 1), 200) << name << ": gun ends at the muzzle";
    EXPECT_LT(AlphaNear(image, cx + dir * (ahead + 4), cy + 7, 1), 60) << name << ": nothing beyond the muzzle";
    EXPECT_GT(image.Alpha(cx, cy), 160) << name << ": the body covers its centre";
}

void ExpectMirrored(const std::string& rightName, const std::string& leftName)
{
    const Image right = Load(rightName);
    const Image left = Load(leftName);
    ASSERT_EQ(right.width, left.width);
    ASSERT_EQ(right.height, left.height);
    for (int y = 0; y < right.height; y += 2) {
        for (int x = 0; x < right.width; x += 2)
            ASSERT_EQ(right.Alpha(x, y), left.Alpha(right.width - 1 - x, y)) << leftName << " mirrors " << rightName;
    }
}

// Over the pixels at least a quarter opaque: the mean saturation (0 grey .. 1 pure colour) and
// the mean brightness (0 .. 255).
struct Colourfulness {
    double saturation = 0.0;
    double brightness = 0.0;
};

Colourfulness MeanColourfulness(const Image& image)
{
    Colourfulness mean;
    long count = 0;
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        if (image.rgba[i + 3] < 64)
            continue;
        const int high = std::max({image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]});
        const int low = std::min({image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]});
        mean.saturation += high > 0 ? static_cast<double>(high - low) / high : 0.0;
        mean.brightness += (image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2]) / 3.0;
        ++count;
    }
    if (count) {
        mean.saturation /= count;
        mean.brightness /= count;
    }
    return mean;
}

// The first and last rows holding fully inked pixels (the label's halo is only partly opaque).
std::pair<int, int> InkRows(const Image& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.Alpha(x, y) > 230) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// Over the pixels at least minAlpha opaque (by default a quarter).
double MeanOpaqueBrightness(const Image& image, int minAlpha = 64)
{
    double sum = 0.0;
    long count = 0;
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        if (image.rgba[i + 3] < minAlpha)
            continue;
        sum += (image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2]) / 3.0;
        ++count;
    }
    return count ? sum / count : 0.0;
}

} // namespace

TEST(GeneratedPictures, EveryFileDecodes)
{
    for (const std::string& name : assettest::AllPictures()) {
        const Image image = Load(name);
        EXPECT_GT(image.width, 0) << name;
        EXPECT_GT(image.height, 0) << name;
    }
}

TEST(GeneratedPictures, FramesOfOneSetShareOneSize)
{
    using assettest::Numbered;
    ExpectSameSize(Numbered("zarn_guy_frame", 1, 7, 1));
    ExpectSameSize(Numbered("old_guy_frame", 1, 7, 1));
    ExpectSameSize(Numbered("zarn_death_frame", 1, 6, 1));
    ExpectSameSize(Numbered("old_death_frame", 1, 6, 1));
    ExpectSameSize(Numbered("big_bad_frame", 1, 7, 1));
    ExpectSameSize(Numbered("big_bad_bullet_", 1, 3, 2));
    for (const char* robot : {"small_homing_frame_", "small_moving_frame_"}) {
        std::vector<std::string> set = Numbered(robot, 1, 16, 2);
        set.push_back("data/gfx/empty.png"); // the robots' death frame
        ExpectSameSize(set);
    }
    // The old guy is the hero's past self, the same figure at the same size.
    EXPECT_EQ(Load("data/gfx/old_guy_frame1.png").width, Load("data/gfx/zarn_guy_frame1.png").width);
}

TEST(GeneratedPictures, CharactersHoldTheirGunsWhereShotsStart)
{
    for (const char* set : {"zarn_guy_frame", "old_guy_frame"}) {
        for (int frame = 1; frame <= 6; ++frame)
            ExpectMuzzle("data/gfx/" + std::string(set) + std::to_string(frame) + ".png", 36, frame >= 4);
        EXPECT_EQ(Load("data/gfx/" + std::string(set) + "1.png").width, 96);
    }
    for (int frame = 1; frame <= 6; ++frame)
        ExpectMuzzle("data/gfx/big_bad_frame" + std::to_string(frame) + ".png", 66, frame >= 4);
}

TEST(GeneratedPictures, WalkLeftFramesMirrorWalkRight)
{
    for (const char* set : {"zarn_guy_frame", "old_guy_frame", "big_bad_frame"}) {
        for (int frame = 1; frame <= 3; ++frame)
            ExpectMirrored("data/gfx/" + std::string(set) + std::to_string(frame) + ".png",
                           "data/gfx/" + std::string(set) + std::to_string(frame + 3) + ".png");
    }
    for (const char* set : {"small_homing_frame_", "small_moving_frame_"}) {
        const std::vector<std::string> first = assettest::Numbered(set, 1, 8, 2);
        const std::vector<std::string> second = assettest::Numbered(set, 9, 16, 2);
        for (std::size_t i = 0; i < first.size(); ++i)
            ExpectMirrored(first[i], second[i]);
    }
}

TEST(GeneratedPictures, SmallRobotsFaceTheirWalkDirection)
{
    // small_homing names files 01-08 "walk_right", small_moving names them "walk_left":
    // the hornet's nose and the tread bot's bumper show which way each picture faces.
    const Image homing = Load("data/gfx/small_homing_frame_01.png");
    EXPECT_GT(AlphaNear(homing, homing.width / 2 + 18, homing.height / 2, 0), 200) << "nose towards +x";
    const Image movingRight = Load("data/gfx/small_moving_frame_09.png");
    const Image movingLeft = Load("data/gfx/small_moving_frame_01.png");
    EXPECT_GT(AlphaNear(movingRight, movingRight.width / 2 + 16, movingRight.height / 2, 0), 200) << "bumper towards +x";
    EXPECT_LT(AlphaNear(movingRight, movingRight.width / 2 - 17, movingRight.height / 2, 0), 80);
    EXPECT_GT(AlphaNear(movingLeft, movingLeft.width / 2 - 17, movingLeft.height / 2, 0), 200) << "bumper towards -x";
}

TEST(GeneratedPictures, EmptyIsFullyTransparent)
{
    const Image empty = Load("data/gfx/empty.png");
    EXPECT_EQ(empty.width, 64);
    for (int y = 0; y < empty.height; ++y) {
        for (int x = 0; x < empty.width; ++x)
            ASSERT_EQ(empty.Alpha(x, y), 0) << x << "," << y;
    }
}

TEST(GeneratedPictures, TintedPicturesAreLight)
{
    std::vector<std::string> tinted = assettest::Numbered("smoke_", 1, 5, 2);
    const std::vector<std::string> sparks = assettest::Numbered("spark_", 1, 5, 2);
    tinted.insert(tinted.end(), sparks.begin(), sparks.end());
    tinted.push_back("data/gfx/spiral.png");
    for (const std::string& name : tinted)
        EXPECT_GT(MeanOpaqueBrightness(Load(name)), 215.0) << name;
}

TEST(GeneratedPictures, ScreenSizedPictures)
{
    for (const char* name : {"data/gfx/paper_background.jpg", "data/gfx/title_screen.jpg", "data/gfx/title_backdrop.jpg"}) {
        const Image image = Load(name);
        EXPECT_EQ(image.width, 1280) << name;
        EXPECT_EQ(image.height, 720) << name;
    }
    const Image fold = Load("data/gfx/fold_shadow.png");
    EXPECT_EQ(fold.width, 1302);
    EXPECT_EQ(fold.height, 720);
    // Mostly see-through: the field must show through the shadow.
    EXPECT_LT(fold.Alpha(651 - 200, 360 - 100), 40);
}

TEST(GeneratedPictures, HealthBarFillFitsItsFrame)
{
    // The game puts the fill at the frame's corner + (5, 4) and squeezes its height by 0.875.
    const Image back = Load("data/gfx/zarn_slider_back.png");
    const Image front = Load("data/gfx/zarn_slider_front.png");
    EXPECT_EQ(front.width, back.width - 10);
    EXPECT_NEAR(front.height * 0.875, back.height - 8, 0.5);
}

TEST(GeneratedPictures, HealthBarFrameLeavesTheFillClear)
{
    // The frame is drawn over the fill: inside the window the fill must show at full strength.
    const Image back = Load("data/gfx/zarn_slider_back.png");
    for (int y = 4; y < 12; ++y) {
        for (int x = 5; x < 55; ++x)
            ASSERT_EQ(back.Alpha(x, y), 0) << "window pixel " << x << "," << y;
    }
    EXPECT_GT(back.Alpha(2, 8), 200) << "a frame round the window";
    EXPECT_GT(back.Alpha(30, 2), 200);
    const Image front = Load("data/gfx/zarn_slider_front.png");
    EXPECT_EQ(front.Alpha(front.width / 2, front.height / 2), 255) << "the fill is solid";
}

TEST(GeneratedPictures, TheHeroStandsOutFromItsPastSelves)
{
    // In every walk frame the hero is in full colour and the old guy pale and grey.
    for (int frame = 1; frame <= 6; ++frame) {
        const std::string number = std::to_string(frame) + ".png";
        const Colourfulness hero = MeanColourfulness(Load("data/gfx/zarn_guy_frame" + number));
        const Colourfulness old = MeanColourfulness(Load("data/gfx/old_guy_frame" + number));
        EXPECT_GT(hero.saturation, 0.35) << frame;
        EXPECT_LT(old.saturation, 0.08) << frame;
        EXPECT_GT(old.brightness, hero.brightness + 60.0) << frame;
    }
}

TEST(GeneratedPictures, LabelGlyphsSetOneLine)
{
    // The game lays the label's pictures side by side at one y: one height, one baseline, and
    // nothing cut off at the top or bottom.
    for (const std::string& name : assettest::LabelGlyphs()) {
        const Image glyph = Load(name);
        EXPECT_EQ(glyph.height, 28) << name;
        EXPECT_GT(glyph.width, 4) << name;
        for (int x = 0; x < glyph.width; ++x) {
            EXPECT_EQ(glyph.Alpha(x, 0), 0) << name;
            EXPECT_EQ(glyph.Alpha(x, glyph.height - 1), 0) << name;
        }
    }
    // Letters and digits that sit on the baseline end on the same row.
    const int baseline = InkRows(Load("data/gfx/hud_label_level.png")).second;
    for (const char* name : {"data/gfx/hud_digit_0.png", "data/gfx/hud_digit_1.png", "data/gfx/hud_digit_2.png"})
        EXPECT_NEAR(InkRows(Load(name)).second, baseline, 1) << name;
    // The paused note is a scrap like the press-space one.
    EXPECT_EQ(Load("data/gfx/paused.png").height, Load("data/gfx/press_space.png").height);
}

TEST(GeneratedPictures, TheMessagesKeepTheSizesTheGameCentresThem)
{
    const std::pair<const char*, std::pair<int, int>> messages[] = {{"data/gfx/press_space.png", {520, 110}},
                                                                     {"data/gfx/press_blank.png", {520, 110}},
                                                                     {"data/gfx/level_cleared.png", {700, 180}},
                                                                     {"data/gfx/paused.png", {376, 110}}};
    for (const auto& message : messages) {
        const Image image = Load(message.first);
        EXPECT_EQ(image.width, message.second.first) << message.first;
        EXPECT_EQ(image.height, message.second.second) << message.first;
    }
}

TEST(GeneratedPictures, KeyCapPiecesAreAsHighAsTheGameSetsNamesInThemAndTheirMiddleIsOneColumn)
{
    for (const datafiles::GlyphSize size : {datafiles::GlyphSize::kLarge, datafiles::GlyphSize::kSmall}) {
        const datafiles::KeyCapMetrics metrics = datafiles::KeyCapMetricsOf(size);
        const Image left = Load(datafiles::KeyCapPiece(size, datafiles::KeyCapPart::kLeft));
        const Image middle = Load(datafiles::KeyCapPiece(size, datafiles::KeyCapPart::kMiddle));
        const Image right = Load(datafiles::KeyCapPiece(size, datafiles::KeyCapPart::kRight));
        EXPECT_EQ(left.width, metrics.endWidth);
        EXPECT_EQ(right.width, metrics.endWidth);
        EXPECT_EQ(middle.width, 1);
        for (const Image* piece : {&left, &middle, &right})
            EXPECT_EQ(piece->height, metrics.height);
        EXPECT_GE(metrics.narrowest, 2 * metrics.endWidth) << "the narrowest cap still has its two ends";
        EXPECT_EQ(middle.Alpha(0, metrics.height / 2), 255) << "the face is opaque paper where the name goes";
    }
}

TEST(GeneratedPictures, LetteringGlyphsOfOneSizeLineUp)
{
    // The game sets a glyph's picture at (pen - margin, baseline - baseline row): every glyph of
    // a size is as high as the catalogue says, keeps its ink off the picture's edges, and the
    // letters stand on the catalogue's baseline, as tall as its capitals.
    const std::pair<const char*, datafiles::GlyphSize> sizes[] = {{"large", datafiles::GlyphSize::kLarge},
                                                                   {"small", datafiles::GlyphSize::kSmall}};
    for (const auto& size : sizes) {
        const datafiles::GlyphMetrics metrics = datafiles::GlyphMetricsOf(size.second);
        for (const std::string& name : assettest::Glyphs(size.first)) {
            const Image glyph = Load(name);
            EXPECT_EQ(glyph.height, metrics.height) << name;
            EXPECT_GT(glyph.width, 2 * metrics.margin) << name << ": an advance of its own";
            for (int x = 0; x < glyph.width; ++x)
                ASSERT_TRUE(glyph.Alpha(x, 0) == 0 && glyph.Alpha(x, glyph.height - 1) == 0) << name;
            for (int y = 0; y < glyph.height; ++y)
                ASSERT_TRUE(glyph.Alpha(0, y) == 0 && glyph.Alpha(glyph.width - 1, y) == 0) << name;
            if (name.find("_0020.png") == std::string::npos) {
                EXPECT_LT(MeanOpaqueBrightness(glyph, 230), 100.0) << name << ": dark ink, a tint can only darken";
            }
        }
        for (const char* letter : {"0048", "004C", "004E", "0030"}) {
            const std::string name = "data/gfx/glyph_" + std::string(size.first) + "_" + letter + ".png";
            const std::pair<int, int> rows = InkRows(Load(name));
            EXPECT_NEAR(rows.second, metrics.baseline, 2) << name;
            EXPECT_NEAR(rows.first, metrics.baseline - metrics.capHeight, 3) << name;
        }
    }
    const Image space = Load("data/gfx/glyph_large_0020.png");
    EXPECT_EQ(MeanOpaqueBrightness(space), 0.0) << "the space is blank";
}

TEST(GeneratedPictures, MenuCardPiecesJoinInAnyOrder)
{
    // The game lays the top, then bands in any order, then the bottom: each piece's last row
    // must continue as the first row of every piece that may follow it.
    const Image top = Load(datafiles::kMenuCardTop), bottom = Load(datafiles::kMenuCardBottom);
    std::vector<Image> bands;
    for (int n = 1; n <= datafiles::kMenuCardBands; ++n)
        bands.push_back(Load(datafiles::MenuCardBand(n)));
    EXPECT_EQ(top.height, datafiles::kMenuCardTopHeight);
    EXPECT_EQ(bottom.height, datafiles::kMenuCardBottomHeight);
    auto rowsDiffer = [](const Image& above, const Image& below) {
        int worst = 0;
        for (int x = 0; x < above.width; ++x) {
            for (int c = 0; c < 4; ++c) {
                const int a = above.rgba[(static_cast<std::size_t>(above.height - 1) * above.width + x) * 4 + c];
                const int b = below.rgba[static_cast<std::size_t>(x) * 4 + c];
                worst = std::max(worst, std::abs(a - b));
            }
        }
        return worst;
    };
    for (const Image& band : bands) {
        EXPECT_EQ(band.width, datafiles::kMenuCardWidth);
        EXPECT_EQ(band.height, datafiles::kMenuCardBandHeight);
        EXPECT_LT(rowsDiffer(top, band), 48);
        EXPECT_LT(rowsDiffer(band, bottom), 48);
        for (const Image& next : bands)
            EXPECT_LT(rowsDiffer(band, next), 48);
    }
    // The paper is opaque across the card, between its torn edges.
    const int middle = datafiles::kMenuCardBandHeight / 2;
    EXPECT_EQ(bands[0].Alpha(datafiles::kMenuCardPaperLeft + 4, middle), 255);
    EXPECT_EQ(bands[0].Alpha(datafiles::kMenuCardPaperRight - 4, middle), 255);
    EXPECT_EQ(bands[0].Alpha(0, middle), 0);
}

TEST(GeneratedPictures, TheSlidersNotchesAreWhereTheGameSetsItsKnob)
{
    const Image slider = Load(datafiles::kMenuSlider);
    EXPECT_EQ(slider.width, 2 * datafiles::kMenuSliderFirstNotch + 10 * datafiles::kMenuSliderNotchStep);
    for (int n = 0; n <= 10; ++n) {
        const int x = datafiles::kMenuSliderFirstNotch + n * datafiles::kMenuSliderNotchStep;
        EXPECT_GT(AlphaNear(slider, x, 12, 1), 100) << "notch " << n;
        EXPECT_LT(AlphaNear(slider, x + datafiles::kMenuSliderNotchStep / 2, 12, 1), 60) << "between notches " << n;
    }
}

TEST(GeneratedPictures, RuledLineIsThinAndBlueGrey)
{
    const Image line = Load("data/gfx/line.png");
    EXPECT_LE(line.height, 3);
    EXPECT_GE(line.width, 32);
    const uint8_t* px = &line.rgba[0];
    EXPECT_GT(px[2], px[0]) << "blue ink";
    EXPECT_GT(px[3], 64) << "visible";
}

TEST(GeneratedPictures, ContactSheetShowsTheWholeSet)
{
    // The sheet lays every picture out at up to 420 pixels a side, so it is large.
    const Image sheet = Load("contact_sheet.png");
    EXPECT_GE(sheet.width, 1280);
    EXPECT_GE(sheet.height, 720);
}
