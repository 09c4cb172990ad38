#include "app/menu/controlscard.h"

#include "app/profile/settingskeeper.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

#include <cctype>
#include <vector>

namespace {

constexpr int kPercentStep = 5; // a slider's notch, of the dead zone and the fire threshold
// What the card says goes above it, clear of the hint line under it.
constexpr float kMessageAbove = 30.0f;

std::string Capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// The action as the card names it, in the language spoken.
std::string Named(Action action) { return Tr("menu line", ActionLabel(action)); }

bool Essential(Action action)
{
    return action == Action::kUp || action == Action::kDown || action == Action::kLeft || action == Action::kRight ||
           action == Action::kMenu;
}

bool HasKey(const ControlSettings& controls, Action action)
{
    for (const KeyInput& input : controls.KeysOf(action)) {
        if (!input.Empty())
            return true;
    }
    return false;
}

Menu::Choice Plain(const std::string& label)
{
    Menu::Choice choice;
    choice.label = label;
    return choice;
}

Menu::Choice Slider(const std::string& label, int percent)
{
    Menu::Choice choice = Plain(label);
    choice.kind = Menu::ValueKind::kSlider;
    choice.value = percent / kPercentStep;
    return choice;
}

std::vector<Menu::Choice> Lines(const ControlSettings& controls)
{
    std::vector<Menu::Choice> lines;
    for (Action action : kActions)
        lines.push_back(Plain(Capitalised(Named(action))));
    Menu::Choice fire = Plain(Tr("option line", "Fire mode"));
    fire.kind = Menu::ValueKind::kList;
    fire.items = {Tr("menu value", "hold"), Tr("menu value", "toggle")};
    fire.value = controls.toggleFire ? 1 : 0;
    lines.push_back(fire);
    lines.push_back(Slider(Tr("option line", "Pad dead zone"), controls.padDeadZone));
    lines.push_back(Slider(Tr("option line", "Pad fire at"), controls.padFireThreshold));
    lines.push_back(Plain(Tr("menu line", "Back to defaults")));
    lines.push_back(Plain(Tr("menu line", "Back")));
    return lines;
}

} // namespace

ControlsCard::ControlsCard(SettingsKeeper& settings, const Platform* platform)
    : MenuCard(Tr("menu title", "Controls"), Lines(settings.InForce().controls), &settings.InForce().controls), settings_(settings),
      platform_(platform)
{
    ShowBindings();
}

InputNames ControlsCard::Names() const { return InputNames(platform_, &settings_.InForce().controls); }

MenuCard::Heard ControlsCard::Hear(const GameEvent& event)
{
    if (waiting_)
        return Capture(event);
    if (event.type == GameEvent::Type::kKeyDown || event.type == GameEvent::Type::kMouseDown ||
        event.type == GameEvent::Type::kPadDown)
        lastHeardPad_ = event.IsPad();
    const bool deviceChanged = Names().Device() != shown_;
    if (deviceChanged)
        ShowBindings();
    const Heard heard = MenuCard::Hear(event);
    return deviceChanged && heard == Heard::kNothing ? Heard::kShown : heard;
}

void ControlsCard::Draw()
{
    MenuCard::Draw();
    said_.Draw();
}

void ControlsCard::Say(const std::string& message)
{
    message_ = message;
    saidText_.Remove();
    const vector2 anchor(kVirtualWidth * 0.5f, menu_.CardBox().y - kMessageAbove);
    saidText_ = Lettering(said_).Write(message, anchor, datafiles::GlyphSize::kSmall, TextAlign::kCentre);
}

void ControlsCard::ShowBindings()
{
    const InputNames names = Names();
    shown_ = names.Device();
    const ControlSettings& controls = settings_.InForce().controls;
    for (Action action : kActions) {
        Menu::Choice line = menu_.ChoiceAt(static_cast<int>(action));
        if (names.PadInUse()) {
            line.note = names.Pad(action);
        } else {
            line.note.clear();
            for (const KeyInput& input : controls.KeysOf(action)) {
                if (!input.Empty())
                    line.note += (line.note.empty() ? "" : ", ") + names.Input(input);
            }
            line.note = line.note.empty() ? "-" : line.note;
        }
        if (waiting_ && action == waitingFor_)
            line.note = waitingPad_ ? Tr("menu note", "press a button") : Tr("menu note", "press a key");
        menu_.SetChoice(static_cast<int>(action), line);
    }
}

MenuCard::Heard ControlsCard::Take(int line)
{
    if (line < kActionCount) {
        waiting_ = true;
        waitingPad_ = lastHeardPad_;
        waitingFor_ = kActions[static_cast<std::size_t>(line)];
        Say(Fill(waitingPad_ ? Tr("card note", "press a pad button for %s") : Tr("card note", "press a key for %s"),
                 {Named(waitingFor_)}));
        ShowBindings();
        return Heard::kShown;
    }
    if (line == kDefaults) {
        const Heard heard = Choose(ControlSettings::Defaults(), Tr("card note", "the game's own controls"));
        menu_.SetChoice(kFireMode, Lines(ControlSettings::Defaults())[kFireMode]);
        menu_.SetChoice(kDeadZone, Lines(ControlSettings::Defaults())[kDeadZone]);
        menu_.SetChoice(kFireThreshold, Lines(ControlSettings::Defaults())[kFireThreshold]);
        return heard;
    }
    return line == kBack ? Back() : Heard::kShown;
}

