// Every word the game letters fits its place in every language: each message of the catalogues
// lettered with the game's glyphs in the place it names (utils/translation/textplaces.h), and
// each line of the option cards beside its value. A failure names the language, the words and
// the place.
#include "app/menu/controlscard.h"
#include "app/menu/optionscard.h"
#include "app/profile/commandline.h"
#include "app/profile/settingskeeper.h"
#include "app/text/lettering.h"
#include "app/text/linebreaks.h"
#include "app/text/translate.h"
#include "utils/translation/catalogue.h"
#include "utils/translation/textplaces.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

namespace {

using translation::TextPlace;

struct TextFitTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    ~TextFitTest() override { Speak(nullptr); }
};

// The words as they are lettered, a number or a key's name ("%d", "%s", "%2$s") as two digits.
std::string Sample(const std::string& words)
{
    static const std::regex kDirective("%([0-9]+\\$)?[sdu]");
    return std::regex_replace(words, kDirective, "00");
}

// What is wrong with the words in the place ("" when they fit).
std::string Misfit(const std::string& words, const TextPlace& place)
{
    const std::vector<std::string> lines = BreakLines(Sample(words), place.size, static_cast<float>(place.width));
    if (static_cast<int>(lines.size()) > place.lines)
        return std::to_string(lines.size()) + " lines where " + std::to_string(place.lines) + " fit";
    for (const std::string& line : lines) {
        const float width = Lettering::Width(line, place.size);
        if (width > static_cast<float>(place.width))
            return "\"" + line + "\" is " + std::to_string(std::lround(width)) + " px wide where " +
                   std::to_string(place.width) + " fit";
    }
    return "";
}

// The English of a message, and its plural.
std::vector<std::string> EnglishForms(const translation::Catalogue::Message& message)
{
    std::vector<std::string> forms{message.english};
    if (!message.englishPlural.empty())
        forms.push_back(message.englishPlural);
    return forms;
}

} // namespace

TEST_F(TextFitTest, EveryMessageFitsItsPlaceInEveryLanguage)
{
    std::set<std::string> englishSeen;
    for (const translation::Language& language : translation::kLanguages) {
        if (&language == &translation::kEnglish)
            continue;
        std::string problem;
        const auto catalogue = translation::Catalogue::ReadFile(translation::CatalogueFile(language), problem);
        ASSERT_TRUE(catalogue) << problem;
        for (const translation::Catalogue::Message& message : catalogue->Messages()) {
            const TextPlace* place = translation::PlaceNamed(message.place);
            ASSERT_NE(place, nullptr) << "no place is called \"" << message.place << "\": " << message.english;
            if (place->kind != TextPlace::Kind::kLettered)
                continue;
            for (const std::string& words : message.forms)
                EXPECT_EQ(Misfit(words, *place), "")
                    << language.code << ": \"" << words << "\" in the " << place->name << " (" << message.english << ")";
            if (!englishSeen.insert(message.place + "|" + message.english).second)
                continue;
            for (const std::string& words : EnglishForms(message))
                EXPECT_EQ(Misfit(words, *place), "") << "en: \"" << words << "\" in the " << place->name;
        }
    }
}

TEST_F(TextFitTest, EveryLineOfTheOptionCardsLeavesRoomForItsValue)
{
    testsupport::TempDir dir;
    SettingsKeeper settings(SettingsFile(dir.File("settings")), CommandLine());
    for (const translation::Language& language : translation::kLanguages) {
        Speak(&language);
        const OptionsCard options(settings, nullptr);
        const ControlsCard controls(settings, nullptr);
        for (const MenuCard* card : {static_cast<const MenuCard*>(&options), static_cast<const MenuCard*>(&controls)}) {
            const Menu& menu = card->Card();
            for (int line = 0; line < menu.Count(); ++line) {
                const std::string& label = menu.ChoiceAt(line).label;
                const float width = Lettering::Width(label, datafiles::GlyphSize::kLarge);
                EXPECT_LE(width, menu.LabelRoom(line)) << language.code << ": \"" << label << "\" on the card \""
                                                       << menu.Title() << "\" beside its value";
            }
        }
    }
}
