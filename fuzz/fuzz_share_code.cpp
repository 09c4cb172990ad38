// Share codes: the input is taken both as a code a player pastes and as a level file to share.
// A code that decodes gives at most 64 KB, and the code of those bytes gives them back; one that
// does not decode says why in one line. Any file of at most 64 KB comes back from its code.
#include "app/levels/sharecode.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_share_code: %s\n", what);
        std::abort();
    }
}

void RequireRoundTrip(const std::string& level)
{
    std::string code;
    std::string problem;
    std::string decoded;
    Require(EncodeShareCode(level, code, problem), "a level of 64 KB or less has a code");
    Require(DecodeShareCode(code, decoded, problem) && decoded == level, "a code does not give back its level");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string level;
    std::string problem;
    if (DecodeShareCode(input, level, problem)) {
        Require(level.size() <= kLargestSharedLevel, "a code gave more than 64 KB");
        RequireRoundTrip(level);
    } else {
        Require(!problem.empty() && problem.find('\n') == std::string::npos, "a refused code says why in one line");
    }
    if (input.size() <= kLargestSharedLevel)
        RequireRoundTrip(input);
    return 0;
}
