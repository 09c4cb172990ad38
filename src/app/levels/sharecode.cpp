#include "app/levels/sharecode.h"

#include "app/levels/filebytes.h"

#include <miniz.h>

#include <cstdint>
#include <memory>

namespace {

const char kVersion = '1';
const char* const kLinkMark = "#level=";
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// A code longer than this holds more than a shared level can: 64 KB deflated by the worst case
// of stored blocks, in base64.
constexpr std::size_t kLongestCode = (kLargestSharedLevel + kLargestSharedLevel / 1000 + 64) * 4 / 3 + 8;

std::string Base64(const std::string& bytes)
{
    std::string text;
    uint32_t bits = 0;
    int count = 0;
    for (const unsigned char byte : bytes) {
        bits = (bits << 8) | byte;
        count += 8;
        while (count >= 6) {
            count -= 6;
            text += kAlphabet[(bits >> count) & 63];
        }
    }
    if (count > 0)
        text += kAlphabet[(bits << (6 - count)) & 63];
    return text;
}

int Sextet(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '-' ? 62 : c == '_' ? 63 : -1;
}

// The bytes of unpadded base64; false for a character outside the alphabet or a length that
// no bytes have.
bool FromBase64(const std::string& text, std::string& bytes)
{
    if (text.size() % 4 == 1)
        return false;
    uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const int sextet = Sextet(c);
        if (sextet < 0)
            return false;
        bits = (bits << 6) | static_cast<uint32_t>(sextet);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes += static_cast<char>((bits >> count) & 0xff);
        }
    }
    return true;
}

std::string CodeOf(const std::string& text)
{
    const std::size_t mark = text.find(kLinkMark);
    const std::string code = mark == std::string::npos ? text : text.substr(mark + std::string(kLinkMark).size());
    const std::size_t first = code.find_first_not_of(" \t\r\n");
    const std::size_t last = code.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : code.substr(first, last - first + 1);
}

// Inflates the raw deflate stream into at most kLargestSharedLevel bytes.
bool Inflate(const std::string& deflated, std::string& level, std::string& problem)
{
    auto inflator = std::make_unique<tinfl_decompressor>();
    tinfl_init(inflator.get());
    std::string out(kLargestSharedLevel + 1, '\0');
    std::size_t inSize = deflated.size();
    std::size_t outSize = out.size();
    auto* outStart = reinterpret_cast<mz_uint8*>(out.data());
    const tinfl_status status = tinfl_decompress(inflator.get(), reinterpret_cast<const mz_uint8*>(deflated.data()), &inSize,
                                                 outStart, outStart, &outSize, TINFL_FLAG_USING_NON_WRAPPING_OUTPUT_BUF);
    if (status == TINFL_STATUS_HAS_MORE_OUTPUT || (status == TINFL_STATUS_DONE && outSize > kLargestSharedLevel)) {
        problem = "the code holds a level of more than " + SizeText(kLargestSharedLevel);
        return false;
    }
    if (status != TINFL_STATUS_DONE || inSize != deflated.size()) {
        problem = "the code does not decode: its level is cut or broken";
        return false;
    }
    level = out.substr(0, outSize);
    return true;
}

} // namespace

bool EncodeShareCode(const std::string& level, std::string& code, std::string& problem)
{
    if (level.size() > kLargestSharedLevel) {
        problem = "a level of more than " + SizeText(kLargestSharedLevel) + " cannot be shared as a code";
        return false;
    }
    const mz_uint flags = tdefl_create_comp_flags_from_zip_params(MZ_BEST_COMPRESSION, -MZ_DEFAULT_WINDOW_BITS, MZ_DEFAULT_STRATEGY);
    std::size_t size = 0;
    void* deflated = tdefl_compress_mem_to_heap(level.data(), level.size(), &size, static_cast<int>(flags));
    if (!deflated && !level.empty()) {
        problem = "the level could not be deflated";
        return false;
    }
    code = kVersion + Base64(std::string(static_cast<const char*>(deflated), size));
    mz_free(deflated);
    return true;
}

bool DecodeShareCode(const std::string& text, std::string& level, std::string& problem)
{
    const std::string code = CodeOf(text);
    std::string deflated;
    if (code.empty() || code[0] != kVersion) {
        problem = code.empty() ? "the code is empty" : "the code does not decode: it does not begin with 1";
        return false;
    }
    if (code.size() > kLongestCode) {
        problem = "the code is longer than the code of any level of " + SizeText(kLargestSharedLevel) + " or less";
        return false;
    }
    if (!FromBase64(code.substr(1), deflated)) {
        problem = "the code does not decode: it holds a character that is no part of a code, or is cut";
        return false;
    }
    return Inflate(deflated, level, problem);
}

std::string ShareLink(const std::string& address, const std::string& code)
{
    return address.substr(0, address.find('#')) + kLinkMark + code;
}
