#include "app/screens/mainmenu.h"
#include "app/text/translate.h"

#include "app/control/bindings.h"
#include "app/daily/dailycard.h"
#include "app/daily/dailyfolder.h"
#include "app/daily/dailyhistoryfile.h"
#include "app/daily/dailylevel.h"
#include "app/menu/helpcard.h"
#include "app/menu/makelevelscard.h"
#include "app/menu/newgamecard.h"
#include "app/play/inputsource.h"
#include "app/profile/levelpar.h"
#include "app/profile/progressfile.h"
#include "app/replay/replayfile.h"
#include "app/profile/settingskeeper.h"
#include "audio/audiodevice.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"
#include "utils/levellist/clevellist.h"

#include <algorithm>
#include <filesystem>

namespace {

using Kind = Menu::Event::Kind;

Progress PlayersProgress(int levelCount)
{
    return ProgressFile(ProgressFile::DefaultPath()).Load(levelCount > 0 ? levelCount : ProgressFile::kLastPosition);
}

// The level "Continue" starts: the one after the furthest cleared, or the last when all are.
int ContinueLevel(const Progress& progress, int levelCount) { return std::min(progress.cleared + 1, levelCount); }

// Every level of the list has been cleared: the game is finished, and may be played again.
bool Finished(const Progress& progress, int levelCount) { return levelCount > 0 && progress.cleared >= levelCount; }

Menu::Choice Line(const std::string& label)
{
    Menu::Choice choice;
    choice.label = label;
    return choice;
}

} // namespace

MainMenu::MainMenu(SettingsKeeper& settings, const kolm::CLevelList& levels, Platform* platform, bool toolsDriveMenus,
                   LevelCheckMaker check)
    : settings_(settings), levels_(levels), platform_(platform), toolsDriveMenus_(toolsDriveMenus), check_(std::move(check)),
      levelCount_(std::max(0, levels.Count() - 1)),
      progress_(PlayersProgress(levelCount_)), shelf_(ReplayShelf::DefaultFolder()), speech_(SpeechChanges())
{
    main_ = std::make_unique<Menu>("Tobrakka", MainLines());
    paper_.Init(35, 20);
    paper_.noGrid = true;
}

std::vector<Menu::Choice> MainMenu::MainLines()
{
    std::vector<Menu::Choice> lines;
    actions_.clear();
    if (progress_.cleared > 0 && levelCount_ > 0 && !Finished(progress_, levelCount_)) {
        const std::string level = std::to_string(ContinueLevel(progress_, levelCount_));
        lines.push_back(Line(Fill(Tr("menu line", "Continue at level %s"), {level})));
        actions_.push_back(Action::kContinue);
    } else if (Finished(progress_, levelCount_) && FindNextNotebook()) {
        lines.push_back(Line(Tr("menu line", "Next notebook")));
        actions_.push_back(Action::kContinueNotebook);
    }
    const char* newGame = Finished(progress_, levelCount_) ? NoTr("menu line", "Play again") : NoTr("menu line", "New game");
    for (const auto& [label, action] : {std::pair<const char*, Action>{newGame, Action::kNewGame},
                                        {NoTr("menu line", "Levels"), Action::kLevels},
                                        {NoTr("menu line", "Today's level"), Action::kDaily},
                                        {NoTr("menu line", "Replays"), Action::kReplays},
                                        {NoTr("menu line", "Options"), Action::kOptions},
                                        {NoTr("menu line", "How to play"), Action::kHelp},
                                        {NoTr("menu line", "Make levels"), Action::kMakeLevels},
                                        {NoTr("menu line", "Quit"), Action::kQuit}}) {
        lines.push_back(Line(Tr("menu line", label)));
        actions_.push_back(action);
    }
    return lines;
}

bool MainMenu::Tick(uint32_t now)
{
    if (next_.to != Change::To::kStay || !poll_.Due(now))
        return false;
    KeepMusicPlaying(datafiles::kMusic);
    TakeDroppedFiles();
    const InputNames names(platform_, &settings_.InForce().controls);
    // Escape does nothing on the main menu itself.
    if (hint_.Show(card_ ? card_->Hint(names) : MenuHint::Text(names, NoTr("hint", "take"), "")))
        still_.Changed();
    if (card_ && card_->Animate(PollCadence::kPeriodMs))
        still_.Changed();
    still_.Show([this] { Draw(); });
    return true;
}

// Files dropped onto the window or the page go to Make levels, which says what came of each.
void MainMenu::TakeDroppedFiles()
{
    if (!platform_)
        return;
    for (const std::string& path : platform_->TakeDroppedFiles()) {
        if (!dynamic_cast<MakeLevelsCard*>(card_.get()))
            ShowMakeLevels();
        static_cast<MakeLevelsCard&>(*card_).TakeDropped(path);
        still_.Changed();
    }
}

void MainMenu::Draw()
{
    paper_.Draw();
    if (card_)
        card_->Draw();
    else
        main_->Draw();
    hint_.Draw();
}

void MainMenu::LetToolsLook(InputSource& tools, uint32_t clock)
{
    if (toolsDriveMenus_)
        tools.ObserveScreen(clock);
}

void MainMenu::TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out)
{
    if (toolsDriveMenus_)
        tools.TakeDue(clock, out);
}

void MainMenu::HandleEvent(const GameEvent& event)
{
    if (still_.TakeWindowEvent(event))
        return;
    if (event.type == GameEvent::Type::kQuit) {
        next_.to = Change::To::kQuit;
        return;
    }
    if (card_)
        HandleCard(card_, event);
    else
        HandleMain(event);
}

