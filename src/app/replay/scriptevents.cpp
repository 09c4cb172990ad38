#include "app/replay/scriptevents.h"

#include "engine/input/gamekeys.h"
#include "engine/render/picturerect.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

bool ReadInt(std::istringstream& words, int& value, int lowest, int highest)
{
    return static_cast<bool>(words >> value) && value >= lowest && value <= highest;
}

// A number with a fraction as the script writes one: digits, a point, digits.
bool IsDecimal(const std::string& word)
{
    const std::size_t point = word.find('.');
    if (point == std::string::npos || point == 0 || point + 1 == word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (i != point && (word[i] < '0' || word[i] > '9'))
            return false;
    }
    return true;
}

// The float a decimal names, rounded as every build's strtof rounds it: correctly.
bool ReadDecimal(const std::string& word, float highest, float& value)
{
    if (!IsDecimal(word))
        return false;
    value = std::strtof(word.c_str(), nullptr);
    return value >= 0.0f && value <= highest;
}

// A coordinate of a point of the picture; a whole number beside a decimal is one too.
bool ReadPointCoordinate(std::string word, float highest, float& value)
{
    if (word.find('.') == std::string::npos)
        word += ".0";
    return ReadDecimal(word, highest, value);
}

// "move X Y": two whole numbers, a pixel of the tools' 1280 x 720 window as ever; or two numbers
// of which one holds a fraction, a point of the picture, heard exactly as written.
bool ReadMove(std::istringstream& words, GameEvent& event)
{
    std::string x;
    std::string y;
    if (!(words >> x >> y))
        return false;
    if (x.find('.') == std::string::npos && y.find('.') == std::string::npos) {
        std::istringstream whole(x + ' ' + y);
        int a = 0;
        int b = 0;
        std::string rest;
        if (!ReadInt(whole, a, 0, 65535) || !ReadInt(whole, b, 0, 65535) || (whole >> rest))
            return false;
        event = GameEvent::MouseMotion(static_cast<float>(a), static_cast<float>(b));
        return true;
    }
    float a = 0.0f;
    float b = 0.0f;
    if (!ReadPointCoordinate(x, kVirtualWidth, a) || !ReadPointCoordinate(y, kVirtualHeight, b))
        return false;
    event = GameEvent::MouseMotion(a, b);
    event.inPicture = true;
    return true;
}

// The shortest decimal, with a point, that reads back to the same float.
std::string Decimal(float value)
{
    char text[64];
    for (int digits = 1; digits < 40; ++digits) {
        std::snprintf(text, sizeof text, "%.*f", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

// A point of the picture as a script line writes it: whole numbers as ever when the tools' window
// gives the same point from them, else both as decimals.
std::string MoveWords(const GameEvent& event)
{
    const GameEvent again = PictureRect().MouseInPicture(GameEvent::MouseMotion(event.x, event.y));
    if (!event.inPicture || (again.x == event.x && again.y == event.y))
        return std::to_string(static_cast<int64_t>(event.x)) + ' ' + std::to_string(static_cast<int64_t>(event.y));
    return Decimal(event.x) + ' ' + Decimal(event.y);
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
        return ReadMove(words, event);
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
        event.x = static_cast<float>(a);
        event.y = static_cast<float>(b);
    } else if (action == "quit") {
        event = GameEvent::Of(GameEvent::Type::kQuit);
    } else if (action == "text") {
        if (!ReadInt(words, a, 0x20, 0x10FFFF))
            return false;
        event = GameEvent::Of(GameEvent::Type::kText);
        event.value = a;
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
        line << "move " << MoveWords(event);
        break;
    case Type::kPadAxis:
        line << "joyaxis " << event.axis << ' ' << event.value;
        break;
    case Type::kPadDown:
    case Type::kPadUp:
        line << (event.type == Type::kPadDown ? "joypress " : "joyrelease ") << event.button;
        break;
    case Type::kPadZones:
        line << "padzones " << static_cast<int>(event.x) << ' ' << static_cast<int>(event.y);
        break;
    case Type::kQuit:
        line << "quit";
        break;
    case Type::kText:
        line << "text " << event.value;
        break;
    default:
        return std::string();
    }
    return line.str();
}
