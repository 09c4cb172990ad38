// The settings reader: the input is a settings file's text. It is read through a real file, as
// the game reads it, then parsed: every value read is one the game can apply, every problem
// names a line of the text in one line of its own, and the settings written back read back the
// same without a problem.
#include "app/profile/settingsfile.h"
#include "utils/playerfile.h"

#include "tempfile.h"

#include <algorithm>
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
        std::fprintf(stderr, "fuzz_settings: %s\n", what);
        std::abort();
    }
}

// The file's text as the reader hands it on: all of it, unless it is binary or too large.
void RequireFileReadsAsWritten(const std::string& text)
{
    static const fuzzsupport::TempFile file("fuzz_settings");
    file.Write(text);
    const kolm::PlayerFileText read = kolm::ReadPlayerFile(file.Path());
    const bool usable = text.size() <= kolm::kPlayerFileLimit && text.find('\0') == std::string::npos;
    Require(read.state == (usable ? kolm::PlayerFileText::State::kRead : kolm::PlayerFileText::State::kUnusable),
            "a file was taken or refused wrongly");
    Require(!usable || read.text == text, "the file did not read as written");
    Require(usable || !read.problem.empty(), "a refused file has no reason");
}

void RequireAppliable(const Settings& settings)
{
    Require(settings.musicVolume >= 0 && settings.musicVolume <= Settings::kMaxVolume, "music volume out of range");
    Require(settings.effectsVolume >= 0 && settings.effectsVolume <= Settings::kMaxVolume, "effects volume out of range");
    const auto& choices = WindowSize::Choices();
    Require(std::find(choices.begin(), choices.end(), settings.windowSize) != choices.end(), "a window size not offered");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RequireFileReadsAsWritten(text);

    std::vector<kolm::FileProblem> problems;
    const Settings settings = ParseSettings(text, problems);
    RequireAppliable(settings);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    int previous = 0;
    for (const kolm::FileProblem& problem : problems) {
        Require(problem.line > previous && problem.line <= lines, "a problem names no line of the text, or one twice");
        Require(problem.what.find('\n') == std::string::npos && !problem.what.empty(), "a problem is not one line");
        previous = problem.line;
    }

    std::vector<kolm::FileProblem> again;
    Require(ParseSettings(FormatSettings(settings), again) == settings, "written settings read back differently");
    Require(again.empty(), "written settings read back with a problem");
    return 0;
}
