// The text helpers on pieces cut from the input. Besides the sanitizers' checks, each result is
// held to what the helper promises: Trim leaves no blank at either end, Split's pieces are never
// empty and never hold the delimiter, ReplaceAll matches a plain step-by-step replacement, the
// number reads match the C library's and the typed values agree with them, and so on.
#include "utils/anyvalue.h"
#include "utils/directorylisting.h"
#include "utils/stringutils.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <climits>
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
        std::fprintf(stderr, "fuzz_text_utils: %s\n", what);
        std::abort();
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Replacement one occurrence at a time, each search starting where the last replacement was
// put, or after it when the replacement holds what it replaces (it would be found again forever).
std::string PlainReplaceAll(std::string text, const std::string& find, const std::string& replacement, int limit)
{
    if (find.empty())
        return text;
    const bool endless = replacement.find(find) != std::string::npos;
    std::size_t from = 0;
    for (int done = 0; limit < 0 || done < limit; ++done) {
        const std::size_t at = text.find(find, from);
        if (at == std::string::npos)
            break;
        text.replace(at, find.size(), replacement);
        from = endless ? at + replacement.size() : at;
    }
    return text;
}

// The C library's reading of a decimal integer, clamped to 32 bits.
int PlainToInt(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void CheckTrim(const std::string& text)
{
    const std::string trimmed = kolm::Trim(text);
    Require(trimmed.empty() || (!IsBlank(trimmed.front()) && !IsBlank(trimmed.back())), "Trim left a blank");
    Require(text.find(trimmed) != std::string::npos, "Trim made up text");
}

void CheckSplit(const std::string& text, const std::string& delimiter)
{
    std::size_t total = 0;
    for (const std::string& piece : kolm::Split(text, delimiter)) {
        Require(!piece.empty(), "Split gave an empty piece");
        Require(delimiter.empty() || piece.find(delimiter) == std::string::npos, "a piece holds the delimiter");
        total += piece.size();
    }
    Require(total <= text.size(), "Split made up text");
}

void CheckReplaceAll(const std::string& text, const std::string& find, const std::string& replacement, int limit)
{
    Require(kolm::ReplaceAll(text, find, replacement, limit) == PlainReplaceAll(text, find, replacement, limit),
            "ReplaceAll differs from the plain replacement");
    Require(kolm::ReplaceAll(text, find, replacement, 0) == text, "ReplaceAll with limit 0 changed the text");
}

void CheckLowerCase(const std::string& text)
{
    const std::string lower = kolm::LowerCase(text);
    Require(lower.size() == text.size(), "LowerCase changed the length");
    for (std::size_t i = 0; i < text.size(); ++i)
        Require(lower[i] == static_cast<char>(std::tolower(static_cast<unsigned char>(text[i]))), "LowerCase");
}

void CheckNumbers(const std::string& text)
{
    Require(kolm::ToInt(text) == PlainToInt(text), "ToInt differs from strtoll");
    // Without boolalpha a stream reads a bool as a number that must be 0 or 1.
    Require(kolm::ToBool(text) == (std::strtoll(text.c_str(), nullptr, 10) == 1), "ToBool differs from strtoll");
    const kolm::CAnyValue value(text);
    Require(value.AsText() == text && value.AsInt() == kolm::ToInt(text) && value.AsBool() == kolm::ToBool(text),
            "a text value reads differently");
    const int number = kolm::ToInt(text);
    Require(kolm::CAnyValue(number).AsText() == std::to_string(number), "an int value's text");
    Require(kolm::CAnyValue(number != 0).AsInt() == (number != 0 ? 1 : 0), "a bool value read as int");
}

void CheckFindOutsideQuotes(const std::string& set, const std::string& text, std::size_t start)
{
    const std::size_t at = kolm::FindOutsideQuotes(set, text, start);
    if (at == std::string::npos)
        return;
    Require(at >= start && at < text.size(), "FindOutsideQuotes out of range");
    Require(set.find(text[at]) != std::string::npos && text[at] != '"', "FindOutsideQuotes found a stranger");
    std::size_t quotes = 0;
    for (std::size_t i = 0; i < at; ++i)
        quotes += text[i] == '"';
    Require(quotes % 2 == 0, "FindOutsideQuotes found a quoted character");
}

void CheckWildcardMatch(const std::string& name, const std::string& mask)
{
    const bool matches = kolm::WildcardMatch(name, mask);
    if (mask.empty())
        Require(matches, "an empty mask matches everything");
    else if (mask.find('*') == std::string::npos)
        Require(matches == (name == mask), "a mask without stars must match exactly");
    if (name.find('*') == std::string::npos) {
        Require(kolm::WildcardMatch(name, name), "a name must match itself");
        Require(kolm::WildcardMatch(name, "*" + name + "*"), "a name must match itself between stars");
        Require(kolm::WildcardMatch(name, "*"), "a lone star matches everything");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string find = input.ConsumeRandomLengthString(16);
    const std::string replacement = input.ConsumeRandomLengthString(16);
    const std::string mask = input.ConsumeRandomLengthString(32);
    const int limit = input.ConsumeIntegralInRange<int>(-1, 64);
    const std::size_t start = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckTrim(text);
    CheckSplit(text, find);
    CheckReplaceAll(text, find, replacement, limit);
    CheckLowerCase(text);
    CheckNumbers(text);
    CheckFindOutsideQuotes(find, text, start);
    CheckWildcardMatch(text, mask);
    return 0;
}
