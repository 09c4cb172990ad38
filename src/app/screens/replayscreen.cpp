#include "app/screens/replayscreen.h"

#include "app/control/bindings.h"
#include "app/control/inputnames.h"
#include "app/play/inputsource.h"
#include "app/profile/applysettings.h"
#include "app/profile/settings.h"
#include "app/text/translate.h"
#include "audio/audiodevice.h"
#include "engine/core/ticks.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/render/renderdevice.h"

#include <algorithm>

namespace {

const vector2 kNoteAnchor(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
// Of every tick, the time given to playing the timeline ahead: a slice while the replay plays,
// most of the tick while a moment it has not reached is waited for.
constexpr uint32_t kFillSliceMs = 5;
constexpr uint32_t kSeekSliceMs = 12;

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
enum Command { kNone, kPause, kFaster, kSlower, kLoopBefore, kLoopAfter, kBackAWhile, kOnAWhile, kBack };

struct Meaning {
    int32_t code; // a key, or a pad button
    Command command;
};

constexpr Meaning kKeyMeanings[] = {
    {gamekeys::kSpace, kPause},     {gamekeys::kP, kPause},         {gamekeys::kUp, kFaster},
    {gamekeys::kW, kFaster},        {gamekeys::kDown, kSlower},     {gamekeys::kS, kSlower},
    {gamekeys::kLeft, kLoopBefore}, {gamekeys::kA, kLoopBefore},    {gamekeys::kRight, kLoopAfter},
    {gamekeys::kD, kLoopAfter},     {gamekeys::kEscape, kBack},
};

constexpr Meaning kButtonMeanings[] = {
    {pads::kSouth, kPause},          {pads::kStart, kPause},          {pads::kDpadUp, kFaster},
    {pads::kDpadDown, kSlower},      {pads::kDpadLeft, kLoopBefore},  {pads::kDpadRight, kLoopAfter},
    {pads::kLeftShoulder, kBackAWhile}, {pads::kRightShoulder, kOnAWhile}, {pads::kEast, kBack},
    {pads::kBack, kBack},
};

template <std::size_t N>
Command Find(const Meaning (&meanings)[N], int32_t code)
{
    for (const Meaning& meaning : meanings) {
        if (meaning.code == code)
            return meaning.command;
    }
    return kNone;
}

// With Shift held, a loop jump becomes a move of 5 seconds.
Command CommandOf(const GameEvent& heard, bool shiftHeld)
{
    Command command = kNone;
    if (heard.type == GameEvent::Type::kKeyDown)
        command = Find(kKeyMeanings, heard.key);
    else if (heard.type == GameEvent::Type::kPadDown)
        command = Find(kButtonMeanings, heard.button);
    if (shiftHeld && command == kLoopBefore)
        return kBackAWhile;
    if (shiftHeld && command == kLoopAfter)
        return kOnAWhile;
    return command;
}

bool IsShift(const GameEvent& event)
{
    return event.IsKey() && (event.key == gamekeys::kLeftShift || event.key == gamekeys::kRightShift);
}

std::vector<Menu::Choice> EndChoices()
{
    std::vector<Menu::Choice> choices(2);
    choices[0].label = Tr("menu line", "Watch again");
    choices[1].label = Tr("menu line", "Back");
    return choices;
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
    timeline_.reset();
    HoldAllSound(false);
    ApplyVolumes(*setup_.settings);
}

void ReplayScreen::Load(const std::string& path)
{
    std::string problem;
    if (!LoadReplay(path, replay_, problem)) {
        problem_ = "the replay cannot be read: " + problem;
        return;
    }
    if (!ReplayPlayer::Playable(replay_, problem)) {
        problem_ = problem;
        return;
    }
    ReplayPlayer::Setup shown;
    shown.noGrid = !setup_.settings->paperMotion;
    shown.drawOver = [this] { DrawOver(); };
    player_ = std::make_unique<ReplayPlayer>(replay_, *setup_.levels, shown);
    player_->Phase().gameplay.SoftenFlashes(setup_.settings->softFlashes);
    timeline_ = std::make_unique<ReplayTimeline>(replay_, *setup_.levels);
}

bool ReplayScreen::Tick(uint32_t now)
{
    if (next_.to != Change::To::kStay || static_cast<int32_t>(now - due_) < 0)
        return false;
    const uint32_t started = kolm::GetTicks();
    FillAhead();
    if (Seeking())
        FollowSeek(started);
    else if (player_ && !paused_ && !player_->Finished() && !endCard_)
        Play();
    else
        Still();
    due_ = started + (Seeking() || paused_ ? PollCadence::kPeriodMs : Interval());
    return true;
}

void ReplayScreen::LetToolsLook(InputSource& tools, uint32_t clock)
{
    if (setup_.scripted)
        tools.ObserveScreen(clock);
}

void ReplayScreen::TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out)
{
    if (setup_.scripted)
        tools.TakeDue(clock, out);
}

void ReplayScreen::FillAhead()
{
    if (!timeline_ || timeline_->Filled())
        return;
    timeline_->FillAhead(Seeking() ? kSeekSliceMs : kFillSliceMs);
    const float filledX = ReplayBar::XOf(timeline_->FilledTo(), timeline_->Length());
    if (filledX - filledX_ >= 1.0f || timeline_->Filled()) {
        filledX_ = filledX;
        still_.Changed();
    }
}

void ReplayScreen::Play()
{
    const int steps = StepsPerTick();
    for (int i = 0; i < steps && !player_->Finished(); ++i)
        player_->Step(i == steps - 1);
    if (player_->Finished())
        Finish();
}

// The replay has reached its end (its clear, or where its world parted from it): the card.
void ReplayScreen::Finish()
{
    problem_ = player_->PartedLine();
    if (!endCard_)
        endCard_ = std::make_unique<Menu>(Tr("menu title", "End of the replay"), EndChoices());
    still_.Changed();
    Still();
}

// The moment shows at the next tick, or once the timeline has reached it.
void ReplayScreen::SeekTo(uint32_t levelTime, uint32_t now)
{
    if (!player_)
        return;
    seekTime_ = std::min(levelTime, timeline_->Length());
    seekNextLoop_ = false;
    BeginSeeking(now);
}

void ReplayScreen::BeginSeeking(uint32_t now)
{
    if (!Seeking() || seekStart_ == kNoSeek)
        seekStart_ = now;
    endCard_.reset();
    UseVolumes();
}

// Left: the start of the loop before the one that shows (the first loop's start from the first
// loop); right: the first moment of a loop after the moment that shows, or the end. A loop that
// lasted no time at all has no moment to show and is passed over.
void ReplayScreen::JumpLoop(int direction, uint32_t now)
{
    if (!player_)
        return;
    const std::vector<uint32_t>& starts = timeline_->LoopStarts();
    const uint32_t shown = player_->LevelTime();
    if (direction < 0) {
        const uint32_t thisLoop = starts[static_cast<std::size_t>(timeline_->LoopAt(shown)) - 1];
        const auto before = std::lower_bound(starts.begin(), starts.end(), thisLoop);
        SeekTo(before == starts.begin() ? 0 : *std::prev(before), now);
        return;
    }
    seekTime_ = kNoSeek;
    seekNextLoop_ = true;
    BeginSeeking(now);
}

void ReplayScreen::FollowSeek(uint32_t now)
{
    if (seekNextLoop_) {
        const std::vector<uint32_t>& starts = timeline_->LoopStarts();
        const auto next = std::upper_bound(starts.begin(), starts.end(), player_->LevelTime());
        if (next != starts.end())
            seekTime_ = *next;
        else if (timeline_->Filled())
            seekTime_ = timeline_->Length();
        seekNextLoop_ = seekTime_ == kNoSeek;
    }
    if (seekTime_ != kNoSeek && timeline_->Seek(*player_, seekTime_)) {
        Arrived();
        return;
    }
    if (now - seekStart_ >= kSeekingShownAfterMs)
        still_.Changed();
    Still();
}

void ReplayScreen::Arrived()
{
    seekTime_ = kNoSeek;
    seekNextLoop_ = false;
    seekStart_ = kNoSeek;
    problem_.clear();
    UseVolumes();
    if (player_->Finished())
        Finish();
    still_.Changed();
    Still();
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
    if (timeline_) {
        ReplayBar::View view;
        view.length = timeline_->Length();
        view.filledTo = timeline_->FilledTo();
        view.shown = player_->LevelTime();
        view.loopStarts = timeline_->LoopStarts();
        view.words = BarText();
        view.hint = HintText();
        bar_.Show(view);
        bar_.Draw();
    }
    note_.Say(sprites_, problem_, kNoteAnchor);
    sprites_.Draw();
    if (endCard_)
        endCard_->Draw();
}

std::string ReplayScreen::BarText() const
{
    std::string bar = Tr("replay bar", "REPLAY");
    if (!player_)
        return bar;
    bar += " · " + Fill(Tr("replay bar", "LEVEL %s · LOOP %s / %s"), {std::to_string(replay_.position),
                        std::to_string(player_->Loop()), std::to_string(replay_.loops)}) +
           " · " + WithDecimalMark(SpeedWord(SpeedQuarters()));
    if (Seeking() && seekStart_ != kNoSeek && kolm::GetTicks() - seekStart_ >= kSeekingShownAfterMs)
        bar += " · " + Tr("replay bar", "SEEKING");
    else if (player_->Verified())
        bar += " · " + Tr("replay bar", "END");
    else if (paused_)
        bar += " · " + Tr("replay bar", "PAUSED");
    return bar;
}

std::string ReplayScreen::HintText() const
{
    const InputNames names(setup_.platform, &setup_.settings->controls);
    const std::string pause = ": " + Tr("replay bar", "pause") + " · ", loop = ": " + Tr("replay bar", "loop") + " · ";
    const std::string back = ": " + Tr("replay bar", "back");
    if (names.PadInUse())
        return names.Button(pads::kSouth) + pause + names.Button(pads::kDpadLeft) + " " +
               names.Button(pads::kDpadRight) + loop + names.Button(pads::kLeftShoulder) + " " +
               names.Button(pads::kRightShoulder) + ": 5 s · " + names.Button(pads::kEast) + back;
    return names.Key(gamekeys::kSpace) + pause + names.Action(Action::kUp) + " " + names.Action(Action::kDown) + ": " +
           Tr("replay bar", "speed") + " · " + names.Action(Action::kLeft) + " " + names.Action(Action::kRight) + loop +
           "Shift+" + names.Action(Action::kLeft) + " " + names.Action(Action::kRight) +
           ": 5 s · " + names.Action(Action::kMenu) + back;
}

void ReplayScreen::HandleEvent(const GameEvent& event)
{
    if (still_.TakeWindowEvent(event))
        return;
    if (event.type == GameEvent::Type::kQuit) {
        next_ = Change(Change::To::kQuit);
        return;
    }
    if (IsShift(event))
        shiftHeld_ = event.type == GameEvent::Type::kKeyDown;
    if (HandlePointer(event))
        return;
    const GameEvent heard = Bindings(setup_.settings->controls).InMenu(event);
    if (endCard_)
        HandleEndCard(heard);
    else
        Command(CommandOf(heard, shiftHeld_));
}

// A press on the bar's line shows that moment and starts a drag; moves while dragging show the
// moment under the pointer.
bool ReplayScreen::HandlePointer(const GameEvent& event)
{
    using Type = GameEvent::Type;
    if (!timeline_ || (event.type != Type::kMouseDown && event.type != Type::kMouseMotion && event.type != Type::kMouseUp))
        return false;
    const vector2 point(static_cast<float>(event.x), static_cast<float>(event.y));
    if (event.type == Type::kMouseUp) {
        const bool was = dragging_;
        dragging_ = false;
        return was;
    }
    if (event.type == Type::kMouseDown && (event.button != GameEvent::kLeftButton || !ReplayBar::OnLine(point)))
        return false;
    if (event.type == Type::kMouseMotion && !dragging_)
        return false;
    dragging_ = true;
    SeekTo(ReplayBar::TimeAtX(point.x, timeline_->Length()), kolm::GetTicks());
    return true;
}

void ReplayScreen::HandleEndCard(const GameEvent& heard)
{
    const Menu::Event event = endCard_->HandleEvent(heard);
    still_.Changed();
    if (event.kind == Menu::Event::Kind::kBack || (event.kind == Menu::Event::Kind::kTaken && event.choice == 1)) {
        next_ = setup_.back;
    } else if (event.kind == Menu::Event::Kind::kTaken) {
        paused_ = false;
        HoldAllSound(false);
        SeekTo(0, kolm::GetTicks());
    }
}

void ReplayScreen::Command(int command)
{
    if (command == kNone)
        return;
    still_.Changed();
    const uint32_t now = kolm::GetTicks();
    const uint32_t shown = player_ ? player_->LevelTime() : 0;
    switch (command) {
    case kPause:
        paused_ = !paused_;
        HoldAllSound(paused_);
        break;
    case kFaster:
    case kSlower:
        ChangeSpeed(command == kFaster ? 1 : -1);
        break;
    case kLoopBefore:
    case kLoopAfter:
        JumpLoop(command == kLoopAfter ? 1 : -1, now);
        break;
    case kBackAWhile:
        SeekTo(shown > kShiftMs ? shown - kShiftMs : 0, now);
        break;
    case kOnAWhile:
        SeekTo(shown + kShiftMs, now);
        break;
    case kBack:
        next_ = setup_.back;
        break;
    default:
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
