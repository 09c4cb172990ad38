#include "app/inputscript.h"

#include <algorithm>
#include <cstring>
#include <fstream>
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
    titleSent_ = false;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string when;
        if (!(words >> when))
            continue;
        Timed timed{when == "title", 0, SDL_Event()};
        if (!timed.title) {
            std::istringstream timeWord(when);
            long long time = -1;
            if (!(timeWord >> time) || !timeWord.eof() || time < 0 || time > UINT32_MAX) {
                error = "line " + std::to_string(number) + ": bad time \"" + when + "\"";
                return false;
            }
            timed.time = static_cast<uint32_t>(time);
        }
        std::string action;
        std::string rest;
        if (!(words >> action) || !ParseEvent(words, action, timed.event) || (words >> rest)) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        events_.push_back(timed);
    }
    std::stable_sort(events_.begin(), events_.end(), [](const Timed& a, const Timed& b) {
        return a.title != b.title ? a.title : a.time < b.time;
    });
    return true;
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
