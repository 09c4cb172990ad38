#pragma once
// Text helpers shared by the file readers: trimming, splitting, replacing, lower-casing and
// reading numbers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kolm {

// The blanks every reader trims: space and tab. Line feeds are not blanks.
inline constexpr char kBlanks[] = " \t";

// Removes blanks from both ends.
std::string Trim(const std::string& text);
// The pieces between delimiters, in order; empty pieces are dropped.
std::vector<std::string> Split(const std::string& text, const std::string& delimiter);
// Replaces occurrences left to right, at most limit times (-1: no limit); each search goes on
// from where the last replacement was put.
std::string ReplaceAll(std::string text, const std::string& find, const std::string& replacement, int limit = -1);
std::string LowerCase(std::string text);
// Reads a decimal integer after leading white space; trailing text is ignored. Text that holds
// no number reads as 0, and a number beyond the 32-bit range as the nearest end of it.
int ToInt(const std::string& text);
// Reads text that is a whole decimal number and nothing else (an optional minus sign, then
// digits, no blanks) lying within lowest .. highest, as every option of the game and its tools
// is read. False, with value left alone, for anything else.
bool ParseWholeNumber(const std::string& text, int64_t lowest, int64_t highest, int64_t& value);
// Reads "1"/"0" style booleans the way a string stream does; no number reads as false.
bool ToBool(const std::string& text);
// Position of the first character at or after start that is in set and not inside a pair of
// double quotes, the quotes paired from the first character of text on; std::string::npos when
// there is none.
std::string::size_type FindOutsideQuotes(std::string_view set, std::string_view text, std::string::size_type start = 0);

// The code points of UTF-8 text. A sequence cut short (or a byte that starts none) is one
// U+FFFD, and reading goes on at the byte that broke it off.
std::u32string DecodeUtf8(const std::string& text);
// A code point written as UTF-8 (U+FFFD for one that is none).
std::string EncodeUtf8(char32_t code);

} // namespace kolm
