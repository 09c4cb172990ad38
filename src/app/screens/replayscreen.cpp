#include "app/screens/replayscreen.h"

#include "app/profile/applysettings.h"
#include "app/control/bindings.h"
#include "app/profile/settings.h"
#include "audio/audiodevice.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/render/renderdevice.h"
#include "engine/core/ticks.h"

#include <algorithm>

namespace {

// The bar ends at the right margin, where the level's label stands in play.
const vector2 kBarAnchor(kVirtualWidth - 24.0f, kVirtualHeight - 22.0f);
const vector2 kNoteAnchor(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
// Of every tick while seeking, the time given to playing ahead; the rest is the frame's.
constexpr uint32_t kSeekBudgetMs = 12;

// "0.25x", "0.5x", "1x" ... "8x".
std::string SpeedWord(int quarters)
{
    if (quarters == 1)
        return "0.25x";
    if (quarters == 2)
        return "0.5x";
    return std::to_string(quarters / 4) + "x";
}

// What the watcher does with a key or a pad button, as a menu hears it (a movement key bound by
// the player comes as the action's own key: w, a, s, d; the menu key as Escape).
enum class Command { kNone, kPause, kFaster, kSlower, kLoopBefore, kLoopAfter, kBack };

struct Meaning {
    int32_t code; // a key, or a pad button
    Command command;
};

constexpr Meaning kKeyMeanings[] = {
    {gamekeys::kSpace, Command::kPause},      {gamekeys::kP, Command::kPause},
    {gamekeys::kUp, Command::kFaster},        {gamekeys::kW, Command::kFaster},
    {gamekeys::kDown, Command::kSlower},      {gamekeys::kS, Command::kSlower},
    {gamekeys::kLeft, Command::kLoopBefore},  {gamekeys::kA, Command::kLoopBefore},
    {gamekeys::kRight, Command::kLoopAfter},  {gamekeys::kD, Command::kLoopAfter},
    {gamekeys::kEscape, Command::kBack},
};

constexpr Meaning kButtonMeanings[] = {
    {pads::kSouth, Command::kPause},         {pads::kStart, Command::kPause},
    {pads::kDpadUp, Command::kFaster},       {pads::kDpadDown, Command::kSlower},
    {pads::kDpadLeft, Command::kLoopBefore}, {pads::kDpadRight, Command::kLoopAfter},
    {pads::kEast, Command::kBack},           {pads::kBack, Command::kBack},
};

template <std::size_t N>
Command Find(const Meaning (&meanings)[N], int32_t code)
{
    for (const Meaning& meaning : meanings) {
        if (meaning.code == code)
            return meaning.command;
    }
    return Command::kNone;
}

Command CommandOf(const GameEvent& heard)
{
    if (heard.type == GameEvent::Type::kKeyDown)
        return Find(kKeyMeanings, heard.key);
    return heard.type == GameEvent::Type::kPadDown ? Find(kButtonMeanings, heard.button) : Command::kNone;
}

} // namespace

ReplayScreen::ReplayScreen(const Setup& setup) : setup_(setup), due_(kolm::GetTicks())
{
    paper_.Init(35, 20);
    paper_.noGrid = true;
    Load(setup_.path);
    UseVolumes();
}

ReplayScreen::~ReplayScreen()
{
    player_.reset();
    HoldAllSound(false);
    ApplyVolumes(*setup_.settings);
}

void ReplayScreen::Load(const std::string& path)
{
    std::string problem;
    if (!LoadReplay(path, replay_, problem))
        problem_ = "the replay cannot be read: " + problem;
    else if (!ReplayPlayer::Playable(replay_, *setup_.levels, problem))
        problem_ = problem;
    else
        Restart();
}

void ReplayScreen::Restart()
{
    player_.reset();
    player_ = std::make_unique<ReplayPlayer>(replay_, *setup_.levels, !setup_.settings->paperMotion,
                                             [this] { DrawOver(); });
    player_->Phase().gameplay.SoftenFlashes(setup_.settings->softFlashes);
}

bool ReplayScreen::Tick(uint32_t now)
{
    if (next_.to != Change::To::kStay || static_cast<int32_t>(now - due_) < 0)
        return false;
    const uint32_t started = kolm::GetTicks();
    if (Seeking())
        Seek(started);
    else if (player_ && !paused_ && !player_->Finished())
        Play();
    else
        Still();
    due_ = started + (Seeking() ? PollCadence::kPeriodMs : Interval());
    return true;
}

void ReplayScreen::Play()
{
    const int steps = StepsPerTick();
    for (int i = 0; i < steps && !player_->Finished(); ++i)
        player_->Step(i == steps - 1);
    if (!player_->Finished())
        return;
    problem_ = player_->PartedLine();
    still_.Changed();
    Still();
}

void ReplayScreen::Seek(uint32_t now)
{
    while (kolm::GetTicks() - now < kSeekBudgetMs && !player_->Finished() && player_->Loop() < seekTo_)
        player_->Step(false);
    if (player_->Finished() || player_->Loop() >= seekTo_) {
        seekTo_ = 0;
        problem_ = player_->PartedLine();
        UseVolumes();
        still_.Changed();
        Still();
    } else if (now - seekStart_ >= kSeekingShownAfterMs) {
        player_->Draw();
    }
}

void ReplayScreen::StartSeeking(int loop, uint32_t now)
{
    if (!player_ || loop > replay_.loops)
        return;
    loop = std::max(loop, 1);
    if (loop <= player_->Loop())
        Restart();
    seekTo_ = loop > 1 ? loop : 0;
    seekStart_ = now;
    UseVolumes();
    still_.Changed();
}

void ReplayScreen::Still()
{
    still_.Show([this] { Draw(); });
}

void ReplayScreen::Draw()
{
    if (player_) {
        player_->Draw();
        return;
    }
    BeginFrame();
    paper_.Draw();
    DrawOver();
    EndFrame();
}

void ReplayScreen::DrawOver()
{
    bar_.Say(sprites_, BarText(), kBarAnchor, TextAlign::kRight);
    note_.Say(sprites_, problem_, kNoteAnchor);
    sprites_.Draw();
}

std::string ReplayScreen::BarText() const
{
    std::string bar = "REPLAY";
    if (!player_)
        return bar;
    bar += " · LEVEL " + std::to_string(replay_.position) + " · LOOP " + std::to_string(player_->Loop()) + " / " +
           std::to_string(replay_.loops) + " · " + SpeedWord(SpeedQuarters());
    if (Seeking() && kolm::GetTicks() - seekStart_ >= kSeekingShownAfterMs)
        bar += " · SEEKING";
    else if (player_->Verified())
        bar += " · END";
    else if (paused_)
        bar += " · PAUSED";
    return bar;
}

void ReplayScreen::HandleEvent(const GameEvent& event)
{
    if (still_.TakeWindowEvent(event))
        return;
    if (event.type == GameEvent::Type::kQuit) {
        next_ = Change(Change::To::kQuit);
        return;
    }
    const Command command = CommandOf(Bindings(setup_.settings->controls).InMenu(event));
    if (command == Command::kNone)
        return;
    still_.Changed();
    switch (command) {
    case Command::kPause:
        paused_ = !paused_;
        HoldAllSound(paused_);
        break;
    case Command::kFaster:
    case Command::kSlower:
        ChangeSpeed(command == Command::kFaster ? 1 : -1);
        break;
    case Command::kLoopBefore:
    case Command::kLoopAfter:
        if (player_)
            StartSeeking(player_->Loop() + (command == Command::kLoopAfter ? 1 : -1), kolm::GetTicks());
        break;
    case Command::kBack:
        next_ = Change(setup_.backToList ? Change::To::kReplays : Change::To::kQuit);
        break;
    case Command::kNone:
        break;
    }
}

void ReplayScreen::ChangeSpeed(int direction)
{
    const int last = static_cast<int>(kSpeedQuarters.size()) - 1;
    speed_ = static_cast<std::size_t>(std::clamp(static_cast<int>(speed_) + direction, 0, last));
    UseVolumes();
}

void ReplayScreen::UseVolumes() const
{
    const bool heard = SpeedQuarters() <= 4 && !Seeking();
    SetMixerVolumes(0, heard ? EffectsMixerVolume(setup_.settings->effectsVolume) : 0);
}

uint32_t ReplayScreen::Interval() const
{
    const int quarters = SpeedQuarters();
    return quarters < 4 ? Gameplay::kStepMs * 4 / static_cast<uint32_t>(quarters) : Gameplay::kStepMs;
}

int ReplayScreen::StepsPerTick() const { return std::max(1, SpeedQuarters() / 4); }
