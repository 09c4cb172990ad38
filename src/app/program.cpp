#include "app/program.h"

#include "app/daily/dailyhistoryfile.h"
#include "app/daily/dailylookup.h"
#include "app/levels/packinstaller.h"
#include "app/levels/sharedlevel.h"
#include "app/profile/applysettings.h"
#include "app/screens/dailyscreen.h"
#include "app/profile/levelpar.h"
#include "app/screens/endingscreen.h"
#include "app/play/frameloop.h"
#include "app/play/inputsource.h"
#include "app/screens/lessonscreen.h"
#include "app/screens/mainmenu.h"
#include "app/screens/playscreen.h"
#include "app/screens/replayscreen.h"
#include "app/profile/settingskeeper.h"
#include "app/screens/titlescreen.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/platform/platform.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"
#include "utils/log.h"
#include "utils/levellist/clevellist.h"

#include <algorithm>
#include <filesystem>

namespace {

const char* const kCaption = "Tobrakka - release 5";

void StartAudio(const Settings& settings)
{
    // The track starts quietly while the effects load (never louder than the player's volume).
    StartMusic(datafiles::kMusic, std::min(12, MusicMixerVolume(settings.musicVolume)));
    LoadAllSoundEffects();
    ApplyVolumes(settings);
}

// Where the player asked to start: after the furthest level cleared ("-continue"), at a list
// position ("-level N"), or where the list itself starts.
int StartAfter(const CommandLine& options)
{
    if (options.startLevel)
        return options.startLevel - 1;
    const int cleared = options.continueGame ? ProgressFile(ProgressFile::DefaultPath()).LastCleared() : 0;
    return cleared ? cleared : FirstLevel::kListOwnStart;
}

// Where the editor keeps the level it previews: the system's folder for passing files.
std::string ScratchFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::string(".") : folder.string();
}

// The editor's Share line: the level's link on the page, or "" when it cannot be shared.
std::string LinkOf(const std::string& file)
{
    std::string link;
    std::string problem;
    return ShareLinkOfFile(file, link, problem) ? link : std::string();
}

// A level of the player's own has its name in their list, which the editor's Name line changes.
void NameFromMyLevels(EditorScreen::Setup& setup)
{
    const MyLevels mine(MyLevels::DefaultFolder());
    std::error_code error;
    for (const MyLevels::Level& level : mine.List()) {
        if (!std::filesystem::equivalent(level.path, setup.file, error))
            continue;
        setup.name = level.name;
        setup.rename = [mine, file = level.file](const std::string& name) {
            std::string problem;
            return MyLevels(mine).Rename(file, name, problem);
        };
    }
}

// The daily level of a date, as kept in the daily folder or else found by the bot there and then
// (about a second); false, with one line saying why, when there is none to play.
bool DailyLevelOf(const std::string& date, const LevelCheckMaker& check, DailyFound& found, std::string& problem)
{
    DailyDate day;
    if (!DailyDate::Read(date, day, problem))
        return false;
    const DailyFolder folder(DailyFolder::DefaultFolder());
    if (folder.Kept(day, found))
        return true;
    if (!check) {
        problem = "no bot to find the daily level of " + date;
        return false;
    }
    DailyLookup lookup(day, folder, check);
    while (!lookup.Advance(1000)) {
    }
    problem = lookup.Problem();
    if (lookup.Ready())
        found = lookup.Found();
    return lookup.Ready();
}

} // namespace

Program::Program(const std::vector<std::string>& arguments, InputSource* tools, LevelCheckMaker check)
    : options_(ParseCommandLine(arguments)), classicSettings_(ForThisRun(Settings::Defaults(), options_)),
      tools_(tools), check_(std::move(check))
{
}

Program::~Program()
{
    screen_.reset();
    platform_.reset();
}

const Settings& Program::InForce() const { return settings_ ? settings_->InForce() : classicSettings_; }

