#include "app/menu/helpcard.h"

#include "app/control/bindings.h"
#include "app/menu/menuinput.h"

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

// What the loop and the chain are, beside the controls (whose list names the keys).
struct Paragraph {
    const char* heading;
    std::vector<const char*> lines;
};
const Paragraph kParagraphs[] = {
    {"The loop", {"die, or restart the loop:", "the level starts again, and", "your past self replays the", "try before, beside you"}},
    {"The chain", {"hit by two selves within", "350 ms, a small robot blows", "up and takes its neighbours"}},
};

std::vector<Menu::Choice> NoLines() { return {}; }

} // namespace

HelpCard::HelpCard(const Platform* platform, const ControlSettings* controls, bool offersLesson)
    : MenuCard("How to play", NoLines(), controls), platform_(platform), offersLesson_(offersLesson),
      chain_(kChainCorner)
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
    lettering.Write("How to play", vector2(kVirtualWidth * 0.5f, kTitleBaseline), GlyphSize::kLarge, TextAlign::kCentre);
    lettering.Write("Controls", vector2(kLeft, kHeadingBaseline), GlyphSize::kLarge);
    float baseline = kHeadingBaseline;
    for (const Paragraph& paragraph : kParagraphs) {
        lettering.Write(paragraph.heading, vector2(kRight, baseline), GlyphSize::kLarge);
        baseline += kHeadingGap;
        for (const char* line : paragraph.lines) {
            baseline += kLineStep;
            lettering.Write(line, vector2(kRight, baseline), GlyphSize::kSmall);
        }
        baseline += kParagraphGap;
    }
    lettering.Write("clear a level: stay alive", vector2(kLeft, kClearBaseline), GlyphSize::kSmall);
    lettering.Write("until its time runs out", vector2(kLeft, kClearBaseline + kLineStep), GlyphSize::kSmall);
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
    if (command != MenuCommand::kTake || !offersLesson_)
        return Heard::kNothing;
    next_ = Change(Change::To::kLesson);
    return Heard::kShown;
}

MenuCard::Heard HelpCard::Take(int) { return Heard::kNothing; }

std::string HelpCard::Hint(const InputNames& names) const
{
    return MenuHint::Text(names, offersLesson_ ? "play the lesson" : "", "back");
}

bool HelpCard::Animate(uint32_t ms)
{
    chain_.Advance(ms);
    note_.Show(Names());
    return true;
}

void HelpCard::Draw()
{
    paper_.Draw();
    sprites_.Draw();
    noteSprites_.Draw();
    chain_.Draw();
}
