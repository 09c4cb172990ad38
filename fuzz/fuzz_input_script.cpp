// The input script reader: the input is a script's text. It is parsed, and a script that reads
// is played out the way the game takes it: the title events once, then the due events over
// increasing game times until every event has been handed out, each exactly once, in time order.
// Each event written back as a script line must read back as the same event.
#include "engine/render/picturerect.h"
#include "harness/inputscript.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_input_script: %s\n", what);
        std::abort();
    }
}

// The event's script line read back gives the same event (events the game ignores have no line).
// An event as the game hears it from a line: a move as the picture's point (a point the tools'
// window maps to itself is written in whole numbers), a click without a point of its own (it is
// where the script's last move left the mouse).
GameEvent Heard(GameEvent event)
{
    if (event.type == GameEvent::Type::kMouseMotion) {
        event = PictureRect().MouseInPicture(event);
        event.inPicture = true;
    } else if (event.type == GameEvent::Type::kMouseDown || event.type == GameEvent::Type::kMouseUp) {
        event.x = 0.0f;
        event.y = 0.0f;
        event.inPicture = false;
    }
    return event;
}

void RequireRoundTrip(uint32_t time, const GameEvent& event)
{
    const std::string line = FormatScriptEvent(time, event);
    if (line.empty())
        return;
    InputScript again;
    std::string error;
    Require(again.Parse(line, error), "a written event line does not read back");
    Require(again.Events().size() == 1 && again.Events()[0].time == time, "a written line reads as other events");
    Require(Heard(again.Events()[0].event) == Heard(event), "a written event reads back differently");
}

void PlayOut(InputScript& script)
{
    const std::vector<InputScript::Timed> expected = script.Events();
    std::size_t titleCount = 0;
    while (titleCount < expected.size() && expected[titleCount].title)
        ++titleCount;

    std::vector<GameEvent> out;
    script.TakeTitleEvents(out);
    Require(out.size() == titleCount, "the title did not get its events");
    script.TakeTitleEvents(out);
    Require(out.size() == titleCount, "the title events were handed out twice");

    std::size_t handed = titleCount;
    uint32_t previous = 0;
    for (std::size_t i = titleCount; i < expected.size(); ++i) {
        Require(!expected[i].title && expected[i].time >= previous, "the events are not in time order");
        previous = expected[i].time;
        out.clear();
        script.TakeDue(previous, out);
        for (const GameEvent& event : out) {
            Require(handed < expected.size() && expected[handed].time <= previous, "an event came early");
            Require(event == expected[handed].event, "an event changed on its way out");
            RequireRoundTrip(expected[handed].time, event);
            ++handed;
        }
        Require(handed > i, "a due event was held back");
    }
    out.clear();
    script.TakeDue(UINT32_MAX, out);
    Require(out.empty() && handed == expected.size(), "an event was handed out twice or never");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    InputScript script;
    std::string error;
    if (!script.Parse(text, error)) {
        Require(error.compare(0, 5, "line ") == 0, "a rejected script does not name its line");
        return 0;
    }
    PlayOut(script);
    return 0;
}
