#include "harness/inputscript.h"

#include "app/profile/dataroot.h"
#include "app/play/gamephase.h"
#include "app/replay/scriptevents.h"
#include "engine/render/screenshot.h"
#include "world/worlddigest.h"
#include "utils/log.h"

#include <algorithm>
#include <fstream>
#include <sstream>

bool InputScript::Load(const std::string& fileName, std::string& error)
{
    std::ifstream file(fileName);
    if (!file) {
        error = "cannot open " + fileName;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return Parse(text.str(), error);
}

bool InputScript::LoadOrReport(const std::string& fileName, const char* program)
{
    std::string error;
    if (Load(fileName, error))
        return true;
    kolm::Complain(std::string(program) + ": input script " + fileName + ": " + error);
    return false;
}

bool InputScript::Parse(const std::string& text, std::string& error)
{
    events_.clear();
    next_ = 0;
    observations_.clear();
    nextObservation_ = 0;
    titleSent_ = false;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!ParseLine(line.substr(0, line.find('#')), error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
    }
    std::stable_sort(events_.begin(), events_.end(), [](const Timed& a, const Timed& b) {
        return a.title != b.title ? a.title : a.time < b.time;
    });
    PlaceClicks();
    std::stable_sort(observations_.begin(), observations_.end(),
                     [](const Observation& a, const Observation& b) { return a.time < b.time; });
    return true;
}

bool InputScript::ParseLine(const std::string& line, std::string& error)
{
    std::istringstream words(line);
    std::string when;
    if (!(words >> when))
        return true;
    const bool title = when == "title";
    uint32_t time = 0;
    if (!title && !ParseScriptTime(when, time)) {
        error = "bad time \"" + when + "\"";
        return false;
    }
    std::string action;
    bool understood = static_cast<bool>(words >> action);
    if (understood && !title && (action == "digest" || action == "screenshot")) {
        understood = ParseObservation(words, action, time);
    } else if (understood) {
        Timed timed{title, time, GameEvent()};
        understood = ParseScriptEvent(words, action, timed.event);
        if (understood)
            events_.push_back(timed);
    }
    std::string rest;
    if (!understood || (words >> rest)) {
        error = "cannot read \"" + line + "\"";
        return false;
    }
    return true;
}

// A click or release happens where the mouse last moved to, as a person's does; a screen that
// asks where (a menu's line, the replay's timeline, the editor) hears it there.
void InputScript::PlaceClicks()
{
    GameEvent mouse;
    for (Timed& timed : events_) {
        GameEvent& event = timed.event;
        if (event.type == GameEvent::Type::kMouseMotion) {
            mouse = event;
        } else if (event.type == GameEvent::Type::kMouseDown || event.type == GameEvent::Type::kMouseUp) {
            event.x = mouse.x;
            event.y = mouse.y;
            event.inPicture = mouse.inPicture;
        }
    }
}

bool InputScript::ParseObservation(std::istringstream& words, const std::string& action, uint32_t time)
{
    if (action == "digest") {
        observations_.push_back(Observation{time, std::string()});
        return true;
    }
    std::string file;
    if (action == "screenshot" && (words >> file)) {
        // Like the paths of the command line, taken from where the game was started.
        observations_.push_back(Observation{time, FromStartDirectory(file)});
        return true;
    }
    return false;
}

void InputScript::Observe(uint32_t phaseTime, const GamePhase& phase) { ObserveDue(phaseTime, &phase); }

void InputScript::ObserveScreen(uint32_t time) { ObserveDue(time, nullptr); }

void InputScript::ObserveDue(uint32_t time, const GamePhase* phase)
{
    for (; nextObservation_ < observations_.size() && observations_[nextObservation_].time <= time; ++nextObservation_) {
        const Observation& observation = observations_[nextObservation_];
        if (observation.screenshot.empty()) {
            if (phase)
                kolm::Say("digest " + DigestOf(phase->gameplay).ToString());
        } else if (headlessProgram_)
            kolm::Complain(std::string(headlessProgram_) + ": the headless driver takes no screenshots (" +
                           observation.screenshot + " skipped)");
        else if (!SaveScreenshot(observation.screenshot))
            kolm::Warn("could not save " + observation.screenshot);
    }
}

void InputScript::TakeTitleEvents(std::vector<GameEvent>& out)
{
    if (titleSent_)
        return;
    titleSent_ = true;
    while (next_ < events_.size() && events_[next_].title)
        out.push_back(events_[next_++].event);
}

void InputScript::TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out)
{
    while (next_ < events_.size() && events_[next_].title)
        ++next_;
    while (next_ < events_.size() && events_[next_].time <= phaseTime)
        out.push_back(events_[next_++].event);
}
