#include "app/control/controlsfile.h"

#include "utils/stringutils.h"

#include <algorithm>
#include <map>

namespace {

constexpr const char* kFireMode = "fire_mode";
constexpr const char* kDeadZone = "pad_dead_zone";
constexpr const char* kFireThreshold = "pad_fire_threshold";

std::vector<std::string> Names(const std::string& value)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        names.push_back(kolm::Trim(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            return names;
        start = comma + 1;
    }
}

template <typename Line>
std::vector<Line> LastOfEachAction(const std::vector<Line>& lines)
{
    std::vector<Line> last;
    for (const Line& line : lines) {
        last.erase(std::remove_if(last.begin(), last.end(), [&line](const Line& l) { return l.action == line.action; }),
                   last.end());
        last.push_back(line);
    }
    std::sort(last.begin(), last.end(), [](const Line& a, const Line& b) { return a.line < b.line; });
    return last;
}

bool Holds(const std::vector<KeyInput>& inputs, const KeyInput& input)
{
    return std::find(inputs.begin(), inputs.end(), input) != inputs.end();
}

std::string Problem(const std::string& what) { return what + "; line ignored, its action keeps its default"; }

} // namespace

std::vector<KeyInput> ControlsReader::BoundBy(const std::vector<KeyLine>& lines)
{
    std::vector<KeyInput> bound;
    for (const KeyLine& line : lines)
        bound.insert(bound.end(), line.inputs.begin(), line.inputs.end());
    return bound;
}

// The action's own line, or its defaults but those that lines bound.
std::array<KeyInput, ControlSettings::kSlots> ControlsReader::KeysFor(Action action, const std::vector<KeyLine>& lines,
                                                                     const std::vector<KeyInput>& bound)
{
    std::array<KeyInput, ControlSettings::kSlots> keys{};
    const auto own = std::find_if(lines.begin(), lines.end(), [action](const KeyLine& l) { return l.action == action; });
    int slot = 0;
    if (own != lines.end()) {
        for (const KeyInput& input : own->inputs)
            keys[slot++] = input;
        return keys;
    }
    const ControlSettings defaults = ControlSettings::Defaults();
    for (const KeyInput& input : defaults.KeysOf(action)) {
        if (!input.Empty() && !Holds(bound, input))
            keys[slot++] = input;
    }
    return keys;
}

bool ControlsReader::Read(int line, const std::string& key, const std::string& value, std::vector<kolm::FileProblem>& problems)
{
    for (Action action : kActions) {
        if (key == BindKeyOf(action))
            return ReadKeys(line, action, value, problems);
        if (key == PadKeyOf(action))
            return ReadPad(line, action, value, problems);
    }
    return ReadOther(line, key, value, problems);
}

bool ControlsReader::ReadKeys(int line, Action action, const std::string& value, std::vector<kolm::FileProblem>& problems)
{
    const std::string key = BindKeyOf(action);
    if (kolm::LowerCase(value) == "none") {
        keyLines_.push_back({line, action, {}});
        return true;
    }
    const std::vector<std::string> names = Names(value);
    if (names.size() > ControlSettings::kSlots) {
        problems.push_back({line, Problem(key + " takes one or two keys, not " + std::to_string(names.size()))});
        return true;
    }
    std::vector<KeyInput> inputs;
    for (const std::string& name : names) {
        KeyInput input;
        if (name.empty() || !KeyInputOfName(name, input)) {
            problems.push_back({line, Problem(name.empty() ? key + " binds nothing"
                                                           : key + ": no key or mouse button is called " +
                                                                 kolm::QuotedFromFile(name))});
            return true;
        }
        if (Holds(inputs, input)) {
            problems.push_back({line, Problem(key + " names " + kolm::QuotedFromFile(name) + " twice")});
            return true;
        }
        inputs.push_back(input);
    }
    keyLines_.push_back({line, action, inputs});
    return true;
}