void MainMenu::HandleMain(const GameEvent& event)
{
    const Menu::Event taken = main_->HandleEvent(Bindings(settings_.InForce().controls).InMenu(event));
    if (taken.kind != Kind::kNothing)
        still_.Changed();
    if (taken.kind == Kind::kTaken)
        Take(actions_.at(static_cast<std::size_t>(taken.choice)));
}

void MainMenu::Take(Action action)
{
    switch (action) {
    case Action::kContinue:
        Play(ContinueLevel(progress_, levelCount_) - 1);
        break;
    case Action::kContinueNotebook:
        Play(nextNotebook_.startAfter);
        next_.book = nextNotebook_.listFile;
        break;
    case Action::kNewGame:
        if (Newcomer())
            card_ = std::make_unique<NewGameCard>(levels_.JumpTo(), &settings_.InForce().controls);
        else
            Play(levels_.JumpTo());
        break;
    case Action::kLevels:
        ShowLevels();
        break;
    case Action::kReplays:
        ShowReplays();
        break;
    case Action::kOptions:
        card_ = std::make_unique<OptionsCard>(settings_, platform_);
        break;
    case Action::kHelp:
        card_ = std::make_unique<HelpCard>(platform_, &settings_.InForce().controls, true,
                                           RobotsSeenFile(RobotsSeenFile::DefaultPath()).Load());
        break;
    case Action::kMakeLevels:
        ShowMakeLevels();
        break;
    case Action::kDaily:
        ShowDaily();
        break;
    case Action::kQuit:
        next_.to = Change::To::kQuit;
        break;
    }
}

bool MainMenu::Newcomer() const { return progress_.cleared == 0 && progress_.records.empty(); }

void MainMenu::ShowLevels(const std::string& book)
{
    auto levels = std::make_unique<LevelsCard>(progress_, levelCount_, &settings_.InForce().controls, &shelf_,
                                               LevelsCard::BooksOf(PackShelf::Default().Packs()), ShelfLevelsOf(levels_));
    levels->TurnTo(book);
    card_ = std::move(levels);
    still_.Changed();
}

void MainMenu::ShowMakeLevels()
{
    card_ = std::make_unique<MakeLevelsCard>(MyLevels(MyLevels::DefaultFolder()), platform_,
                                             &settings_.InForce().controls);
    still_.Changed();
}

void MainMenu::ShowDaily()
{
    DailyCard::Setup setup;
    setup.today = DailyDate::Today();
    setup.folder = DailyFolder::DefaultFolder();
    setup.historyPath = DailyHistoryFile::DefaultPath();
    setup.check = check_;
    setup.platform = platform_;
    setup.controls = &settings_.InForce().controls;
    card_ = std::make_unique<DailyCard>(setup);
    still_.Changed();
}

// Every level the player has, by its file's hash: the game's own, the books', then the days'
// played, each by the day's name.
ReplaysCard::LevelNames MainMenu::NamesOfLevels() const
{
    ReplaysCard::LevelNames names;
    for (const ShelfLevel& level : ShelfLevelsOf(levels_))
        names.emplace(level.hash, LevelLabel(level.position, level.name));
    for (const ShelfPack& pack : PackShelf::Default().Packs()) {
        for (const ShelfLevel& level : pack.levels)
            names.emplace(level.hash, LevelLabel(level.position, level.name));
    }
    const DailyFolder days(DailyFolder::DefaultFolder());
    const DailyHistory history = DailyHistoryFile(DailyHistoryFile::DefaultPath()).Load();
    for (const auto& [dayNumber, day] : history.Days()) {
        const DailyDate date = DailyDate::OfDayNumber(dayNumber);
        std::error_code error;
        if (std::filesystem::is_regular_file(days.LevelPath(date), error))
            names.emplace(LevelFileHash(days.LevelPath(date)), DailyLevelMaker(date).ShownName());
    }
    return names;
}

void MainMenu::ShowReplays()
{
    card_ = std::make_unique<ReplaysCard>(shelf_, &settings_.InForce().controls, NamesOfLevels());
    still_.Changed();
}

// Once the game's own levels are cleared, its further notebooks follow: the first of them with a
// level not yet cleared, from that level.
bool MainMenu::FindNextNotebook()
{
    for (const ShelfPack& pack : PackShelf::Default().Packs()) {
        if (pack.source != ShelfPack::Source::kGame)
            continue;
        const auto open = std::find_if(pack.levels.begin(), pack.levels.end(), [this](const ShelfLevel& level) {
            return !progress_.RecordOfHash(level.hash).Exists();
        });
        if (open != pack.levels.end()) {
            nextNotebook_ = {pack.listFile, static_cast<int>(open - pack.levels.begin())};
            return true;
        }
    }
    return false;
}

void MainMenu::Play(int startAfter)
{
    next_.to = Change::To::kPlay;
    next_.startAfter = startAfter;
}

void MainMenu::HandleCard(std::unique_ptr<MenuCard>& card, const GameEvent& event)
{
    if (card->Hear(event) == MenuCard::Heard::kNothing)
        return;
    still_.Changed();
    const Change next = card->WhatNext();
    if (next.to == Change::To::kLesson)
        next_ = Change(Change::To::kLesson, levels_.JumpTo());
    else if (next.to == Change::To::kWatch || next.to == Change::To::kPlay || next.to == Change::To::kEdit ||
             next.to == Change::To::kDaily)
        next_ = next;
    else if (next.to == Change::To::kBack)
        card.reset();
    if (!card && speech_ != SpeechChanges()) { // the language was changed in the options
        speech_ = SpeechChanges();
        main_->SetChoices(MainLines());
    }
}
