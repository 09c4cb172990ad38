#include "score.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

const int kBeatsPerBar = 4;

struct Chord {
    int root;   // bass root, MIDI
    bool minor;
};

// Bass roots in the second and first octaves.
const Chord kDm{38, true}, kGm{31, true}, kBb{34, false}, kC{36, false}, kEb{39, false}, kA{33, false};

enum class Section { Intro, ThemeA, ThemeB, Breakdown, ThemeA2, Climax, Outro };

struct Bar {
    Section section;
    Chord chord;
};

// The form, bar by bar: intro, A, B, breakdown, A again with the arpeggio, climax, outro.
std::vector<Bar> Form()
{
    std::vector<Bar> bars;
    auto add = [&](Section s, std::initializer_list<Chord> chords) {
        for (const Chord& c : chords)
            bars.push_back({s, c});
    };
    add(Section::Intro, {kDm, kDm, kDm, kDm});
    add(Section::ThemeA, {kDm, kDm, kBb, kBb, kC, kC, kA, kA});
    add(Section::ThemeB, {kGm, kGm, kEb, kEb, kDm, kDm, kA, kA});
    add(Section::Breakdown, {kDm, kDm, kBb, kA});
    add(Section::ThemeA2, {kDm, kDm, kBb, kBb, kC, kC, kA, kA});
    add(Section::Climax, {kDm, kBb, kGm, kA, kDm, kA});
    add(Section::Outro, {kDm, kBb, kA, kDm});
    return bars;
}

const char* const kThemeA =
    "D5:3 D5:1 F5:2 A5:2 G5:2 F5:2 E5:2 F5:2  D5:6 -:2 A4:2 C5:2 D5:4 "
    "F5:3 F5:1 Bb5:2 A5:2 G5:2 F5:2 D5:4  F5:6 -:2 D5:2 F5:2 G5:4 "
    "E5:3 E5:1 G5:2 C6:2 Bb5:2 A5:2 G5:2 E5:2  G5:6 -:2 E5:2 F5:2 G5:4 "
    "A5:4 C#6:4 E6:4 C#6:4  A5:8 G5:2 F5:2 E5:2 C#5:2";
const char* const kThemeB =
    "Bb5:4 A5:2 G5:2 D6:6 C6:2  Bb5:2 A5:2 G5:4 -:4 G5:2 A5:2 "
    "Bb5:4 G5:2 Eb5:2 Eb6:6 D6:2  C6:2 Bb5:2 G5:4 -:4 G5:2 Bb5:2 "
    "A5:4 F5:2 D5:2 D6:6 C6:2  A5:2 F5:2 D5:4 -:4 D5:2 E5:2 "
    "F5:4 E5:4 D5:4 C#5:4  E5:12 -:4";
const char* const kBreakdownLead = "A5:8 -:8  F5:8 -:8  D6:8 -:8  C#6:8 E6:8";
const char* const kClimax =
    "D6:1 C6:1 A5:1 F5:1 D6:1 C6:1 A5:1 F5:1 E6:2 D6:2 C6:2 A5:2 "
    "Bb5:1 A5:1 F5:1 D5:1 Bb5:1 A5:1 F5:1 D5:1 D6:4 F6:4 "
    "G5:1 Bb5:1 D6:1 G6:1 F6:2 D6:2 Bb5:4 A5:2 G5:2 "
    "A5:2 C#6:2 E6:2 A6:2 G6:2 E6:2 C#6:2 A5:2 "
    "D6:6 A5:2 F5:2 A5:2 D6:4  C#6:4 E6:4 A6:8";
const char* const kOutroLead = "D5:3 D5:1 F5:2 A5:2 G5:2 F5:2 E5:2 F5:2  D5:6 -:2 A4:2 C5:2 D5:4  C#5:16  D5:8 -:8";

int NoteNumber(const std::string& name)
{
    static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int value = semitones[std::toupper(static_cast<unsigned char>(name[0])) - 'A'];
    std::size_t i = 1;
    if (i < name.size() && name[i] == '#') {
        ++value;
        ++i;
    } else if (i < name.size() && name[i] == 'b') {
        --value;
        ++i;
    }
    const int octave = std::atoi(name.c_str() + i);
    return 12 * (octave + 1) + value;
}

