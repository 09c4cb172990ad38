// The one lookup of the game's words: the language chosen in the settings or the system's, a
// message in the language spoken or in English when its catalogue lacks it, a catalogue that
// cannot be read named once with English spoken, and the filling of numbers into the words.
#include "app/profile/applysettings.h"
#include "app/text/translate.h"

#include "support/fakeplatform.h"

#include <gtest/gtest.h>

namespace {

struct TranslateTest : ::testing::Test {
    ~TranslateTest() override { Speak(nullptr); }
};

} // namespace

TEST_F(TranslateTest, TheLanguageSpokenIsTheSettingsOrTheFirstOfTheSystemsTheGameHas)
{
    testsupport::FakePlatform platform;
    platform.locales = {"zh_TW", "de_CH", "fr_FR"};
    Settings settings;
    ApplyLanguage(&platform, settings);
    EXPECT_STREQ(SpokenLanguage().code, "de");
    EXPECT_EQ(Tr("option line", "Music"), "Musik");
    settings.language = "ja";
    const uint32_t changes = SpeechChanges();
    ApplyLanguage(&platform, settings);
    EXPECT_EQ(Tr("option line", "Music"), "音楽");
    EXPECT_EQ(SpeechChanges(), changes + 1) << "screens letter their words anew";
    platform.locales = {"zh_TW"};
    settings.language = Settings::kAutomatic;
    ApplyLanguage(&platform, settings);
    EXPECT_STREQ(SpokenLanguage().code, "en") << "no language the game has: English";
    EXPECT_EQ(Tr("option line", "Music"), "Music");
}

TEST_F(TranslateTest, AMessageTheCatalogueLacksIsSaidInEnglishNeverEmpty)
{
    Speak(translation::LanguageOfCode("pl"));
    EXPECT_EQ(Tr("option line", "A line no catalogue has"), "A line no catalogue has");
    EXPECT_EQ(TrN("card note", "%d new thing", "%d new things", 1), "%d new thing");
    EXPECT_EQ(TrN("card note", "%d new thing", "%d new things", 4), "%d new things");
    EXPECT_EQ(Fill(TrN("card note", "and %d more problem with the settings file",
                       "and %d more problems with the settings file", 3),
                   {"3"}),
              "i jeszcze 3 problemy w pliku ustawień");
}

TEST_F(TranslateTest, ACatalogueThatCannotBeReadIsNamedOnceAndEnglishIsSpoken)
{
    static constexpr translation::Language kKlingon{"tlh", "tlhIngan Hol", '.'};
    testing::internal::CaptureStderr();
    Speak(&kKlingon);
    Speak(nullptr);
    Speak(&kKlingon);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_STREQ(SpokenLanguage().code, "en");
    EXPECT_EQ(Tr("menu title", "Options"), "Options");
    EXPECT_NE(said.find("data/lang/tlh.mo"), std::string::npos) << said;
    EXPECT_EQ(said.find("data/lang/tlh.mo"), said.rfind("data/lang/tlh.mo")) << said;
}

TEST_F(TranslateTest, NumbersAreFilledInTheirPlacesAndTimesTakeTheLanguagesDecimalMark)
{
    EXPECT_EQ(Fill("%s of %s, 100%%", {"3", "12"}), "3 of 12, 100%");
    EXPECT_EQ(Fill("%2$s / %1$s", {"a", "b"}), "b / a");
    EXPECT_EQ(Fill("%s and %s", {"one"}), "one and ") << "a directive with no value is dropped";
    EXPECT_EQ(WithDecimalMark("0:41.2"), "0:41.2");
    Speak(translation::LanguageOfCode("fr"));
    EXPECT_EQ(WithDecimalMark("0:41.2"), "0:41,2");
    Speak(translation::LanguageOfCode("ja"));
    EXPECT_EQ(WithDecimalMark("0:41.2"), "0:41.2");
}
