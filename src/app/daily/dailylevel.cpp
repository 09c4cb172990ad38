#include "app/daily/dailylevel.h"

#include "app/daily/dailydice.h"
#include "app/daily/dailykinds.h"
#include "app/text/translate.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kGroupSpacingMs = 150; // between the events of a beat, as the game's levels have it

struct Event {
    int time;
    int32_t type;
};

// Lays out one candidate: waves of beats, then whatever a kind still lacks.
class Composer {
public:
    Composer(DailyDice& dice, DailyRole favoured, int tempo) : dice_(dice), favoured_(favoured), tempo_(tempo) {}

    std::string Compose();

private:
    int WaveStart(int t, int gap);
    std::size_t Draw(int t, bool limited);
    bool Allowed(std::size_t kind, int t) const;
    void Place(std::size_t kind, int t);
    void FillAtLeast(const std::vector<int>& waveStarts);
    std::string Text() const;

    DailyDice& dice_;
    DailyRole favoured_;
    int tempo_;
    int length_ = 0;
    std::vector<Event> events_;
    std::vector<int> beats_ = std::vector<int>(DailyKinds().size(), 0);
};

std::string Composer::Compose()
{
    length_ = 36000 + 3000 * dice_.Roll(0, 6);
    int gap = 1150 + 50 * dice_.Roll(-3, 3) - 50 * tempo_;
    int t = 1000 + 50 * dice_.Roll(0, 4);
    const int end = length_ - 2500;
    std::vector<int> waveStarts;
    while (t <= end) {
        waveStarts.push_back(t);
        t = WaveStart(t, gap);
        std::vector<std::size_t> motif(static_cast<std::size_t>(dice_.Roll(2, 3)));
        for (std::size_t& kind : motif)
            kind = Draw(t, false);
        const int beats = dice_.Roll(4, 8);
        for (int beat = 0; beat < beats && t <= end; ++beat) {
            Place(motif[static_cast<std::size_t>(beat) % motif.size()], t);
            t += gap + 50 * dice_.Roll(-2, 2);
        }
        t += 100 * dice_.Roll(8, 22) - 100 * tempo_;
        gap = std::max(800, gap - 50);
    }
    FillAtLeast(waveStarts);
    return Text();
}

// A wave may open with a kind of few beats a level (a big robot): then the wave waits a beat.
int Composer::WaveStart(int t, int gap)
{
    const std::vector<DailyKind>& kinds = DailyKinds();
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        const int chance = (kinds[kind].role == favoured_ ? 2 : 1) * (20 + 5 * tempo_);
        if (kinds[kind].perLevel && Allowed(kind, t) && dice_.Chance(chance)) {
            Place(kind, t);
            return t + gap;
        }
    }
    return t;
}

bool Composer::Allowed(std::size_t kind, int t) const
{
    const DailyKind& line = DailyKinds()[kind];
    return t * 100 >= line.fromPercent * length_ && (!line.perLevel || beats_[kind] < line.perLevel);
}

// A kind for a beat at t, by the table's weights (the favoured role's thrice); limited: among
// the kinds of few beats a level, else among the others.
std::size_t Composer::Draw(int t, bool limited)
{
    const std::vector<DailyKind>& kinds = DailyKinds();
    std::vector<int> weights(kinds.size(), 0);
    int total = 0;
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        if ((kinds[kind].perLevel != 0) == limited && Allowed(kind, t))
            weights[kind] = kinds[kind].weight * (kinds[kind].role == favoured_ ? 3 : 1);
        total += weights[kind];
    }
    int roll = dice_.Roll(0, total - 1);
    std::size_t kind = 0;
    while (kind + 1 < kinds.size() && roll >= weights[kind])
        roll -= weights[kind++];
    return kind;
}

void Composer::Place(std::size_t kind, int t)
{
    const DailyKind& line = DailyKinds()[kind];
    const int count = dice_.Roll(1, line.most);
    for (int i = 0; i < count; ++i)
        events_.push_back({t + i * kGroupSpacingMs, line.type});
    ++beats_[kind];
}

// A kind the waves left short comes at the start of a wave it may come in.
void Composer::FillAtLeast(const std::vector<int>& waveStarts)
{
    const std::vector<DailyKind>& kinds = DailyKinds();
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        std::vector<int> starts;
        for (int start : waveStarts) {
            if (start * 100 >= kinds[kind].fromPercent * length_)
                starts.push_back(start);
        }
        while (beats_[kind] < kinds[kind].atLeast && !starts.empty())
            Place(kind, starts[static_cast<std::size_t>(dice_.Roll(0, static_cast<int>(starts.size()) - 1))]);
    }
}

std::string Composer::Text() const
{
    std::vector<Event> events = events_;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.time < b.time; });
    std::string text = std::to_string(length_) + "\n";
    for (const Event& event : events)
        text += std::to_string(event.time) + "," + std::to_string(event.type) + "\n";
    return text;
}

} // namespace

DailyLevelMaker::Words DailyLevelMaker::DayWords() const
{
    DailyDice dice(date_.DayNumber(), kNameStream);
    Words words;
    words.theme = static_cast<std::size_t>(dice.Roll(0, static_cast<int>(DailyThemes().size()) - 1));
    const std::vector<std::string>& nouns = DailyThemes()[words.theme].nouns;
    words.noun = static_cast<std::size_t>(dice.Roll(0, static_cast<int>(nouns.size()) - 1));
    return words;
}

std::string DailyLevelMaker::Name() const
{
    const Words words = DayWords();
    return date_.Weekday() + "'s " + DailyThemes()[words.theme].nouns[words.noun];
}

std::string DailyLevelMaker::ShownName() const
{
    const Words words = DayWords();
    const char* noun = DailyThemes()[words.theme].nouns[words.noun].c_str();
    // TRANSLATORS: the day's level's name: the weekday's, then a word of its robots ("Thursday's Crossfire").
    return Fill(Tr("menu title", "%1$s's %2$s"), {date_.SpokenWeekday(), Tr("menu title", noun)});
}

DailyLevel DailyLevelMaker::Candidate(uint32_t candidate, int tempo) const
{
    DailyDice dice(date_.DayNumber(), candidate % kCandidates);
    Composer composer(dice, DailyThemes()[DayWords().theme].favoured, std::clamp(tempo, kGentlest, kHarshest));
    return {Name(), composer.Compose()};
}
