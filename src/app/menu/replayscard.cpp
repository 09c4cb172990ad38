#include "app/menu/replayscard.h"

#include "app/profile/levelpar.h"
#include "app/profile/recordwords.h"
#include "app/text/translate.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// "played 9 Dec 2026, 18:00" of "2026-12-09T18:00:01Z"; "" for a date that is not one.
std::string PlayedOn(const std::string& date)
{
    const int month = date.size() >= 16 ? std::atoi(date.substr(5, 2).c_str()) : 0;
    const int day = month ? std::atoi(date.substr(8, 2).c_str()) : 0;
    if (month < 1 || month > 12 || day < 1)
        return "";
    // TRANSLATORS: the day, the month's short name, the year and the time of day.
    return Fill(Tr("card note", "played %s %s %s, %s UTC"), {std::to_string(day),
                MonthShortName(month), date.substr(0, 4), date.substr(11, 5)});
}

std::string LineLabel(const Replay& header, const ReplaysCard::LevelNames& names)
{
    const auto named = names.find(header.levelHash);
    return named != names.end() ? named->second : LevelLabel(header.position, "");
}

} // namespace

ReplaysCard::ReplaysCard(const ReplayShelf& shelf, const ControlSettings* controls, LevelNames names)
    : MenuCard(Tr("menu title", "Replays"), {}, controls), all_(shelf.List()), names_(std::move(names))
{
    // The levels in the order of their positions, each once.
    std::vector<std::pair<int, uint64_t>> levels;
    for (const ReplayShelf::Entry& entry : all_)
        levels.emplace_back(entry.header.position, entry.header.levelHash);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    for (const auto& [position, hash] : levels)
        filterLevels_.push_back(hash);
    Filter(0);
    menu_.Choose(1); // the newest replay, when there is one
    ShowWhen();
}

Menu::Choice ReplaysCard::LineOf(const ReplayShelf::Entry& entry, const LevelNames& names)
{
    const Replay& header = entry.header;
    Menu::Choice line;
    line.label = LineLabel(header, names);
    line.note = LoopCount(header.loops) + " · " + FormatGameTime(header.milliseconds, 1) +
                (header.assisted ? std::string(" ") + kAssistedGlyph : "");
    if (entry.IsRecord())
        line.badge = Menu::Badge::kStar;
    return line;
}

std::vector<Menu::Choice> ReplaysCard::Lines() const
{
    std::vector<Menu::Choice> lines(1);
    lines[0].label = Tr("option line", "Levels");
    lines[0].kind = Menu::ValueKind::kList;
    lines[0].items.push_back(Tr("menu value", "all"));
    for (uint64_t level : filterLevels_) {
        const auto replay = std::find_if(all_.begin(), all_.end(), [level](const ReplayShelf::Entry& entry) {
            return entry.header.levelHash == level;
        });
        lines[0].items.push_back(LineLabel(replay->header, names_));
    }
    lines[0].value = filterIndex_;
    lines[0].enabled = !all_.empty();
    for (const ReplayShelf::Entry& entry : listed_)
        lines.push_back(LineOf(entry, names_));
    if (all_.empty()) {
        lines.emplace_back();
        lines.back().label = Tr("menu line", "no replays yet");
        lines.back().enabled = false;
    }
    lines.emplace_back();
    lines.back().label = Tr("menu line", "Back");
    return lines;
}

void ReplaysCard::Filter(int index)
{
    filterIndex_ = index;
    listed_.clear();
    for (const ReplayShelf::Entry& entry : all_) {
        if (index == 0 || entry.header.levelHash == filterLevels_.at(static_cast<std::size_t>(index - 1)))
            listed_.push_back(entry);
    }
    menu_.SetChoices(Lines());
    ShowWhen();
}

MenuCard::Heard ReplaysCard::Hear(const GameEvent& event)
{
    const Heard heard = MenuCard::Hear(event);
    ShowWhen();
    return heard;
}

void ReplaysCard::Draw()
{
    menu_.Draw();
    sprites_.Draw();
}

std::string ReplaysCard::When() const
{
    const int listed = menu_.Chosen() - 1;
    if (listed < 0 || listed >= static_cast<int>(listed_.size()))
        return "";
    return PlayedOn(listed_[static_cast<std::size_t>(listed)].header.date);
}

void ReplaysCard::ShowWhen()
{
    const rect card = menu_.CardBox();
    when_.Say(sprites_, When(), vector2(card.x + card.w * 0.5f, card.y + card.h + 34.0f));
}

MenuCard::Heard ReplaysCard::ChangeValue(int line, int value)
{
    if (line == 0)
        Filter(value);
    return Heard::kShown;
}

MenuCard::Heard ReplaysCard::Take(int line)
{
    const int listed = line - 1;
    if (line == 0)
        return Heard::kShown; // the filter steps on by itself
    if (listed >= static_cast<int>(listed_.size()))
        return Back();
    next_ = Change(Change::To::kWatch);
    next_.replay = listed_.at(static_cast<std::size_t>(listed)).path;
    return Heard::kShown;
}