bool ControlsReader::ReadPad(int line, Action action, const std::string& value, std::vector<kolm::FileProblem>& problems)
{
    PadInput input;
    if (!PadInputOfName(value, input)) {
        problems.push_back({line, Problem(PadKeyOf(action) + ": no pad button is called " + kolm::QuotedFromFile(value) +
                                          " (a, b, x, y, back, guide, start, leftstick, rightstick, leftshoulder, "
                                          "rightshoulder, dpup, dpdown, dpleft, dpright, pad or none)")});
        return true;
    }
    padLines_.push_back({line, action, input});
    return true;
}

bool ControlsReader::ReadOther(int line, const std::string& key, const std::string& value, std::vector<kolm::FileProblem>& problems)
{
    if (key == kFireMode) {
        const std::string word = kolm::LowerCase(value);
        if (word == "hold" || word == "toggle")
            others_.toggleFire = word == "toggle";
        else
            problems.push_back({line, std::string(kFireMode) + " takes hold or toggle, not " + kolm::QuotedFromFile(value) + "; line ignored"});
        return true;
    }
    if (key != kDeadZone && key != kFireThreshold)
        return false;
    int64_t percent = 0;
    if (kolm::ParseWholeNumber(value, 0, ControlSettings::kMaxPercent, percent))
        (key == kDeadZone ? others_.padDeadZone : others_.padFireThreshold) = static_cast<int>(percent);
    else
        problems.push_back({line, key + " takes a whole number from 0 to 50, not " + kolm::QuotedFromFile(value) + "; line ignored"});
    return true;
}

ControlSettings ControlsReader::Settle(std::vector<kolm::FileProblem>& problems) const
{
    ControlSettings controls = ControlSettings::Defaults();
    controls.toggleFire = others_.toggleFire;
    controls.padDeadZone = others_.padDeadZone;
    controls.padFireThreshold = others_.padFireThreshold;
    SettleKeys(controls, problems);
    SettlePad(controls, problems);
    return controls;
}

void ControlsReader::SettleKeys(ControlSettings& controls, std::vector<kolm::FileProblem>& problems) const
{
    std::vector<KeyLine> lines = LastOfEachAction(keyLines_);
    // A key an earlier line has bound stays that line's.
    std::map<std::pair<int, int32_t>, KeyLine> claimed; // a key, and the line that bound it
    std::vector<KeyLine> kept;
    for (const KeyLine& line : lines) {
        const auto taken = std::find_if(line.inputs.begin(), line.inputs.end(), [&claimed](const KeyInput& input) {
            return claimed.count({static_cast<int>(input.kind), input.code}) != 0;
        });
        if (taken != line.inputs.end()) {
            const KeyLine& owner = claimed.at({static_cast<int>(taken->kind), taken->code});
            problems.push_back({line.line, Problem(KeyInputName(*taken) + " is bound to " + ActionLabel(owner.action) +
                                                   " already (line " + std::to_string(owner.line) + ")")});
            continue;
        }
        kept.push_back(line);
        for (const KeyInput& input : line.inputs)
            claimed.emplace(std::make_pair(static_cast<int>(input.kind), input.code), line);
    }
    kept = LeavingEssentialKeys(kept, problems);
    // Every other action keeps its defaults that no line took; a movement action or the menu that
    // would be left without a key takes its defaults back from the line that left it so.
    for (;;) {
        const std::vector<KeyInput> bound = BoundBy(kept);
        const auto keyless = std::find_if(kActions.begin(), kActions.end(), [&](Action action) {
            return NeedsAKey(action) && KeysFor(action, kept, bound)[0].Empty();
        });
        if (keyless == kActions.end())
            break;
        const ControlSettings defaults = ControlSettings::Defaults();
        const KeyInput wanted = defaults.KeysOf(*keyless)[0];
        const auto culprit = std::find_if(kept.begin(), kept.end(), [&](const KeyLine& line) {
            return line.action == *keyless || Holds(line.inputs, wanted);
        });
        problems.push_back({culprit->line, Problem("it would leave " + std::string(ActionLabel(*keyless)) + " without a key")});
        kept.erase(culprit);
    }
    const std::vector<KeyInput> bound = BoundBy(kept);
    for (Action action : kActions)
        controls.KeysOf(action) = KeysFor(action, kept, bound);
}