void AddBass(std::vector<Note>& notes, double barBeat, const Bar& bar, bool full)
{
    // Driving eighths with octave pops, and a gallop of sixteenths on the off-beats.
    const int steps[] = {0, 2, 3, 4, 6, 8, 10, 11, 12, 14};
    const int offsets[] = {0, 0, 0, 12, 0, 0, 0, 0, 12, 7};
    for (int i = 0; i < 10; ++i) {
        const bool ghost = steps[i] % 2 == 1;
        if (ghost && !full)
            continue;
        notes.push_back({barBeat + steps[i] * 0.25, ghost ? 0.2 : 0.42, bar.chord.root + offsets[i],
                         ghost ? 0.6 : (steps[i] % 4 == 0 ? 1.0 : 0.8)});
    }
}

void AddPad(std::vector<Note>& notes, double barBeat, const Bar& bar)
{
    const int third = bar.chord.minor ? 3 : 4;
    for (int interval : {0, third, 7})
        notes.push_back({barBeat, 4.0, bar.chord.root + 24 + interval, 0.7});
}

void AddArp(std::vector<Note>& notes, double barBeat, const Bar& bar)
{
    const int third = bar.chord.minor ? 3 : 4;
    const int pattern[8] = {0, third, 7, 12, 15 + (bar.chord.minor ? 0 : 1), 12, 7, third};
    for (int step = 0; step < 16; ++step)
        notes.push_back({barBeat + step * 0.25, 0.22, bar.chord.root + 24 + pattern[step % 8],
                         step % 4 == 0 ? 1.0 : 0.7});
}

struct Drums {
    std::vector<Note> kick, snare, closedHat, openHat, crash, tom;
};

void AddGroove(Drums& drums, double barBeat, Section section, bool fill)
{
    const bool busy = section == Section::Climax || section == Section::ThemeB;
    for (int beat = 0; beat < 4; ++beat)
        drums.kick.push_back({barBeat + beat, 0.25, 0, 1.0});
    if (busy)
        drums.kick.push_back({barBeat + 2.5, 0.25, 0, 0.7});
    drums.snare.push_back({barBeat + 1, 0.25, 0, 0.95});
    drums.snare.push_back({barBeat + 3, 0.25, 0, 0.95});
    const int hatStep = section == Section::Climax ? 1 : 2;
    for (int step = 0; step < 16; step += hatStep)
        drums.closedHat.push_back({barBeat + step * 0.25, 0.1, 0, step % 4 == 2 ? 1.0 : 0.55});
    drums.openHat.push_back({barBeat + 3.5, 0.25, 0, 0.6});
    if (fill) {
        for (int step = 12; step < 16; ++step)
            drums.snare.push_back({barBeat + step * 0.25, 0.25, 0, 0.5 + 0.12 * (step - 12)});
    }
}

void AddBreakdownDrums(Drums& drums, double barBeat, int barInSection)
{
    drums.kick.push_back({barBeat, 0.25, 0, 1.0});
    drums.tom.push_back({barBeat + 1.5, 0.5, 45, 0.8});
    drums.tom.push_back({barBeat + 2.5, 0.5, 43, 0.8});
    drums.kick.push_back({barBeat + 2.75, 0.25, 0, 0.6});
    if (barInSection == 3) {
        // A snare roll that swells into the return of the theme.
        for (int step = 0; step < 16; ++step)
            drums.snare.push_back({barBeat + step * 0.25, 0.25, 0, 0.25 + 0.045 * step});
    }
}

void AddIntroDrums(Drums& drums, double barBeat, int barInSection)
{
    for (int beat = 0; beat < 4; ++beat)
        drums.kick.push_back({barBeat + beat, 0.25, 0, 0.85 + 0.05 * barInSection});
    if (barInSection >= 2) {
        for (int step = 2; step < 16; step += 4)
            drums.closedHat.push_back({barBeat + step * 0.25, 0.1, 0, 0.8});
    }
    if (barInSection == 3) {
        for (int step = 8; step < 16; ++step)
            drums.snare.push_back({barBeat + step * 0.25, 0.25, 0, 0.35 + 0.07 * (step - 8)});
    }
}

