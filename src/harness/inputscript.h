#pragma once
// A scripted player: the game's events read from a small text file and handed to the frame loop
// at given game times, which dispatches them exactly as a person's key presses and mouse moves (to a
// script, P is an ordinary key: only a person pauses the game). One event per line, "#" starts a comment:
//
//   <ms> down <key>      key pressed (the game's key number, e.g. 32 space, 286 F5, 27 Escape)
//   <ms> up <key>        key released
//   <ms> click           left mouse button pressed
//   <ms> release         left mouse button released
//   <ms> move <x> <y>    mouse moved to the pixel (x, y) of a 1280 x 720 window showing the
//                        picture; with a fraction ("93.70424 187.5", as a game played in a
//                        window of another size records it) the point of the picture itself
//   <ms> joyaxis <a> <v> game pad axis a moved to v (-32768 .. 32767)
//   <ms> joypress <b>    game pad button b pressed (joyrelease <b>: released)
//   <ms> padzones <d> <f> the pad's stick dead zone and fire threshold from now on, in per
//                        cent (a recording made with the player's own has this line)
//   <ms> quit            the window is closed
//   <ms> text <c>        the character of code point c typed (a screen taking text: a name)
//   <ms> digest          prints the world's digest line ("digest " + worlddigest.h's line)
//   <ms> screenshot <f>  saves the 1280 x 720 picture of that step as the PNG file f (the
//                        headless driver has no picture and skips it)
//
// <ms> is phase time, the game time since the frame loop began, which stands still while the game
// is paused (16 ms a step); the word "title" in its place
// sends the event to the title screen instead.
#include "app/play/inputsource.h"
#include "app/replay/scriptevents.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

class InputScript : public InputSource {
public:
    // Reads the file; false (with the reason in error) when a line cannot be understood.
    bool Load(const std::string& fileName, std::string& error);
    // Load, printing "<program>: input script <file>: <reason>" on standard error on failure.
    bool LoadOrReport(const std::string& fileName, const char* program);
    bool Parse(const std::string& text, std::string& error);
    // The script plays the headless driver of the given name, which has no picture: screenshot
    // lines are skipped, each with a line on standard error.
    void RunHeadless(const char* program) { headlessProgram_ = program; }

    void TakeTitleEvents(std::vector<GameEvent>& out) override;
    void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) override;
    // Prints the digests and saves the screenshots due at this time.
    void Observe(uint32_t phaseTime, const GamePhase& phase) override;
    // Saves the screenshots due at this time of a menu.
    void ObserveScreen(uint32_t time) override;

    struct Timed {
        bool title;
        uint32_t time;
        GameEvent event;
    };
    const std::vector<Timed>& Events() const { return events_; }
    // Every event has been handed out and every digest and screenshot taken.
    bool Spent() const { return next_ >= events_.size() && nextObservation_ >= observations_.size(); }

private:
    struct Observation {
        uint32_t time;
        std::string screenshot; // empty: print the digest
    };

    bool ParseLine(const std::string& line, std::string& error);
    bool ParseObservation(std::istringstream& words, const std::string& action, uint32_t time);
    void PlaceClicks();
    // The observations due at the time; phase is null in a menu.
    void ObserveDue(uint32_t time, const GamePhase* phase);

    std::vector<Timed> events_;
    std::size_t next_ = 0;
    std::vector<Observation> observations_;
    std::size_t nextObservation_ = 0;
    bool titleSent_ = false;
    const char* headlessProgram_ = nullptr;
};
