#include "app/screens/playscreen.h"

#include "app/play/inputsource.h"
#include "app/profile/settings.h"
#include "app/replay/replayfile.h"
#include "utils/datafiles.h"
#include "utils/levellist/clevellist.h"

namespace {

FrameLoop::Options LoopOptions(const PlayScreen::Setup& setup)
{
    const Settings& settings = *setup.settings;
    const InputSource* tools = setup.tools;
    FrameLoop::Options options;
    options.pace.showFps = settings.showFps;
    options.pace.musicFile = datafiles::kMusic;
    options.platform = setup.platform;
    options.pause.pausable = !setup.classic;
    options.pause.pauseOnFocusLoss = settings.pauseOnFocusLoss && (!tools || !tools->PlaysTheGame());
    options.pause.card = setup.keeper;
    options.pace.toolClockStart = setup.toolClock;
    options.endsAfterLastLevel = setup.endsAfterLastLevel;
    options.rumble = setup.classic ? 0 : settings.rumble;
    options.controls = setup.classic ? nullptr : &settings.controls;
    // The tools play at their own pace unless asked for a speed; the classic game at its own.
    const bool ownPace = setup.classic || (tools && !setup.speedAsked);
    options.pace.gameSpeed = ownPace ? GameSpeed::kFull : settings.gameSpeed;
    options.pace.speedFromOptions = !setup.classic && !tools;
    return options;
}

// How the records of a list that is not the game's own name its levels: by their file's hash.
ProgressKeeper::HashOf HashOf(const PlayScreen::Setup& setup)
{
    if (setup.book.empty())
        return nullptr;
    const kolm::CLevelList* levels = setup.levels;
    return [levels](int position) { return LevelFileHash(levels->FileNameAt(position)); };
}

} // namespace

PlayScreen::PlayScreen(const Setup& setup)
    : tools_(setup.tools), drivesMenus_(setup.tools && setup.tools->DrivesMenus()), book_(setup.book)
{
    // The game phase's generators: seeded from the clock, unless given or the tools seed them.
    RandomGenerators random = setup.random ? *setup.random : RandomGenerators::FromClock();
    if (tools_)
        tools_->PhaseStarting(random);
    phase_ = std::make_unique<GamePhase>(!setup.settings->paperMotion, FirstLevel::FromLevelList(setup.startAfter),
                                         *setup.levels, random);
    // The classic game knows only the first robot kinds: the later ones' event types spawn nothing.
    phase_->gameplay.SetLaterKinds(!setup.classic);
    if (!setup.classic) {
        phase_->status = std::make_unique<StatusLayer>(&phase_->gameplay);
        phase_->overlay->clearStands = true;
        phase_->overlay->givesWay = true;
        phase_->gameplay.SoftenFlashes(setup.settings->softFlashes);
    }
    if (!tools_ || tools_->KeepsProgress())
        phase_->progress = std::make_unique<ProgressKeeper>(ProgressFile(ProgressFile::DefaultPath()), *setup.levels,
                                                            HashOf(setup));
    // A person meets the later robot kinds through their cards; so does a script that plays as one.
    if (!setup.classic && (!tools_ || drivesMenus_))
        phase_->robots = std::make_unique<RobotWatch>(RobotsSeenFile(RobotsSeenFile::DefaultPath()));
    if (phase_->progress && !setup.classic)
        phase_->replays = std::make_unique<ReplayRecorder>(ReplayShelf(ReplayShelf::DefaultFolder()), *setup.levels);
    loop_ = std::make_unique<FrameLoop>(LoopOptions(setup), *phase_, tools_);
}

PlayScreen::~PlayScreen()
{
    if (tools_)
        tools_->PhaseEnded(*phase_);
    loop_.reset();
    phase_.reset();
}

GameScreen::Change PlayScreen::WhatNext() const
{
    if (loop_->Running())
        return Change();
    if (loop_->AllLevelsCleared() && phase_->progress) {
        Change ending(Change::To::kEnding); // of the book just played
        ending.records = phase_->progress->Known();
        ending.book = book_;
        return ending;
    }
    if (loop_->AllLevelsCleared() && !book_.empty()) {
        Change levels(Change::To::kLevels); // the book just played
        levels.book = book_;
        return levels;
    }
    switch (loop_->HowItEnded()) {
    case FrameLoop::Ending::kMainMenu:
        return Change(Change::To::kMainMenu);
    case FrameLoop::Ending::kLesson:
        // The lesson asked for from the pause card's help, then this level again.
        return Change(Change::To::kLesson, phase_->levelsFromList ? phase_->levels.Current() - 1 : FirstLevel::kListOwnStart);
    default:
        return Change(Change::To::kQuit);
    }
}
