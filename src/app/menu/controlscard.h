#pragma once
// The Controls card of the options: a line for each action showing its bindings by name, as the
// device the player uses calls them ("W, Up" and "click" at the keyboard, "L stick" and "A" on a
// pad); fire held or toggled; the pad's dead zone and fire threshold; "Back to defaults" and
// "Back". Taking an action's line waits for the key, mouse button or pad button to bind to it, on
// the device that took the line: Escape cancels, Backspace (the pad's Back) clears the second key
// (the pad's binding). While it waits, the line says so in place of its keys, the card says for
// what above it, and the hint line under it names the keys that still do something. A key or
// button that another action had moves here, and the card says from where ("F5 was restart
// loop"); a change that would leave a movement action or the menu without a key is refused, and
// the card says why (above it, where the hint line under it leaves room). Every change is the player's choice through
// the settings keeper, in force at once and kept in the settings file.
#include "app/control/inputnames.h"
#include "app/text/lettering.h"
#include "app/menu/menucard.h"

#include <string>

class SettingsKeeper;

class ControlsCard : public MenuCard {
public:
    // The lines after the actions' (one per action, in the order of kActions).
    enum Line {
        kFireMode = kActionCount,
        kDeadZone,
        kFireThreshold,
        kDefaults,
        kBack,
    };

    ControlsCard(SettingsKeeper& settings, const Platform* platform);

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // While the card waits for a key: the keys that still do something then.
    std::string Hint(const InputNames& names) const override;
    // What the card says above it (a binding moved, one refused, the key it waits for).
    const std::string& Message() const { return message_; }

private:
    Heard Take(int line) override;
    Heard ChangeValue(int line, int value) override;
    // The key or button pressed while the card waits for one; the bindings shown anew after it.
    Heard Capture(const GameEvent& event);
    Heard CaptureInput(const GameEvent& event);
    Heard BindKey(Action action, const KeyInput& input);
    Heard BindPad(Action action, int32_t button);
    Heard ClearSecond(Action action);
    // Puts the controls in force and keeps them, saying the message (or that they were not saved).
    Heard Choose(const ControlSettings& controls, const std::string& message);
    void ShowBindings();
    void Say(const std::string& message);
    InputNames Names() const;

    SettingsKeeper& settings_;
    const Platform* platform_;
    bool waiting_ = false;    // for the key or button of an action
    bool waitingPad_ = false; // on the pad
    Action waitingFor_ = Action::kUp;
    bool lastHeardPad_ = false; // the last event heard came from a pad
    LastDevice shown_;
    std::string message_;
    CSpriteContainer said_;
    LetteredText saidText_;
};