int BarInSection(const std::vector<Bar>& bars, std::size_t index)
{
    int n = 0;
    while (index >= static_cast<std::size_t>(n) + 1 && bars[index - static_cast<std::size_t>(n) - 1].section == bars[index].section)
        ++n;
    return n;
}

bool LastOfSection(const std::vector<Bar>& bars, std::size_t index)
{
    return index + 1 < bars.size() && bars[index + 1].section != bars[index].section;
}

} // namespace

const Track& Score::Of(Part part) const
{
    for (const Track& track : tracks) {
        if (track.part == part)
            return track;
    }
    return tracks.front();
}

double AppendMelody(std::vector<Note>& notes, double startBeat, const std::string& melody, double velocity)
{
    std::istringstream words(melody);
    std::string word;
    double beat = startBeat;
    while (words >> word) {
        const std::size_t colon = word.find(':');
        if (colon == std::string::npos)
            continue;
        const double length = std::atoi(word.c_str() + colon + 1) * 0.25;
        const std::string name = word.substr(0, colon);
        if (name != "-")
            notes.push_back({beat, length, NoteNumber(name), velocity});
        beat += length;
    }
    return beat;
}

Score ComposeEnteringEvilBase()
{
    const std::vector<Bar> bars = Form();
    std::vector<Note> bass, lead, arp, pad;
    Drums drums;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& bar = bars[i];
        const double beat = static_cast<double>(i) * kBeatsPerBar;
        const int inSection = BarInSection(bars, i);
        const bool finalBar = i + 1 == bars.size();
        if (finalBar) {
            bass.push_back({beat, 3.0, bar.chord.root, 1.0});
            drums.kick.push_back({beat, 0.25, 0, 1.0});
            drums.crash.push_back({beat, 4.0, 0, 1.0});
            AddPad(pad, beat, bar);
            continue;
        }
        switch (bar.section) {
        case Section::Intro:
            AddBass(bass, beat, bar, inSection >= 2);
            AddIntroDrums(drums, beat, inSection);
            break;
        case Section::Breakdown:
            bass.push_back({beat, 3.5, bar.chord.root, 0.9});
            AddBreakdownDrums(drums, beat, inSection);
            AddArp(arp, beat, bar);
            AddPad(pad, beat, bar);
            break;
        default:
            AddBass(bass, beat, bar, true);
            AddGroove(drums, beat, bar.section, LastOfSection(bars, i));
            if (bar.section == Section::ThemeB || bar.section == Section::Climax)
                AddPad(pad, beat, bar);
            if (bar.section == Section::ThemeA2 || bar.section == Section::Climax)
                AddArp(arp, beat, bar);
            break;
        }
        if (inSection == 0 && bar.section != Section::Intro && bar.section != Section::Breakdown)
            drums.crash.push_back({beat, 2.0, 0, 0.8});
    }
    // The lead lines, placed at the first bar of their sections.
    auto sectionStart = [&](Section s, int nth) {
        int seen = 0;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].section == s && BarInSection(bars, i) == 0 && seen++ == nth)
                return static_cast<double>(i) * kBeatsPerBar;
        }
        return 0.0;
    };
    AppendMelody(lead, sectionStart(Section::ThemeA, 0), kThemeA, 0.85);
    AppendMelody(lead, sectionStart(Section::ThemeB, 0), kThemeB, 0.9);
    AppendMelody(lead, sectionStart(Section::Breakdown, 0), kBreakdownLead, 0.7);
    AppendMelody(lead, sectionStart(Section::ThemeA2, 0), kThemeA, 0.95);
    AppendMelody(lead, sectionStart(Section::Climax, 0), kClimax, 1.0);
    AppendMelody(lead, sectionStart(Section::Outro, 0), kOutroLead, 0.85);

    Score score;
    score.beatsPerMinute = 140.0;
    score.bars = static_cast<int>(bars.size());
    score.tracks = {{Part::Bass, bass},          {Part::Lead, lead},           {Part::Arp, arp},
                    {Part::Pad, pad},            {Part::Kick, drums.kick},     {Part::Snare, drums.snare},
                    {Part::ClosedHat, drums.closedHat}, {Part::OpenHat, drums.openHat}, {Part::Crash, drums.crash},
                    {Part::Tom, drums.tom}};
    return score;
}
