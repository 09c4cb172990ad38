// The catalogues as the build compiles them from po/: a message found by its place and English
// text, a plural message's form by the language's rule, and a file that is not a whole catalogue
// refused with its reason.
#include "utils/translation/catalogue.h"
#include "utils/translation/languages.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

translation::Catalogue Read(const char* code)
{
    std::string problem;
    const auto catalogue =
        translation::Catalogue::ReadFile(translation::CatalogueFile(*translation::LanguageOfCode(code)), problem);
    EXPECT_TRUE(catalogue) << problem;
    return catalogue ? *catalogue : translation::Catalogue();
}

} // namespace

TEST(Catalogue, AMessageIsFoundByItsPlaceAndItsEnglish)
{
    const translation::Catalogue french = Read("fr");
    ASSERT_NE(french.Find("menu title", "Options"), nullptr);
    EXPECT_EQ(*french.Find("option line", "Music"), "Musique");
    EXPECT_EQ(french.Find("menu line", "Music"), nullptr) << "another place is another message";
    EXPECT_EQ(french.Find("option line", "Never said"), nullptr);
}

TEST(Catalogue, APluralTakesTheFormOfItsLanguagesRule)
{
    const translation::Catalogue polish = Read("pl");
    const char* english = "and %d more problem with the settings file";
    auto form = [&](uint64_t n) { return *polish.FindPlural("card note", english, n); };
    EXPECT_EQ(form(1), "i jeszcze %d problem w pliku ustawień");
    EXPECT_EQ(form(2), "i jeszcze %d problemy w pliku ustawień");
    EXPECT_EQ(form(22), form(2));
    EXPECT_EQ(form(5), "i jeszcze %d problemów w pliku ustawień");
    EXPECT_EQ(form(12), form(5));
    EXPECT_EQ(form(112), form(5));
    const translation::Catalogue french = Read("fr");
    EXPECT_EQ(*french.FindPlural("card note", english, 0), *french.FindPlural("card note", english, 1))
        << "French says 0 in the singular";
}

TEST(Catalogue, BytesThatAreNotAWholeCatalogueAreRefusedWithTheReason)
{
    const std::string whole = testsupport::ReadFile(translation::CatalogueFile(*translation::LanguageOfCode("de")));
    std::string problem;
    EXPECT_TRUE(translation::Catalogue::FromMo(whole, problem)) << problem;
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{27}, whole.size() / 2, whole.size() - 1}) {
        problem.clear();
        EXPECT_FALSE(translation::Catalogue::FromMo(whole.substr(0, length), problem)) << length;
        EXPECT_NE(problem, "") << length;
    }
    std::string wrongMagic = whole;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(translation::Catalogue::FromMo(wrongMagic, problem));
    EXPECT_FALSE(translation::Catalogue::ReadFile("data/lang/none.mo", problem));
}

TEST(PluralRule, AHeaderThatDoesNotReadWholeFallsBackToEnglish)
{
    for (const char* bad : {"", "nplurals=2;", "nplurals=2; plural=(n != ;", "nplurals=x; plural=n;",
                            "nplurals=2; plural=n/0;"}) {
        const auto rule = translation::PluralRule::FromHeader(bad);
        if (rule) {
            EXPECT_EQ(rule->FormOf(1), 0) << bad;
            EXPECT_LT(rule->FormOf(7), rule->Count()) << bad;
        }
    }
    const auto japanese = translation::PluralRule::FromHeader("nplurals=1; plural=0;");
    ASSERT_TRUE(japanese);
    EXPECT_EQ(japanese->FormOf(5), 0);
}