MenuCard::Heard ControlsCard::ChangeValue(int line, int value)
{
    ControlSettings controls = settings_.InForce().controls;
    if (line == kFireMode)
        controls.toggleFire = value == 1;
    else if (line == kDeadZone)
        controls.padDeadZone = value * kPercentStep;
    else if (line == kFireThreshold)
        controls.padFireThreshold = value * kPercentStep;
    else
        return Heard::kShown;
    return Choose(controls, "");
}

MenuCard::Heard ControlsCard::Capture(const GameEvent& event)
{
    const Heard heard = CaptureInput(event);
    if (!waiting_)
        ShowBindings();
    return heard;
}

MenuCard::Heard ControlsCard::CaptureInput(const GameEvent& event)
{
    using Type = GameEvent::Type;
    if (event.IsKeyDown(gamekeys::kEscape)) {
        waiting_ = false;
        Say("");
        return Heard::kShown;
    }
    if (waitingPad_) {
        if (event.type != Type::kPadDown)
            return Heard::kNothing;
        waiting_ = false;
        return event.button == pads::kBack ? ClearSecond(waitingFor_) : BindPad(waitingFor_, event.button);
    }
    if (event.type == Type::kKeyDown) {
        waiting_ = false;
        return event.key == gamekeys::kBackspace ? ClearSecond(waitingFor_) : BindKey(waitingFor_, KeyInput::Key(event.key));
    }
    if (event.type == Type::kMouseDown) {
        waiting_ = false;
        return BindKey(waitingFor_, KeyInput::Mouse(event.button));
    }
    return Heard::kNothing;
}

MenuCard::Heard ControlsCard::BindKey(Action action, const KeyInput& input)
{
    ControlSettings controls = settings_.InForce().controls;
    std::array<KeyInput, ControlSettings::kSlots>& keys = controls.KeysOf(action);
    if (keys[0] == input) {
        Say("");
        return Heard::kShown;
    }
    std::string message;
    Action owner;
    if (controls.ActionOfKey(input, owner) && owner != action) {
        for (KeyInput& bound : controls.KeysOf(owner)) {
            if (bound == input)
                bound = KeyInput();
        }
        if (controls.KeysOf(owner)[0].Empty())
            std::swap(controls.KeysOf(owner)[0], controls.KeysOf(owner)[1]);
        if (Essential(owner) && !HasKey(controls, owner)) {
            Say(Fill(Tr("card note", "%s is the only key of %s, which needs one"), {Names().Input(input), Named(owner)}));
            return Heard::kShown;
        }
        message = Fill(Tr("card note", "%s was %s"), {Names().Input(input), Named(owner)});
    }
    keys = {input, keys[0] == input ? keys[1] : keys[0]};
    return Choose(controls, message);
}

MenuCard::Heard ControlsCard::BindPad(Action action, int32_t button)
{
    ControlSettings controls = settings_.InForce().controls;
    std::string message;
    Action owner;
    if (controls.ActionOfPadButton(button, owner) && owner != action) {
        controls.PadOf(owner) = ControlSettings::Defaults().PadOf(owner).kind == PadInput::Kind::kOwnWay ? PadInput::OwnWay()
                                                                                                        : PadInput();
        message = Fill(Tr("card note", "%s was %s"), {Names().Button(button), Named(owner)});
    }
    controls.PadOf(action) = PadInput::Button(button);
    return Choose(controls, message);
}

MenuCard::Heard ControlsCard::ClearSecond(Action action)
{
    ControlSettings controls = settings_.InForce().controls;
    if (waitingPad_)
        controls.PadOf(action) = ControlSettings::Defaults().PadOf(action).kind == PadInput::Kind::kOwnWay ? PadInput::OwnWay()
                                                                                                          : PadInput();
    else
        controls.KeysOf(action)[1] = KeyInput();
    return Choose(controls, "");
}

MenuCard::Heard ControlsCard::Choose(const ControlSettings& controls, const std::string& message)
{
    Settings chosen = settings_.InForce();
    chosen.controls = controls;
    const bool kept = settings_.Choose(chosen);
    ShowBindings();
    Say(kept ? message : Tr("card note", "settings not saved"));
    return Heard::kSettingsChanged;
}

std::string ControlsCard::Hint(const InputNames& names) const
{
    if (!waiting_)
        return MenuCard::Hint(names);
    const std::string cancel = names.Key(gamekeys::kEscape) + ": " + Tr("hint", "cancel");
    if (waitingPad_)
        return names.Button(pads::kBack) + ": " + Tr("hint", "clear it") + " \u00B7 " + cancel;
    return cancel + " \u00B7 " + names.Key(gamekeys::kBackspace) + ": " + Tr("hint", "clear the second");
}
