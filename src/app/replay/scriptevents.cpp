#include "app/replay/scriptevents.h"

#include "engine/input/gamekeys.h"

#include <sstream>

namespace {

bool ReadInt(std::istringstream& words, int& value, int lowest, int highest)
{
    return static_cast<bool>(words >> value) && value >= lowest && value <= highest;
}

} // namespace

bool ParseScriptEvent(std::istringstream& words, const std::string& action, GameEvent& event)
{
    int a = 0;
    int b = 0;
    if (action == "down" || action == "up") {
        if (!ReadInt(words, a, 1, gamekeys::kLimit - 1))
            return false;
        event = GameEvent::Key(a, action == "down");
    } else if (action == "click" || action == "release") {
        event = GameEvent::MouseButton(GameEvent::kLeftButton, action == "click");
    } else if (action == "move") {
        if (!ReadInt(words, a, 0, 65535) || !ReadInt(words, b, 0, 65535))
            return false;
        event = GameEvent::MouseMotion(a, b);
    } else if (action == "joyaxis") {
        if (!ReadInt(words, a, 0, 255) || !ReadInt(words, b, -32768, 32767))
            return false;
        event = GameEvent::PadAxis(a, b);
    } else if (action == "joypress" || action == "joyrelease") {
        if (!ReadInt(words, a, 0, 255))
            return false;
        event = GameEvent::PadButton(a, action == "joypress");
    } else if (action == "padzones") {
        if (!ReadInt(words, a, 0, 100) || !ReadInt(words, b, 0, 100))
            return false;
        event = GameEvent::Of(GameEvent::Type::kPadZones);
        event.x = a;
        event.y = b;
    } else if (action == "quit") {
        event = GameEvent::Of(GameEvent::Type::kQuit);
    } else {
        return false;
    }
    return true;
}

bool ParseScriptTime(const std::string& word, uint32_t& time)
{
    std::istringstream number(word);
    long long value = -1;
    if (!(number >> value) || !number.eof() || value < 0 || value > UINT32_MAX)
        return false;
    time = static_cast<uint32_t>(value);
    return true;
}

std::string FormatScriptEvent(uint32_t time, const GameEvent& event)
{
    using Type = GameEvent::Type;
    std::ostringstream line;
    line << time << ' ';
    switch (event.type) {
    case Type::kKeyDown:
    case Type::kKeyUp:
        if (event.key <= 0 || event.key >= gamekeys::kLimit)
            return std::string(); // a number a script could not read back
        line << (event.type == Type::kKeyDown ? "down " : "up ") << event.key;
        break;
    case Type::kMouseDown:
    case Type::kMouseUp:
        if (event.button != GameEvent::kLeftButton)
            return std::string();
        line << (event.type == Type::kMouseDown ? "click" : "release");
        break;
    case Type::kMouseMotion:
        line << "move " << event.x << ' ' << event.y;
        break;
    case Type::kPadAxis:
        line << "joyaxis " << event.axis << ' ' << event.value;
        break;
    case Type::kPadDown:
    case Type::kPadUp:
        line << (event.type == Type::kPadDown ? "joypress " : "joyrelease ") << event.button;
        break;
    case Type::kPadZones:
        line << "padzones " << event.x << ' ' << event.y;
        break;
    case Type::kQuit:
        line << "quit";
        break;
    default:
        return std::string();
    }
    return line.str();
}