// What is wrong with a line that takes a default key of a movement action or the menu which has
// no line of its own (among the lines); empty for a line that takes none.
std::string ControlsReader::TakenFromEssential(const KeyLine& line, const std::vector<KeyLine>& lines)
{
    const ControlSettings defaults = ControlSettings::Defaults();
    for (Action owner : kActions) {
        const bool ownLine = std::any_of(lines.begin(), lines.end(), [owner](const KeyLine& l) { return l.action == owner; });
        if (owner == line.action || !NeedsAKey(owner) || ownLine)
            continue;
        std::vector<KeyInput> taken; // of the owner's default keys, those the line takes
        int keys = 0;
        for (const KeyInput& key : defaults.KeysOf(owner)) {
            keys += key.Empty() ? 0 : 1;
            if (!key.Empty() && Holds(line.inputs, key))
                taken.push_back(key);
        }
        if (static_cast<int>(taken.size()) == keys)
            return "it would leave " + std::string(ActionLabel(owner)) + " without a key";
        if (!taken.empty())
            return "it would take " + KeyInputName(taken[0]) + " from " + ActionLabel(owner) + ", which has no line of its own";
    }
    return std::string();
}

// A movement action or the menu without a line of its own keeps its default keys: a line that
// would take one of them from it is refused (the player who moves W to fire says so with a line
// for up too).
std::vector<ControlsReader::KeyLine> ControlsReader::LeavingEssentialKeys(const std::vector<KeyLine>& lines,
                                                                          std::vector<kolm::FileProblem>& problems)
{
    std::vector<KeyLine> kept;
    for (const KeyLine& line : lines) {
        const std::string problem = TakenFromEssential(line, lines);
        if (problem.empty())
            kept.push_back(line);
        else
            problems.push_back({line.line, Problem(problem)});
    }
    return kept;
}

void ControlsReader::SettlePad(ControlSettings& controls, std::vector<kolm::FileProblem>& problems) const
{
    std::map<int32_t, int> claimed; // button -> the line that bound it
    for (const PadLine& line : LastOfEachAction(padLines_)) {
        if (line.input.kind == PadInput::Kind::kButton && claimed.count(line.input.button)) {
            problems.push_back({line.line, Problem("the pad's " + PadInputName(line.input) + " is bound already (line " +
                                                   std::to_string(claimed[line.input.button]) + ")")});
            continue;
        }
        if (line.input.kind == PadInput::Kind::kButton)
            claimed[line.input.button] = line.line;
        controls.PadOf(line.action) = line.input;
    }
}

std::string FormatControls(const ControlSettings& controls)
{
    std::string text;
    for (Action action : kActions) {
        std::string names;
        for (const KeyInput& input : controls.KeysOf(action)) {
            if (!input.Empty())
                names += (names.empty() ? "" : ", ") + KeyInputName(input);
        }
        text += BindKeyOf(action) + " = " + (names.empty() ? "none" : names) + "\n";
    }
    for (Action action : kActions)
        text += PadKeyOf(action) + " = " + PadInputName(controls.PadOf(action)) + "\n";
    text += std::string(kFireMode) + " = " + (controls.toggleFire ? "toggle" : "hold") + "\n";
    text += std::string(kDeadZone) + " = " + std::to_string(controls.padDeadZone) + "\n";
    text += std::string(kFireThreshold) + " = " + std::to_string(controls.padFireThreshold) + "\n";
    return text;
}