bool Program::Tick(uint32_t now)
{
    if (!started_) {
        StartUp();
        return !done_;
    }
    if (done_ || !screen_->Tick(now))
        return !done_;
    if (screen_->RunsToolClock())
        toolClock_ += Gameplay::kStepMs;
    PumpEvents();
    const GameScreen::Change change = screen_->WhatNext();
    if (change.to != GameScreen::Change::To::kStay)
        MoveOn(change);
    return !done_;
}

uint32_t Program::NextDue() const { return screen_ && !done_ ? screen_->NextDue() : kolm::GetTicks(); }

void Program::PumpEvents()
{
    if (tools_)
        screen_->LetToolsLook(*tools_, toolClock_);
    GameEvent event;
    while (screen_->TakesEvents() && platform_->Poll(event)) {
        // The window keys' switch is the player's choice of full screen, kept as the options' is.
        if (event.type == GameEvent::Type::kFullScreen && settings_)
            settings_->FollowFullScreen(event.value != 0);
        screen_->HandleEvent(platform_->Picture().MouseInPicture(event));
    }
    if (!tools_)
        return;
    toolEvents_.clear();
    screen_->TakeToolEvents(*tools_, toolClock_, toolEvents_);
    for (const GameEvent& toolEvent : toolEvents_) {
        if (!screen_->TakesEvents())
            break;
        screen_->HandleToolEvent(FromToolsWindow(toolEvent));
    }
}

void Program::StartUp()
{
    started_ = true;
    if (!options_.installFile.empty()) {
        exitStatus_ = InstallPackFromCommandLine(options_.installFile);
        done_ = true;
        return;
    }
    if (!options_.classic)
        settings_ = std::make_unique<SettingsKeeper>(SettingsFile(SettingsFile::DefaultPath()), options_);
    if (!FindDailyLevel())
        return;
    OpenWindow();
    if (done_)
        return;
    StartAudio(InForce());
    if (settings_)
        ApplyLanguage(platform_.get(), InForce());
    GameScreen::Change afterTitle(GameScreen::Change::To::kMainMenu);
    if (!options_.replayFile.empty()) {
        afterTitle.to = GameScreen::Change::To::kWatch;
        afterTitle.replay = options_.replayFile;
    } else if (!options_.editFile.empty() && !options_.classic) {
        afterTitle.to = GameScreen::Change::To::kEdit;
        afterTitle.level = options_.editFile;
    } else if (!options_.sharedLevel.empty() && !options_.classic) {
        afterTitle = PlaySharedLevel(afterTitle);
    } else if (!options_.dailyDate.empty() && !options_.classic) {
        afterTitle.to = GameScreen::Change::To::kDaily;
        afterTitle.daily = options_.dailyDate;
    } else if (!ShowsMenus()) {
        afterTitle.to = GameScreen::Change::To::kPlay;
        afterTitle.startAfter = StartAfter(options_);
    }
    // A person new to the game keeps the title's controls until a key.
    const bool newcomer = ShowsMenus() && !tools_ && ProgressFile(ProgressFile::DefaultPath()).Load() == Progress();
    screen_ = std::make_unique<TitleScreen>(options_.classic, afterTitle, platform_.get(),
                                            settings_ ? &settings_->InForce().controls : nullptr, newcomer);
}

// A level from a link ("-shared CODE", the page opened at "#level=CODE") is kept in My levels
// and played after the title, its book the player's own levels; one that cannot be read is named
// in one line and the game goes on as it would have.
GameScreen::Change Program::PlaySharedLevel(const GameScreen::Change& otherwise) const
{
    MyLevels mine(MyLevels::DefaultFolder());
    KeptLevel kept;
    std::string problem;
    if (!KeepSharedLevel(mine, options_.sharedLevel, "Shared level", kept, problem)) {
        kolm::Warn("the shared level: " + problem);
        return otherwise;
    }
    kolm::Say("the shared level is kept in My levels: " + kept.path);
    GameScreen::Change play(GameScreen::Change::To::kPlay, kept.position - 1);
    play.book = mine.ListFile();
    return play;
}

