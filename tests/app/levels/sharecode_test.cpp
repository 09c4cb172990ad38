// Share codes as a player pastes them: every level of the game comes back byte for byte from its
// code, and a code that is not one, or would give more than 64 KB, is refused in one line.
#include "app/levels/sharecode.h"

#include "support/testsupport.h"

#include <miniz.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string Code(const std::string& level)
{
    std::string code;
    std::string problem;
    EXPECT_TRUE(EncodeShareCode(level, code, problem)) << problem;
    return code;
}

std::string Refusal(const std::string& code)
{
    std::string level;
    std::string problem;
    EXPECT_FALSE(DecodeShareCode(code, level, problem)) << code.substr(0, 40);
    EXPECT_EQ(problem.find('\n'), std::string::npos);
    return problem;
}

// A code of any bytes, however many, as another program could write one: their raw deflate
// stream in URL-safe base64.
std::string CodeOfDeflated(const std::string& bytes)
{
    std::size_t size = 0;
    void* deflated = tdefl_compress_mem_to_heap(bytes.data(), bytes.size(), &size, 0x300);
    const std::string stream(static_cast<const char*>(deflated), size);
    mz_free(deflated);
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string code = "1";
    uint32_t bits = 0;
    int count = 0;
    for (const unsigned char byte : stream) {
        bits = (bits << 8) | byte;
        for (count += 8; count >= 6;)
            code += alphabet[(bits >> (count -= 6)) & 63];
    }
    if (count > 0)
        code += alphabet[(bits << (6 - count)) & 63];
    return code;
}

} // namespace

TEST(ShareCode, EveryLevelOfTheGameComesBackByteForByte)
{
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TOBRAKKA_SOURCE_DIR) + "/data/levels")) {
        const std::string bytes = testsupport::ReadFile(entry.path().string());
        const std::string code = Code(bytes);
        EXPECT_EQ(code[0], '1');
        EXPECT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"), std::string::npos);
        std::string decoded;
        std::string problem;
        EXPECT_TRUE(DecodeShareCode(code, decoded, problem)) << problem;
        EXPECT_EQ(decoded, bytes) << entry.path();
        ++levels;
    }
    EXPECT_GE(levels, 10);
}

TEST(ShareCode, ALinkAndBlanksAroundTheCodeReadAsTheCode)
{
    const std::string level = "60000\n1000,3\n";
    const std::string link = ShareLink("https://example.org/tobrakka/#level=old", Code(level));
    EXPECT_EQ(link, "https://example.org/tobrakka/#level=" + Code(level));
    for (const std::string& pasted : {link, "  " + Code(level) + "\r\n", Code(level)}) {
        std::string decoded;
        std::string problem;
        EXPECT_TRUE(DecodeShareCode(pasted, decoded, problem)) << problem;
        EXPECT_EQ(decoded, level);
    }
    std::string empty;
    std::string problem;
    EXPECT_TRUE(DecodeShareCode(Code(""), empty, problem)) << problem;
}

TEST(ShareCode, ACodeThatIsNoneIsRefusedInOneLine)
{
    const std::string good = Code("60000\n1000,3\n2000,4\n");
    EXPECT_EQ(Refusal(""), "the code is empty");
    EXPECT_EQ(Refusal("2" + good.substr(1)), "the code does not decode: it does not begin with 1");
    EXPECT_EQ(Refusal(good + "="), "the code does not decode: it holds a character that is no part of a code, or is cut");
    EXPECT_EQ(Refusal(good.substr(0, good.size() - 3)), "the code does not decode: its level is cut or broken");
    EXPECT_EQ(Refusal(good + "AAAA"), "the code does not decode: its level is cut or broken");
    EXPECT_EQ(Refusal("1" + std::string(200000, 'A')), "the code is longer than the code of any level of 64 KB or less");
}

TEST(ShareCode, NoCodeGivesOrTakesMoreThan64KB)
{
    const std::string largest(kLargestSharedLevel, '7');
    std::string decoded;
    std::string problem;
    EXPECT_TRUE(DecodeShareCode(Code(largest), decoded, problem)) << problem;
    EXPECT_EQ(decoded, largest);
    // A few hundred bytes of code that would unpack to a megabyte.
    EXPECT_EQ(Refusal(CodeOfDeflated(std::string(1 << 20, '\0'))), "the code holds a level of more than 64 KB");
    std::string code;
    EXPECT_FALSE(EncodeShareCode(largest + "\n", code, problem));
    EXPECT_EQ(problem, "a level of more than 64 KB cannot be shared as a code");
}
