#pragma once
// The score of the music track "entering evil base": a tense, driving piece in D minor at
// 140 beats a minute, written as notes per part.
#include <string>
#include <vector>

enum class Part { Bass, Lead, Arp, Pad, Kick, Snare, ClosedHat, OpenHat, Crash, Tom };

struct Note {
    double beat;     // start, in quarter-note beats from the top
    double length;   // in beats
    int pitch;       // MIDI note number (drums ignore it, except the tom)
    double velocity; // 0..1
};

struct Track {
    Part part;
    std::vector<Note> notes;
};

struct Score {
    double beatsPerMinute;
    int bars;
    std::vector<Track> tracks;

    double SecondsPerBeat() const { return 60.0 / beatsPerMinute; }
    const Track& Of(Part part) const;
};

// Reads a melody such as "D5:3 F5:1 -:4 Bb4:8" (durations in sixteenths; "-" rests) into notes
// starting at the given beat; returns the beat after the last note.
double AppendMelody(std::vector<Note>& notes, double startBeat, const std::string& melody, double velocity);

Score ComposeEnteringEvilBase();
