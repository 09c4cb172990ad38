#include "app/menu/helpcard.h"

#include "app/control/bindings.h"
#include "app/menu/menuinput.h"
#include "app/text/linebreaks.h"
#include "app/text/translate.h"
#include "utils/translation/textplaces.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

namespace {

using datafiles::GlyphSize;

constexpr float kTitleBaseline = 72.0f;
constexpr float kHeadingBaseline = 140.0f;
constexpr float kLeft = 90.0f;
constexpr float kRight = 630.0f; // where the loop and the chain are told
constexpr float kLineStep = 30.0f;
constexpr float kHeadingGap = 8.0f;    // more between a heading and its first line
constexpr float kParagraphGap = 58.0f; // from a paragraph's last line to the next heading
constexpr float kClearBaseline = 604.0f;
const vector2 kChainCorner(kRight, 448.0f);

// What the loop and the chain are, beside the controls (whose list names the keys): the English
// broken by hand, a translation where its own breaks say or where a line would be too wide.
struct Paragraph {
    const char* heading;
    const char* text;
    const translation::TextPlace& place;
};
const Paragraph kParagraphs[] = {
    {NoTr("help heading", "The loop"),
     NoTr("help loop", "die, or restart the loop:\nthe level starts again, and\nyour past self replays the\ntry before, beside you"),
     translation::places::kHelpLoop},
    {NoTr("help heading", "The chain"),
     NoTr("help chain", "hit by two selves within\n350 ms, a small robot blows\nup and takes its neighbours"),
     translation::places::kHelpChain},
};

// The text's lines as its place breaks them.
std::vector<std::string> LinesOf(const translation::TextPlace& place, const char* english)
{
    return BreakLines(Tr(place.name, english), place.size, static_cast<float>(place.width));
}

std::vector<Menu::Choice> NoLines() { return {}; }

} // namespace

HelpCard::HelpCard(const Platform* platform, const ControlSettings* controls, bool offersLesson,
                   const RobotsSeen& seen)
    : MenuCard(Tr("help title", "How to play"), NoLines(), controls), platform_(platform), offersLesson_(offersLesson),
      chain_(kChainCorner), robots_(seen)
{
    paper_.Init(35, 20);
    paper_.noGrid = true;
    Letter();
    note_.Show(Names());
}

ControlsNote::Layout HelpCard::NoteLayout()
{
    ControlsNote::Layout layout;
    layout.firstRow = 166.0f;
    layout.rowStep = 46.0f;
    layout.tallRowStep = 62.0f;
    layout.keysLeft = kLeft;
    layout.meaningLeft = kLeft + 180.0f;
    return layout;
}

// The headings and the paragraphs told beside the controls.
void HelpCard::Letter()
{
    Lettering lettering(sprites_);
    lettering.Write(Tr("help title", "How to play"), vector2(kVirtualWidth * 0.5f, kTitleBaseline), GlyphSize::kLarge,
                    TextAlign::kCentre);
    lettering.Write(Tr("help heading", "Controls"), vector2(kLeft, kHeadingBaseline), GlyphSize::kLarge);
    float baseline = kHeadingBaseline;
    for (const Paragraph& paragraph : kParagraphs) {
        lettering.Write(Tr("help heading", paragraph.heading), vector2(kRight, baseline), GlyphSize::kLarge);
        baseline += kHeadingGap;
        for (const std::string& line : LinesOf(paragraph.place, paragraph.text)) {
            baseline += kLineStep;
            lettering.Write(line, vector2(kRight, baseline), GlyphSize::kSmall);
        }
        baseline += kParagraphGap;
    }
    baseline = kClearBaseline;
    for (const std::string& line :
         LinesOf(translation::places::kHelpClear, NoTr("help clear", "clear a level: stay alive\nuntil its time runs out"))) {
        lettering.Write(line, vector2(kLeft, baseline), GlyphSize::kSmall);
        baseline += kLineStep;
    }
}

MenuCard::Heard HelpCard::Hear(const GameEvent& person)
{
    const GameEvent event = InMenu(controls_, person);
    MenuCommand command = MenuCommand::kNothing;
    if (event.type == GameEvent::Type::kKeyDown)
        command = KeyCommand(event.key);
    else if (event.type == GameEvent::Type::kPadDown)
        command = PadButtonCommand(event.button);
    if (command == MenuCommand::kBack)
        return Back();
    if ((command == MenuCommand::kLeft || command == MenuCommand::kRight) && !robots_.Robots().empty()) {
        onRobots_ = command == MenuCommand::kRight;
        return Heard::kShown;
    }
    if (command != MenuCommand::kTake || !offersLesson_)
        return Heard::kNothing;
    next_ = Change(Change::To::kLesson);
    return Heard::kShown;
}

MenuCard::Heard HelpCard::Take(int) { return Heard::kNothing; }

std::string HelpCard::Hint(const InputNames& names) const
{
    const std::string hint =
        MenuHint::Text(names, offersLesson_ ? NoTr("hint", "play the lesson") : "", NoTr("hint", "back"));
    if (robots_.Robots().empty())
        return hint;
    const std::string turn = onRobots_
                                 ? names.KeyOrButton(gamekeys::kLeft, pads::kDpadLeft) + ": " + Tr("hint", "how to play")
                                 : names.KeyOrButton(gamekeys::kRight, pads::kDpadRight) + ": " + Tr("hint", "robots met");
    return turn + " \u00B7 " + hint;
}

bool HelpCard::Animate(uint32_t ms)
{
    chain_.Advance(ms);
    robots_.Animate(ms);
    note_.Show(Names());
    return true;
}

void HelpCard::Draw()
{
    paper_.Draw();
    if (onRobots_) {
        robots_.Draw();
        return;
    }
    sprites_.Draw();
    noteSprites_.Draw();
    chain_.Draw();
}
