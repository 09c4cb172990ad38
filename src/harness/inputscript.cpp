#include "harness/inputscript.h"

#include "app/dataroot.h"
#include "app/gamephase.h"
#include "app/keynumbers.h"
#include "harness/worlddigest.h"
#include "engine/screenshot.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ReadInt(std::istringstream& words, int& value, int lowest, int highest)
{
    return static_cast<bool>(words >> value) && value >= lowest && value <= highest;
}

bool ParseEvent(std::istringstream& words, const std::string& action, SDL_Event& event)
{
    std::memset(&event, 0, sizeof event);
    int a = 0;
    int b = 0;
    if (action == "down" || action == "up") {
        if (!ReadInt(words, a, 1, kKeyNumberLimit - 1))
            return false;
        event.type = action == "down" ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = action == "down" ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = KeyOfNumber(a);
    } else if (action == "click" || action == "release") {
        event.type = action == "click" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = action == "click" ? SDL_PRESSED : SDL_RELEASED;
    } else if (action == "move") {
        if (!ReadInt(words, a, 0, 65535) || !ReadInt(words, b, 0, 65535))
            return false;
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(a);
        event.motion.y = static_cast<Uint16>(b);
    } else if (action == "joyaxis") {
        if (!ReadInt(words, a, 0, 255) || !ReadInt(words, b, -32768, 32767))
            return false;
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = static_cast<Uint8>(a);
        event.jaxis.value = static_cast<Sint16>(b);
    } else if (action == "joypress" || action == "joyrelease") {
        if (!ReadInt(words, a, 0, 255))
            return false;
        event.type = action == "joypress" ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.button = static_cast<Uint8>(a);
    } else if (action == "quit") {
        event.type = SDL_QUIT;
    } else {
        return false;
    }
    return true;
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

bool InputScript::LoadOrReport(const std::string& fileName, const char* program)
{
    std::string error;
    if (Load(fileName, error))
        return true;
    std::cerr << program << ": input script " << fileName << ": " << error << std::endl;
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
                std::cout << "digest " << DigestOf(phase->gameplay).ToString() << std::endl;
        } else if (headlessProgram_)
            std::cerr << headlessProgram_ << ": the headless driver takes no screenshots (" << observation.screenshot
                      << " skipped)" << std::endl;
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

void InputScript::TakeDue(uint32_t phaseTime, std::vector<SDL_Event>& out)
{
    while (next_ < events_.size() && events_[next_].title)
        ++next_;
    while (next_ < events_.size() && events_[next_].time <= phaseTime)
        out.push_back(events_[next_++].event);
}

std::string FormatScriptEvent(uint32_t time, const SDL_Event& event)
{
    std::ostringstream line;
    line << time << ' ';
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int number = NumberOfKey(event.key.keysym.sym);
        if (number == 0)
            return std::string(); // a key SDL 1.2 has no number for could not be read back
        line << (event.type == SDL_KEYDOWN ? "down " : "up ") << number;
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT)
            return std::string();
        line << (event.type == SDL_MOUSEBUTTONDOWN ? "click" : "release");
        break;
    case SDL_MOUSEMOTION:
        line << "move " << event.motion.x << ' ' << event.motion.y;
        break;
    case SDL_JOYAXISMOTION:
        line << "joyaxis " << static_cast<int>(event.jaxis.axis) << ' ' << event.jaxis.value;
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        line << (event.type == SDL_JOYBUTTONDOWN ? "joypress " : "joyrelease ") << static_cast<int>(event.jbutton.button);
        break;
    case SDL_QUIT:
        line << "quit";
        break;
    default:
        return std::string();
    }
    return line.str();
}
