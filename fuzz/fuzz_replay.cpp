// The replay reader: the input is a replay file's text. A text that reads is written out again
// and must read back to the same replay, and its header alone must read as the whole one's; a
// text that does not read names its line or what is wrong.
#include "app/replay/replayfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_replay: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Replay replay;
    std::string problem;
    Replay header;
    std::string headerProblem;
    const bool headerRead = ReadReplayHeader(text, header, headerProblem);
    if (!ReadReplay(text, replay, problem)) {
        Require(!problem.empty() && problem.find('\n') == std::string::npos, "a refused replay says why in one line");
        return 0;
    }
    Require(headerRead, "a replay that reads has a header that reads");
    Require(header.position == replay.position && header.levelHash == replay.levelHash &&
                header.loops == replay.loops && header.date == replay.date,
            "the header reads differently alone");
    const std::string written = FormatReplay(replay);
    Replay again;
    Require(ReadReplay(written, again, problem), "a written replay does not read back");
    Require(FormatReplay(again) == written, "a written replay reads back differently");
    return 0;
}
