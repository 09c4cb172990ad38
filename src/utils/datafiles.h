#pragma once
// The names of the game's data files, each written once: the game reads its pictures, sounds,
// music and level list by these names, and tools/assetgen draws and synthesises the generated
// ones under the same names. Every name is relative to the data root.
#include <string>
#include <string_view>

namespace datafiles {

// A picture with words in it, in a language other than English: "data/gfx/fr/paused.png" for
// "data/gfx/paused.png" in French (the code of utils/translation/languages.h); English's is the
// picture itself.
std::string InLanguage(const std::string& picture, const std::string& code);

// The level list and the music.
inline constexpr const char* kLevelList = "data/levels.xml";
inline constexpr const char* kMusic = "data/sfx/tandrel_-_entering_evil_base.ogg";

// The sound effects: every "data/sfx/*.wav" is loaded at start-up, four of them are played.
inline constexpr const char* kEffectFolder = "data/sfx/";
inline constexpr const char* kEffectPattern = "data/sfx/*.wav";
inline constexpr const char* kSmallExplosionSound = "data/sfx/small_explosion.wav";
inline constexpr const char* kBigExplosionSound = "data/sfx/big_explosion.wav";
inline constexpr const char* kBigBadShotSound = "data/sfx/big_bad_shot.wav";
inline constexpr const char* kPlayerFireLoopSound = "data/sfx/player_fire_2.wav";
// The menus' two short sounds: the mark moving to another line (or a value changing), and a
// choice being taken.
inline constexpr const char* kMenuMoveSound = "data/sfx/menu_move.wav";
inline constexpr const char* kMenuTakeSound = "data/sfx/menu_take.wav";
// The later robot kinds' own sounds: a shot glancing off armour (the shield bot's, the hive's and
// the sower's), a lone twin humming at a hit its partner did not share, a phantom's fading death,
// a hive hatching and a sower laying a mine.
inline constexpr const char* kArmourClankSound = "data/sfx/armour_clank.wav";
inline constexpr const char* kTwinHumSound = "data/sfx/twin_hum.wav";
inline constexpr const char* kPhantomFadeSound = "data/sfx/phantom_fade.wav";
inline constexpr const char* kHiveHatchSound = "data/sfx/hive_hatch.wav";
inline constexpr const char* kMineDropSound = "data/sfx/mine_drop.wav";

// Whole-screen pictures and the paper.
inline constexpr const char* kTitleScreen = "data/gfx/title_screen.jpg";
inline constexpr const char* kPaperBackground = "data/gfx/paper_background.jpg";
inline constexpr const char* kRuledLine = "data/gfx/line.png";
inline constexpr const char* kFoldShadow = "data/gfx/fold_shadow.png";

// The overlay, its messages and the level label.
inline constexpr const char* kCrosshair = "data/gfx/crosshair.png";
inline constexpr const char* kTimeSliderBack = "data/gfx/time_slider_back.png";
inline constexpr const char* kTimeSliderKnob = "data/gfx/time_slider.png";
inline constexpr const char* kPressSpace = "data/gfx/press_space.png";
inline constexpr const char* kLevelCleared = "data/gfx/level_cleared.png";
inline constexpr const char* kPaused = "data/gfx/paused.png";
inline constexpr const char* kLabelLevel = "data/gfx/hud_label_level.png";
inline constexpr const char* kLabelLoop = "data/gfx/hud_label_loop.png";
inline constexpr const char* kLabelSlash = "data/gfx/hud_label_slash.png";
inline constexpr const char* kLabelDot = "data/gfx/hud_label_dot.png";
// The label's digit 0 to 9.
std::string LabelDigit(int digit);

// The glyphs text is lettered from (app/text/lettering.h): one picture per character, in two sizes,
// in the hand-lettered capitals of the label and the title. Every glyph of one size is `height`
// pixels high with its baseline on row `baseline` (counted from the top); its width is its
// advance plus `margin` pixels on each side, which hold the ink that reaches past the advance
// and the paper halo round it. capHeight is how tall the capitals stand above the baseline.
enum class GlyphSize { kLarge, kSmall };
struct GlyphMetrics {
    int height;
    int baseline;
    int margin;
    int capHeight;
};
GlyphMetrics GlyphMetricsOf(GlyphSize size);
// Every character with a glyph: the capitals, the digits, the space, the punctuation menus
// need (and links typed or pasted: "_" is the typing line's cursor), the times sign (U+00D7, "1280 × 720"), the middle dot (U+00B7, "3 loops · best 2") and the
// hourglass (U+231B) that marks a record of a game played slower than full speed.
// The build draws one for every character of the translations (po/) besides.
inline constexpr std::u32string_view kGlyphCharacters =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;!?-+/()'%_#=&@\u00D7\u00B7\u231B";
// "data/gfx/glyph_large_0041.png": the size, then the character's code point in four hex digits.
std::string Glyph(GlyphSize size, char32_t character);

// The menus' furniture (app/menu/menu.h). The card a menu sits on is set from pieces laid one under
// the other, all kMenuCardWidth wide: the top (with the title's room and its underline), one
// band for each line of choices (the band pictures 1 to kMenuCardBands, in turn) and the
// bottom. The pieces join without a seam in any order.
inline constexpr int kMenuCardWidth = 800;
inline constexpr int kMenuCardTopHeight = 96;
inline constexpr int kMenuCardBandHeight = 52;
inline constexpr int kMenuCardBottomHeight = 40;
inline constexpr int kMenuCardBands = 3;
inline constexpr const char* kMenuCardTop = "data/gfx/menu_card_top.png";
inline constexpr const char* kMenuCardBottom = "data/gfx/menu_card_bottom.png";
std::string MenuCardBand(int n);
// Where the lines go on the card: the title's baseline in the top piece, a choice's baseline in
// its band (on the band's ruled line), the red margin line's x, left of which the mark sits, and
// the paper's left and right edges (the pictures hold the card's shadow beyond them).
inline constexpr int kMenuCardTitleBaseline = 64;
inline constexpr int kMenuCardLineBaseline = 38;
inline constexpr int kMenuCardMargin = 92;
inline constexpr int kMenuCardPaperLeft = 10;
inline constexpr int kMenuCardPaperRight = 786;
// The arrow in the card's margin that marks the chosen line.
inline constexpr const char* kMenuMark = "data/gfx/menu_mark.png";
// Marks at a line's right end: a locked level, a cleared one, a new record, a level's medal or
// both its medals.
inline constexpr const char* kMenuPadlock = "data/gfx/menu_padlock.png";
inline constexpr const char* kMenuTick = "data/gfx/menu_tick.png";
inline constexpr const char* kMenuStar = "data/gfx/menu_star.png";
inline constexpr const char* kMenuMedal = "data/gfx/menu_medal.png";
inline constexpr const char* kMenuMedals = "data/gfx/menu_medals.png";
// An on/off value: the box, and the tick (kMenuTick) drawn into it when on.
inline constexpr const char* kMenuBox = "data/gfx/menu_box.png";
// A 0 to 10 value: the slider's bar with its ends and eleven notches, and its knob.
inline constexpr const char* kMenuSlider = "data/gfx/menu_slider.png";
inline constexpr const char* kMenuSliderKnob = "data/gfx/menu_slider_knob.png";
// Where the slider's notches are: notch n (0 to 10) is kMenuSliderFirstNotch + n *
// kMenuSliderNotchStep pixels from the bar picture's left edge.
inline constexpr int kMenuSliderFirstNotch = 14;
inline constexpr int kMenuSliderNotchStep = 20;
// The small arrows either side of a value picked from a list, and above and below a list that
// scrolls (the right one turned a quarter).
inline constexpr const char* kMenuArrowLeft = "data/gfx/menu_arrow_left.png";
inline constexpr const char* kMenuArrowRight = "data/gfx/menu_arrow_right.png";

// Key caps the game letters the name of a key or a pad's button into (app/text/keycaps.h), in the
// two glyph sizes. A cap is set from its left end, its middle (one column, stretched to the
// name's width) and its right end; the name, lettered in the glyphs of the same size, is
// centred on it with its baseline on the cap's baseline row.
enum class KeyCapPart { kLeft, kMiddle, kRight };
struct KeyCapMetrics {
    int height;
    int endWidth;  // of the left and of the right end
    int baseline;  // the row the name's baseline lies on
    int padding;   // between the name and either end of the cap's face
    int narrowest; // the least a cap is wide, for a name of one letter
};
KeyCapMetrics KeyCapMetricsOf(GlyphSize size);
std::string KeyCapPiece(GlyphSize size, KeyCapPart part);

// "press" on its scrap with room for a key cap where "press space" has its space bar: the game
// sets the cap of the key or button that continues there, its middle on kPressKeyMiddle, between
// kPressKeyLeft and kPressKeyRight.
inline constexpr const char* kPressBlank = "data/gfx/press_blank.png";
inline constexpr int kPressKeyLeft = 196;
inline constexpr int kPressKeyRight = 492;
inline constexpr int kPressKeyMiddle = 56;

// "level cleared!" on its banner without the line under it that says how to move on: the game
// letters that line there in the key or button the player moves on with, centred, its baseline
// on kClearedWayOnBaseline.
inline constexpr const char* kLevelClearedBlank = "data/gfx/level_cleared_blank.png";
inline constexpr int kClearedWayOnBaseline = 152;
// A scrap of the banner's paper with nothing on it, laid under the banner for the records of a
// clear that the game letters on it.
inline constexpr const char* kClearNotePaper = "data/gfx/clear_note_paper.png";
inline constexpr int kClearNotePaperWidth = 700;
inline constexpr int kClearNotePaperHeight = 190;

// The title without its controls, which the game letters over it in the keys and buttons of the
// player's own keyboard or pad: the rows of the controls' note start at kHelpFirstRow (the top of
// the first row's key caps), kHelpRowStep apart (kHelpTallRowStep for one that takes two lines),
// the keys at kHelpKeysLeft and what they do at kHelpMeaningLeft.
inline constexpr const char* kTitleBackdrop = "data/gfx/title_backdrop.jpg";
inline constexpr int kHelpFirstRow = 374;
inline constexpr int kHelpRowStep = 44;
inline constexpr int kHelpTallRowStep = 56;
inline constexpr int kHelpKeysLeft = 96;
inline constexpr int kHelpMeaningLeft = 300;

// The drawings beside the ending's table: the game's own list's, the second notebook's, and the
// plain one of any other book. kEndingPictureWidth x kEndingPictureHeight pixels each.
inline constexpr const char* kEndingNotebookOne = "data/gfx/ending_notebook_one.png";
inline constexpr const char* kEndingNotebookTwo = "data/gfx/ending_notebook_two.png";
inline constexpr const char* kEndingAnyBook = "data/gfx/ending_any_book.png";
inline constexpr int kEndingPictureWidth = 330;
inline constexpr int kEndingPictureHeight = 400;

// The health bar over a damaged character.
inline constexpr const char* kHealthBarFill = "data/gfx/zarn_slider_front.png";
inline constexpr const char* kHealthBarFrame = "data/gfx/zarn_slider_back.png";

// Bullets: the hero's, and the big_bad's shot, which pulses through frames 1 to 3.
inline constexpr const char* kHeroBullet = "data/gfx/zarn_guy_bullet.png";
std::string BigBadBullet(int frame);

// The pieces effects are made of, numbered from 1: robot parts 1-4, smoke 1-5, sparks 1-5,
// blood drops 1-8; the spiral of a new hero's arrival; and the empty picture.
std::string RobotPart(int n);
std::string Smoke(int n);
std::string Spark(int n);
std::string BloodDrop(int n);
inline constexpr const char* kSpiral = "data/gfx/spiral.png";
inline constexpr const char* kEmpty = "data/gfx/empty.png";

// The animated bodies, numbered from 1: the hero, the old guy and big_bad walk in frames 1-7
// (1-3 facing right, 4-6 their mirror images, 7 fallen), the two corpses in 1-6, the small robots
// in 1-16 (written with two digits). The later robot kinds (written with two digits) go in frames
// 1-8 facing right and, for those that turn (all but the hive and the mine), 9-16 their mirror
// images.
enum class FrameSet {
    kHero,
    kOldGuy,
    kBigBad,
    kHeroCorpse,
    kOldGuyCorpse,
    kSmallHoming,
    kSmallMoving,
    kShieldBot,
    kTwinBot,
    kPhantom,
    kHive,
    kHatchling,
    kSower,
    kMine,
};
std::string Frame(FrameSet set, int n);
// The crackling wire between two twins, frames 1-3: one length of it along +x, stretched to the
// distance between them.
std::string TwinWire(int frame);

} // namespace datafiles
