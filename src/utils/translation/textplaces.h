#pragma once
// The places the game letters its words in, each with the glyph size it letters them at, how
// wide a line may be there (in pixels of the 1280 x 720 picture) and how many lines it holds.
// Every translatable message names its place (gettext's msgctxt, app/text/translate.h), and a
// test letters every translation into its place with the game's own glyphs: a line wider than
// the place, or more lines than it holds, fails the build's tests. The words of a picture drawn
// at build time (tools/assetgen) are made smaller there to fit, and the page's words are the
// browser's; neither is measured.
#include "utils/datafiles.h"

#include <string_view>

namespace translation {

struct TextPlace {
    const char* name;
    datafiles::GlyphSize size;
    int width;
    int lines;
    enum class Kind { kLettered, kPicture, kPage } kind = Kind::kLettered;
};

namespace places {
using datafiles::GlyphSize;
using Kind = TextPlace::Kind;
// A menu card: its title; a line's label (a plain line; one with a value at its right end: a
// slider, a switch or a list); a list's item; the small note at a line's right end. A line with
// a value is measured beside it on its card as well (the option cards' fit test).
inline constexpr TextPlace kMenuTitle{"menu title", GlyphSize::kLarge, 700, 1};
inline constexpr TextPlace kMenuLine{"menu line", GlyphSize::kLarge, 650, 1};
inline constexpr TextPlace kOptionLine{"option line", GlyphSize::kLarge, 650, 1};
inline constexpr TextPlace kMenuValue{"menu value", GlyphSize::kLarge, 420, 1};
inline constexpr TextPlace kMenuNote{"menu note", GlyphSize::kSmall, 420, 1};
// The hint line under a card, a key's meaning at a time ("take", "back"), and a line said
// above or under a card ("F5 was restart loop", the settings file's problems).
inline constexpr TextPlace kHint{"hint", GlyphSize::kSmall, 1000, 1};
inline constexpr TextPlace kCardNote{"card note", GlyphSize::kSmall, 1200, 1};
// What a key does, beside its cap: on the title's note and on the How to play sheet.
inline constexpr TextPlace kControlsNote{"controls note", GlyphSize::kSmall, 330, 2};
// The How to play sheet: its title, a heading, the loop told in a paragraph, the chain in a
// shorter one, and how a level is cleared under the controls; the labels of the chain's picture.
inline constexpr TextPlace kHelpTitle{"help title", GlyphSize::kLarge, 1100, 1};
inline constexpr TextPlace kHelpHeading{"help heading", GlyphSize::kLarge, 520, 1};
inline constexpr TextPlace kHelpLoop{"help loop", GlyphSize::kSmall, 560, 4};
inline constexpr TextPlace kHelpChain{"help chain", GlyphSize::kSmall, 560, 3};
inline constexpr TextPlace kHelpClear{"help clear", GlyphSize::kSmall, 520, 2};
inline constexpr TextPlace kPictureLabel{"picture label", GlyphSize::kSmall, 240, 1};
// A later robot kind's line on how to beat it, beside its picture on the card that introduces it
// and on How to play's page of the kinds met.
inline constexpr TextPlace kRobotNote{"robot note", GlyphSize::kSmall, 520, 3};
// The lesson's prompt: its title, a line (with key caps in it), and the footer.
inline constexpr TextPlace kLessonTitle{"lesson title", GlyphSize::kLarge, 1000, 1};
inline constexpr TextPlace kLessonLine{"lesson line", GlyphSize::kSmall, 1100, 1};
// Play: the line on the cleared banner, the records under it, the notes while paused.
inline constexpr TextPlace kBanner{"banner", GlyphSize::kSmall, 640, 1};
inline constexpr TextPlace kClearNote{"clear note", GlyphSize::kSmall, 1100, 1};
inline constexpr TextPlace kPauseNote{"pause note", GlyphSize::kSmall, 900, 1};
// The ending: its heading, the column heads, a row's words, the hint at the bottom.
inline constexpr TextPlace kEndingHeading{"ending heading", GlyphSize::kLarge, 1100, 1};
inline constexpr TextPlace kEndingColumn{"ending column", GlyphSize::kSmall, 330, 1};
inline constexpr TextPlace kEndingRow{"ending row", GlyphSize::kSmall, 300, 1};
// The count of the medals won, under the heading.
inline constexpr TextPlace kEndingCount{"ending count", GlyphSize::kSmall, 800, 1};
// The name of a level of the game's own notebooks, as the Levels card letters it on a line after
// its number ("20. "), the widest it is lettered.
inline constexpr TextPlace kLevelName{"level name", GlyphSize::kLarge, 600, 1};
// The replay watcher's bar: its words over the line, and its keys' meanings.
inline constexpr TextPlace kReplayBar{"replay bar", GlyphSize::kSmall, 1200, 1};
// The editor: the level's words and the bot's figures at the top right, the keys' meanings
// at the left over the time line, a note in the middle.
inline constexpr TextPlace kEditorLine{"editor line", GlyphSize::kSmall, 1150, 1};
// Pictures drawn with their words at build time, and the web page's words.
inline constexpr TextPlace kTitlePicture{"title picture", GlyphSize::kLarge, 0, 2, Kind::kPicture};
inline constexpr TextPlace kPressPicture{"press picture", GlyphSize::kLarge, 0, 1, Kind::kPicture};
inline constexpr TextPlace kClearedPicture{"cleared picture", GlyphSize::kLarge, 0, 1, Kind::kPicture};
inline constexpr TextPlace kPausedPicture{"paused picture", GlyphSize::kLarge, 0, 1, Kind::kPicture};
inline constexpr TextPlace kLabelPicture{"label picture", GlyphSize::kSmall, 0, 1, Kind::kPicture};
inline constexpr TextPlace kPage{"page", GlyphSize::kSmall, 0, 0, Kind::kPage};
} // namespace places

inline constexpr TextPlace kTextPlaces[] = {
    places::kEndingCount,   places::kMenuTitle,     places::kMenuLine,     places::kOptionLine,    places::kMenuValue,
    places::kMenuNote,      places::kHint,         places::kCardNote,      places::kControlsNote,
    places::kHelpTitle,     places::kHelpHeading,  places::kHelpLoop,      places::kHelpChain,
    places::kHelpClear,     places::kPictureLabel, places::kLessonTitle,   places::kLessonLine,
    places::kBanner,        places::kClearNote,    places::kPauseNote,     places::kEndingHeading,
    places::kEndingColumn,  places::kEndingRow,    places::kReplayBar,     places::kEditorLine,
    places::kTitlePicture,  places::kPressPicture, places::kClearedPicture, places::kPausedPicture,
    places::kLabelPicture,  places::kPage,          places::kRobotNote,     places::kLevelName,
};

// The place of the name, or null for a name no place has.
const TextPlace* PlaceNamed(std::string_view name);

} // namespace translation
