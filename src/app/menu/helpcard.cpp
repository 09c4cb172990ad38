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
constexpr float kParagraphGap = 58.0f; // from a paragraph's last line to the next heading
constexpr float kClearBaseline = 604.0f;
const vector2 kChainCorner(kRight, 420.0f);

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

// The headings and paragraphs, with the key that restarts the loop as the player has it.
void HelpCard::Letter()
{
    restartKey_ = Names().Action(Action::kRestartLoop);
    lines_ = {"die or press " + restartKey_ + ": the level", "starts again, and your past", "self replays your last try",
              "hit by two selves within", "350 ms, a small robot blows", "up and takes its neighbours"};
    sprites_.Clear();
    Lettering lettering(sprites_);
    lettering.Write("How to play", vector2(kVirtualWidth * 0.5f, kTitleBaseline), GlyphSize::kLarge, TextAlign::kCentre);
    lettering.Write("Controls", vector2(kLeft, kHeadingBaseline), GlyphSize::kLarge);
    float baseline = kHeadingBaseline;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i % 3 == 0) {
            baseline += i == 0 ? 0.0f : kParagraphGap;
            lettering.Write(i == 0 ? "The loop" : "The chain", vector2(kRight, baseline), GlyphSize::kLarge);
            baseline += 8.0f;
        }
        baseline += kLineStep;
        lettering.Write(lines_[i], vector2(kRight, baseline), GlyphSize::kSmall);
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
    if (Names().Action(Action::kRestartLoop) != restartKey_)
        Letter();
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
