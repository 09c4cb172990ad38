// A pack's list: the input is a pack.xml's text. A list that reads is written out again and must
// read back as the same list (whatever its titles and names hold); a list that does not read
// says why in one line.
#include "app/levels/packlist.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_pack_list: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    PackList list;
    std::string problem;
    if (!ReadPackList(text, list, problem)) {
        Require(!problem.empty() && problem.find('\n') == std::string::npos, "a refused list says why in one line");
        return 0;
    }
    Require(!list.levels.empty() && list.levels.size() <= static_cast<std::size_t>(kMostPackLevels), "a pack has levels");
    PackList again;
    Require(ReadPackList(FormatPackList(list), again, problem), "a written list does not read back");
    // Control characters are written as blanks; what the writer keeps must come back.
    Require(FormatPackList(again) == FormatPackList(list), "a written list reads back differently");
    return 0;
}
