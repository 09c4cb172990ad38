#include "app/edit/testplay.h"

#include "app/profile/settings.h"
#include "utils/datafiles.h"

namespace {

FrameLoop::Options TestOptions(const Settings& settings, Platform* platform)
{
    FrameLoop::Options options;
    options.platform = platform;
    options.pace.musicFile = datafiles::kMusic;
    options.pace.gameSpeed = settings.gameSpeed;
    options.pause.pausable = true;
    options.pause.pauseOnFocusLoss = settings.pauseOnFocusLoss;
    options.controls = &settings.controls;
    options.rumble = settings.rumble;
    options.endsAfterLastLevel = true;
    return options;
}

} // namespace

std::string ListOfOneLevel(const std::string& levelFile)
{
    return "<LevelList>\n<Level position=\"1\" filename=\"" + levelFile + "\"></Level>\n</LevelList>\n";
}

TestPlay::TestPlay(const std::string& listFile, const PhaseSnapshot& from, const SnapshotStore& store,
                   const Settings& settings, Platform* platform)
    : levels_(listFile)
{
    phase_ = std::make_unique<GamePhase>(!settings.paperMotion, FirstLevel::FromLevelList(), levels_, RandomGenerators(1));
    phase_->overlay->clearStands = true;
    phase_->gameplay.SoftenFlashes(settings.softFlashes);
    loop_ = std::make_unique<FrameLoop>(TestOptions(settings, platform), *phase_, nullptr);
    PutBack(from, *phase_, *loop_, store);
    phase_->gameplay.SetHeroUntouched(false);
}

TestPlay::~TestPlay()
{
    loop_.reset();
    phase_.reset();
}

void TestPlay::HandleEvent(const GameEvent& event)
{
    quit_ = quit_ || event.type == GameEvent::Type::kQuit;
    loop_->Dispatch(event);
}
