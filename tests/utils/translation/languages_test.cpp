// Which language the game speaks for a locale as a system or a browser names it, and how its
// lettering spells a translation with the glyphs the build draws.
#include "utils/translation/languages.h"
#include "utils/translation/spelling.h"

#include "utils/stringutils.h"

#include <gtest/gtest.h>

namespace {

std::string CodeFor(const char* locale)
{
    const translation::Language* language = translation::LanguageOfLocale(locale);
    return language ? language->code : "none";
}

std::string Spelled(const char* text)
{
    std::string spelled;
    for (char32_t c : translation::LetteringSpelling(kolm::DecodeUtf8(text)))
        spelled += kolm::EncodeUtf8(c);
    return spelled;
}

} // namespace

TEST(Languages, ALocaleIsSpokenInItsLanguageOrItsCountrysNeighbourOrNotAtAll)
{
    EXPECT_EQ(CodeFor("fr_CA.UTF-8"), "fr");
    EXPECT_EQ(CodeFor("de-AT"), "de");
    EXPECT_EQ(CodeFor("pt-BR"), "pt_BR");
    EXPECT_EQ(CodeFor("pt_PT"), "pt_BR");
    EXPECT_EQ(CodeFor("ja_JP.eucJP@x"), "ja");
    EXPECT_EQ(CodeFor("PL"), "pl");
    EXPECT_EQ(CodeFor("en_GB"), "en");
    for (const char* other : {"zh_CN", "C", "POSIX", "", "-", "_fr"})
        EXPECT_EQ(CodeFor(other), "none") << other;
}

TEST(Languages, LetteringSpellsLettersAsCapitalsAndKanaAsTheyAre)
{
    EXPECT_EQ(Spelled("écran à côté"), "ÉCRAN À CÔTÉ");
    EXPECT_EQ(Spelled("straße"), "STRASSE");
    EXPECT_EQ(Spelled("łódź, żółw, ąę"), "ŁÓDŹ, ŻÓŁW, ĄĘ");
    EXPECT_EQ(Spelled("ñandú, ção"), "ÑANDÚ, ÇÃO");
    EXPECT_EQ(Spelled("きみ、レベルクリア！"), "きみ、レベルクリア！");
    EXPECT_EQ(Spelled("1280 x 720, x 2"), "1280 × 720, X 2");
}