// "-daily DATE": the date's level is had before any window opens; a date with none is one line
// and the game's end.
bool Program::FindDailyLevel()
{
    if (options_.dailyDate.empty() || options_.classic)
        return true;
    DailyFound found;
    std::string problem;
    if (DailyLevelOf(options_.dailyDate, check_, found, problem))
        return true;
    kolm::Warn("-daily: " + problem);
    exitStatus_ = 2;
    ShutDown();
    return false;
}

void Program::OpenWindow()
{
    const WindowSize size = InForce().windowSize;
    WindowOptions window;
    window.classic = options_.classic;
    window.fullScreen = InForce().fullScreen;
    window.caption = kCaption;
    if (options_.classic)
        RequestedWindow(options_.requestedWidth, window.width, window.height);
    else if (!size.fitsDesktop) {
        window.width = size.width;
        window.height = size.height;
    }
    platform_ = Platform::Start(window);
    if (!platform_) {
        exitStatus_ = 1;
        ShutDown();
        return;
    }
    if (size.fitsDesktop)
        ApplyWindow(*platform_, InForce());
}

bool Program::ShowsMenus() const
{
    return !options_.classic && !options_.startLevel && !options_.continueGame && options_.replayFile.empty() &&
           options_.editFile.empty() && options_.dailyDate.empty() &&
           (!tools_ || tools_->DrivesMenus());
}

void Program::MoveOn(const GameScreen::Change& change)
{
    screen_.reset();
    screen_ = ScreenFor(change);
    if (!screen_) {
        ShutDown();
        return;
    }
    platform_->ShowCursor(screen_->ShowsCursor());
}

std::unique_ptr<GameScreen> Program::ScreenFor(const GameScreen::Change& change)
{
    switch (change.to) {
    case GameScreen::Change::To::kMainMenu:
    case GameScreen::Change::To::kReplays:
    case GameScreen::Change::To::kLevels:
    case GameScreen::Change::To::kMakeLevels:
    case GameScreen::Change::To::kDailyCard: {
        auto menu = std::make_unique<MainMenu>(*settings_, levels_, platform_.get(), tools_ && tools_->DrivesMenus(), check_);
        if (change.to == GameScreen::Change::To::kReplays)
            menu->ShowReplays();
        else if (change.to == GameScreen::Change::To::kLevels)
            menu->ShowLevels(change.book);
        else if (change.to == GameScreen::Change::To::kMakeLevels)
            menu->ShowMakeLevels();
        else if (change.to == GameScreen::Change::To::kDailyCard)
            menu->ShowDaily();
        return menu;
    }
    case GameScreen::Change::To::kDaily:
        return DailyScreenFor(change);
    case GameScreen::Change::To::kWatch: {
        ReplayScreen::Setup setup;
        setup.path = change.replay;
        setup.levels = &levels_;
        setup.settings = &InForce();
        setup.platform = platform_.get();
        setup.back = GameScreen::Change(ShowsMenus() ? change.watchedFrom : GameScreen::Change::To::kQuit);
        setup.scripted = tools_ != nullptr;
        return std::make_unique<ReplayScreen>(setup);
    }
    case GameScreen::Change::To::kPlay: {
        PlayScreen::Setup setup = PlaySetup();
        setup.startAfter = change.startAfter;
        if (!change.book.empty()) {
            book_ = std::make_unique<kolm::CLevelList>(change.book, kolm::CLevelList::Names::kInListFolder);
            setup.levels = book_.get();
            setup.book = change.book;
        }
        return std::make_unique<PlayScreen>(setup);
    }
    case GameScreen::Change::To::kLesson: {
        LessonScreen::Setup setup;
        setup.settings = &InForce();
        setup.keeper = settings_.get();
        setup.platform = platform_.get();
        setup.tools = tools_;
        setup.toolClock = toolClock_;
        setup.startAfter = change.startAfter;
        return std::make_unique<LessonScreen>(setup);
    }
    case GameScreen::Change::To::kEdit:
        return std::make_unique<EditorScreen>(EditorSetup(change));
    case GameScreen::Change::To::kEnding:
        return EndingFor(change);
    default:
        return nullptr;
    }
}

