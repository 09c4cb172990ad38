// Make levels: the player's own levels made, played, edited, renamed, copied and deleted (after
// asking), a level added from a pasted link and a pack made of them all, from the card's keys as a player presses them.
#include "app/menu/makelevelscard.h"

#include "app/levels/packinstaller.h"
#include "app/levels/sharecode.h"
#include "app/text/translate.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using To = GameScreen::Change::To;

struct MakeLevelsCardTest : testing::Test {
    MakeLevelsCardTest() { SetSoundEnabled(false); }
    ~MakeLevelsCardTest() override { SetSoundEnabled(true); }

    testsupport::TempDir dir;
    MyLevels mine{dir.File("levels")};
    std::string problem;

    static void Press(MakeLevelsCard& card, const std::vector<int32_t>& keys)
    {
        for (int32_t key : keys)
            card.Hear(GameEvent::Key(key, true));
    }
    static void Type(MakeLevelsCard& card, const std::string& text)
    {
        for (char c : text) {
            GameEvent typed = GameEvent::Of(GameEvent::Type::kText);
            typed.value = static_cast<unsigned char>(c);
            card.Hear(typed);
        }
    }
    std::vector<std::string> Labels(const MakeLevelsCard& card) const
    {
        std::vector<std::string> labels;
        for (int i = 0; i < card.Card().Count(); ++i)
            labels.push_back(card.Card().ChoiceAt(i).label);
        return labels;
    }
};

} // namespace

TEST_F(MakeLevelsCardTest, ANewLevelOpensInTheEditorAndALevelIsPlayedCopiedAndDeletedOnlyOnceAsked)
{
    MakeLevelsCard fresh(mine, nullptr);
    Press(fresh, {gamekeys::kReturn}); // New level
    ASSERT_EQ(fresh.WhatNext().to, To::kEdit);
    EXPECT_EQ(testsupport::ReadFile(fresh.WhatNext().level), "60000\n");
    EXPECT_EQ(fresh.WhatNext().watchedFrom, To::kMakeLevels) << "the editor goes back to this card";

    ASSERT_TRUE(mine.Rename(mine.List()[0].file, "Crossfire", problem)) << problem;
    MakeLevelsCard card(mine, nullptr);
    EXPECT_EQ(Labels(card), (std::vector<std::string>{"New level", "Crossfire", "Add from link", "Install a pack",
                                                      "Make a pack", "Back"}));
    Press(card, {gamekeys::kDown, gamekeys::kReturn, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown,
                 gamekeys::kReturn}); // Copy
    EXPECT_EQ(mine.List().size(), 2u);
    Press(card, {gamekeys::kReturn, gamekeys::kUp, gamekeys::kUp, gamekeys::kReturn}); // Delete, asks
    ASSERT_NE(card.Asking(), nullptr);
    Press(card, {gamekeys::kReturn}); // Keep
    EXPECT_EQ(mine.List().size(), 2u);
    Press(card, {gamekeys::kReturn, gamekeys::kUp, gamekeys::kUp, gamekeys::kReturn, gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(mine.List().size(), 1u) << "deleted once asked";
    EXPECT_EQ(Labels(card).size(), 6u);
    Press(card, {gamekeys::kReturn, gamekeys::kReturn}); // Play
    EXPECT_EQ(card.WhatNext().to, To::kPlay);
    EXPECT_EQ(card.WhatNext().startAfter, 0);
    EXPECT_EQ(card.WhatNext().book, mine.ListFile());
}

TEST_F(MakeLevelsCardTest, TheCardSpeaksTheLanguageChosenAndLeavesThePlayersNamesAsTheyAre)
{
    std::string file;
    ASSERT_TRUE(mine.Add("", "60000\n", file, problem)) << problem;
    ASSERT_TRUE(mine.Rename(file, "Crossfire", problem)) << problem;
    Speak(translation::LanguageOfCode("de"));
    MakeLevelsCard card(mine, nullptr);
    Speak(nullptr);
    EXPECT_EQ(card.Card().Title(), "Level bauen");
    EXPECT_EQ(Labels(card), (std::vector<std::string>{"Neues Level", "Crossfire", "Aus Link hinzufügen", "Paket installieren",
                                                      "Paket machen", "Zurück"}));
}

TEST_F(MakeLevelsCardTest, APastedLinkIsAddedAndWhatDoesNotDecodeIsNamedOnItsLine)
{
    std::string code;
    ASSERT_TRUE(EncodeShareCode("30000\n1000,2\n", code, problem)) << problem;
    MakeLevelsCard card(mine, nullptr);
    Press(card, {gamekeys::kDown, gamekeys::kReturn});
    Type(card, "https://example.invalid/#level=" + code);
    EXPECT_EQ(card.Card().ChoiceAt(1).note, "..." + code.substr(code.size() - 12) + "_") << "its end shows on its line";
    Press(card, {gamekeys::kReturn});
    ASSERT_EQ(mine.List().size(), 1u);
    EXPECT_EQ(testsupport::ReadFile(mine.List()[0].path), "30000\n1000,2\n");
    EXPECT_EQ(card.Card().ChoiceAt(2).note, "added");
    EXPECT_EQ(card.Said(), "added as level 1 of your levels");

    Press(card, {gamekeys::kReturn});
    Type(card, "1!!");
    Press(card, {gamekeys::kReturn});
    EXPECT_EQ(mine.List().size(), 1u);
    EXPECT_EQ(card.Card().ChoiceAt(2).note, "refused");
    EXPECT_NE(card.Said().find("code"), std::string::npos) << card.Said();
}

TEST_F(MakeLevelsCardTest, ALevelIsRenamedOnItsOwnLineAndAPackOfAllTheLevelsIsMadeThatInstallsAsOne)
{
    std::string file;
    ASSERT_TRUE(mine.Add("Old name", "30000\n1000,2\n", file, problem)) << problem;
    ASSERT_TRUE(mine.Add("", "20000\n500,1\n", file, problem)) << problem;
    MakeLevelsCard card(mine, nullptr);
    Press(card, {gamekeys::kDown, gamekeys::kReturn, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn}); // Rename
    EXPECT_EQ(card.Card().ChoiceAt(1).note, "Old name_") << "the name to change shows on the level's line";
    Press(card, {gamekeys::kBackspace, gamekeys::kBackspace, gamekeys::kBackspace, gamekeys::kBackspace});
    Type(card, "Crossfire");
    Press(card, {gamekeys::kReturn});
    EXPECT_EQ(mine.List()[0].name, "Old Crossfire");
    EXPECT_EQ(card.Card().ChoiceAt(1).label, "Old Crossfire");

    Press(card, {gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn}); // Make a pack
    EXPECT_EQ(card.Card().ChoiceAt(5).note, "My levels_") << "a title to start from";
    Type(card, " Two!");
    Press(card, {gamekeys::kReturn});
    const std::string zip = dir.File("made-packs/my-levels-two.zip");
    EXPECT_EQ(card.Said(), "the pack is " + zip);
    const PackInstall install = InstallPack(zip, PackPlaces{dir.File("packs"), dir.File("none")});
    ASSERT_TRUE(install.installed) << install.line;
    EXPECT_NE(testsupport::ReadFile(dir.File("packs/my-levels-two/pack.xml")).find("name=\"Old Crossfire\""), std::string::npos);
}
