#include "app/inputscript.h"

#include "app/gamephase.h"
#include "app/worlddigest.h"
#include "engine/screenshot.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ParseEvent(std::istringstream& words, const std::string& action, SDL_Event& event)
{
    std::memset(&event, 0, sizeof event);
    if (action == "down" || action == "up") {
        int key = 0;
        if (!(words >> key) || key <= 0 || key >= SDLK_LAST)
            return false;
        event.type = action == "down" ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = action == "down" ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = static_cast<SDLKey>(key);
        return true;
    }
    if (action == "click" || action == "release") {
        event.type = action == "click" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = action == "click" ? SDL_PRESSED : SDL_RELEASED;
        return true;
    }
    if (action == "move") {
        int x = 0;
        int y = 0;
        if (!(words >> x >> y) || x < 0 || y < 0 || x > 65535 || y > 65535)
            return false;
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        return true;
    }
    if (action == "quit") {
        event.type = SDL_QUIT;
        return true;
    }
    return false;
}

bool ParseTime(const std::string& word, uint32_t& time)
{
    std::istringstream number(word);
    long long value = -1;
    if (!(number >> value) || !number.eof() || value < 0 || value > UINT32_MAX)
        return false;
    time = static_cast<uint32_t>(value);
    return true;
}

} // namespace

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
    if (!title && !ParseTime(when, time)) {
        error = "bad time \"" + when + "\"";
        return false;
    }
    std::string action;
    bool understood = static_cast<bool>(words >> action);
    if (understood && !title && (action == "digest" || action == "screenshot")) {
        understood = ParseObservation(words, action, time);
    } else if (understood) {
        Timed timed{title, time, SDL_Event()};
        understood = ParseEvent(words, action, timed.event);
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

bool InputScript::ParseObservation(std::istringstream& words, const std::string& action, uint32_t time)
{
    if (action == "digest") {
        observations_.push_back(Observation{time, std::string()});
        return true;
    }
    std::string file;
    if (action == "screenshot" && (words >> file)) {
        observations_.push_back(Observation{time, file});
        return true;
    }
    return false;
}

void InputSource::Observe(uint32_t, const GamePhase&) {}

void InputScript::Observe(uint32_t gameTime, const GamePhase& phase)
{
    for (; nextObservation_ < observations_.size() && observations_[nextObservation_].time <= gameTime; ++nextObservation_) {
        const Observation& observation = observations_[nextObservation_];
        if (observation.screenshot.empty())
            std::cout << "digest " << DigestOf(phase.gameplay).ToString() << std::endl;
        else if (!SaveScreenshot(observation.screenshot))
            std::cerr << "tobrakka: could not save " << observation.screenshot << std::endl;
    }
}

void InputScript::TakeTitleEvents(std::vector<SDL_Event>& out)
{
    if (titleSent_)
        return;
    titleSent_ = true;
    while (next_ < events_.size() && events_[next_].title)
        out.push_back(events_[next_++].event);
}

void InputScript::TakeDue(uint32_t gameTime, std::vector<SDL_Event>& out)
{
    while (next_ < events_.size() && events_[next_].title)
        ++next_;
    while (next_ < events_.size() && events_[next_].time <= gameTime)
        out.push_back(events_[next_++].event);
}
