#pragma once
// The controls' lines of the settings file (app/profile/settingsfile.h), stored by name so that the file
// means the same on every layout and every pad:
//
//     bind_up = W, Up               one or two keys or mouse buttons ("Mouse Left"), or none
//     pad_continue = pad            a pad button ("a", "start", "dpup"), "pad" or "none"
//     fire_mode = hold              hold or toggle
//     pad_dead_zone = 25            0 to 50 (per cent)
//     pad_fire_threshold = 50       0 to 50 (per cent)
//
// A line that names no key, names one twice, more than two, a key or button that an earlier line
// has bound to another action, or a key a movement action or the menu holds without a line of
// its own ("bind_fire = W" alone would take W from up), is named with its line and its action
// keeps its defaults; any other action without a line keeps the defaults that no line took. No
// key or button is ever bound to two actions once the file is read, and the movement actions and
// the menu always keep a key.
#include "app/control/controls.h"
#include "utils/playerfile.h"

#include <string>
#include <vector>

class ControlsReader {
public:
    // Takes a line of the controls (true); false for a key that is not theirs. A value that
    // cannot be read is a problem of the line at once.
    bool Read(int line, const std::string& key, const std::string& value, std::vector<kolm::FileProblem>& problems);
    // The controls the lines give, with the problems of bindings that clash.
    ControlSettings Settle(std::vector<kolm::FileProblem>& problems) const;

private:
    struct KeyLine {
        int line;
        Action action;
        std::vector<KeyInput> inputs;
    };
    struct PadLine {
        int line;
        Action action;
        PadInput input;
    };

    bool ReadKeys(int line, Action action, const std::string& value, std::vector<kolm::FileProblem>& problems);
    bool ReadPad(int line, Action action, const std::string& value, std::vector<kolm::FileProblem>& problems);
    bool ReadOther(int line, const std::string& key, const std::string& value, std::vector<kolm::FileProblem>& problems);
    void SettleKeys(ControlSettings& controls, std::vector<kolm::FileProblem>& problems) const;
    static std::string TakenFromEssential(const KeyLine& line, const std::vector<KeyLine>& lines);
    static std::vector<KeyLine> LeavingEssentialKeys(const std::vector<KeyLine>& lines,
                                                     std::vector<kolm::FileProblem>& problems);
    static std::vector<KeyInput> BoundBy(const std::vector<KeyLine>& lines);
    static std::array<KeyInput, ControlSettings::kSlots> KeysFor(Action action, const std::vector<KeyLine>& lines,
                                                                 const std::vector<KeyInput>& bound);
    void SettlePad(ControlSettings& controls, std::vector<kolm::FileProblem>& problems) const;

    std::vector<KeyLine> keyLines_;
    std::vector<PadLine> padLines_;
    ControlSettings others_ = ControlSettings::Defaults(); // fire mode, dead zone, threshold
};

// The controls as the file keeps them: every action's keys and pad binding, then the rest.
std::string FormatControls(const ControlSettings& controls);
