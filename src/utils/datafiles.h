#pragma once
// The names of the game's data files, each written once: the game reads its pictures, sounds,
// music and level list by these names, and tools/assetgen draws and synthesises the generated
// ones under the same names. Every name is relative to the data root.
#include <string>

namespace datafiles {

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
// in 1-16 (written with two digits).
enum class FrameSet { kHero, kOldGuy, kBigBad, kHeroCorpse, kOldGuyCorpse, kSmallHoming, kSmallMoving };
std::string Frame(FrameSet set, int n);

} // namespace datafiles