// The ending of the book just cleared. My levels, a bench the player keeps adding to, has none:
// after its last level, as after a book no longer on the shelf, straight back to the Levels card.
std::unique_ptr<GameScreen> Program::EndingFor(const GameScreen::Change& change)
{
    if (change.book.empty()) {
        std::vector<std::string> names;
        for (const ShelfLevel& level : ShelfLevelsOf(levels_))
            names.push_back(level.name);
        return std::make_unique<EndingScreen>(
            EndingScreen::OwnList(change.records, levels_.Count() - 1, ShowsMenus(), ParsOf(levels_), names));
    }
    for (const ShelfPack& pack : PackShelf::Default().Packs()) {
        if (pack.listFile == change.book && pack.source != ShelfPack::Source::kMine)
            return std::make_unique<EndingScreen>(EndingScreen::OfPack(change.records, pack, ShowsMenus()));
    }
    GameScreen::Change levels(GameScreen::Change::To::kLevels);
    levels.book = change.book;
    return ScreenFor(levels);
}

PlayScreen::Setup Program::PlaySetup()
{
    PlayScreen::Setup setup;
    setup.settings = &InForce();
    setup.levels = &levels_;
    setup.keeper = settings_.get();
    setup.platform = platform_.get();
    setup.tools = tools_;
    setup.classic = options_.classic;
    setup.endsAfterLastLevel = !options_.classic && (!tools_ || tools_->DrivesMenus());
    setup.toolClock = toolClock_;
    setup.speedAsked = options_.gameSpeed != 0;
    return setup;
}

// The daily level of the date asked: counted from today's card, practice otherwise; back to
// today's card after it, or the game's end for "-daily DATE".
std::unique_ptr<GameScreen> Program::DailyScreenFor(const GameScreen::Change& change)
{
    DailyScreen::Setup setup;
    setup.play = PlaySetup();
    std::string problem;
    if (!DailyLevelOf(change.daily, check_, setup.level, problem)) {
        kolm::Warn("the daily level: " + problem);
        return ScreenFor(GameScreen::Change(GameScreen::Change::To::kDailyCard));
    }
    setup.levelFile = DailyFolder(DailyFolder::DefaultFolder()).LevelPath(setup.level.date);
    setup.historyPath = DailyHistoryFile::DefaultPath();
    setup.counting = change.dailyCounts;
    setup.back = GameScreen::Change(ShowsMenus() ? GameScreen::Change::To::kDailyCard : GameScreen::Change::To::kQuit);
    return std::make_unique<DailyScreen>(setup);
}

EditorScreen::Setup Program::EditorSetup(const GameScreen::Change& change)
{
    EditorScreen::Setup setup;
    setup.file = change.level;
    setup.levels = &levels_;
    setup.settings = &InForce();
    setup.platform = platform_.get();
    setup.check = check_;
    setup.scratchFolder = ScratchFolder();
    setup.shareLink = LinkOf;
    NameFromMyLevels(setup);
    setup.toolsDriveMenus = tools_ && tools_->DrivesMenus();
    const bool toMakeLevels = change.watchedFrom == GameScreen::Change::To::kMakeLevels;
    setup.back = GameScreen::Change(!ShowsMenus()  ? GameScreen::Change::To::kQuit
                                    : toMakeLevels ? GameScreen::Change::To::kMakeLevels
                                                   : GameScreen::Change::To::kMainMenu);
    return setup;
}

void Program::ShutDown()
{
    screen_.reset();
    platform_.reset();
    done_ = true;
}

int RunProgram(const std::vector<std::string>& arguments, InputSource* tools, LevelCheckMaker check)
{
    Program program(arguments, tools, std::move(check));
    for (uint32_t now = kolm::GetTicks(); program.Tick(now);)
        now = kolm::WaitUntil(program.NextDue());
    return program.ExitStatus();
}
