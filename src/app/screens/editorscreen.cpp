#include "app/screens/editorscreen.h"
#include "app/text/translate.h"

#include "app/control/bindings.h"
#include "app/edit/eventkinds.h"
#include "app/play/inputsource.h"
#include "app/profile/settings.h"
#include "engine/core/ticks.h"
#include "engine/input/gamekeys.h"
#include "engine/platform/platform.h"
#include "engine/render/renderdevice.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<int32_t, 4> kSnaps = {50, 100, 250, 500};
// Of every poll, the time given to playing the preview ahead and to the bot's check.
constexpr uint32_t kPreviewSliceMs = 4;
constexpr uint32_t kCheckSliceMs = 4;
constexpr std::size_t kLongestName = 24;

// "1:02.50": minutes, seconds and hundredths, with the language's decimal mark ("1:02,50").
std::string Clock(int32_t ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d.%02d", ms / 60000, ms / 1000 % 60, ms / 10 % 100);
    return WithDecimalMark(text);
}

std::string LoopsWord(const BotRun& run)
{
    const std::string loops = std::to_string(run.loops) + (run.cleared ? "" : "+");
    return Fill(TrN("editor line", "%s loop", "%s loops", static_cast<uint64_t>(run.loops)), {loops});
}

std::vector<Menu::Choice> CardLines(const EditorScreen::Setup& setup, const std::string& name)
{
    std::vector<Menu::Choice> lines(6);
    lines[0].label = Tr("menu line", "Go on editing");
    lines[1].label = Tr("menu line", "Test from the cursor");
    lines[2].label = Tr("menu line", "Check with the bot");
    lines[2].enabled = static_cast<bool>(setup.check);
    lines[3].label = Tr("menu line", "Name");
    lines[3].note = name;
    lines[3].enabled = static_cast<bool>(setup.rename);
    lines[4].label = Tr("menu line", "Share as a link");
    lines[4].enabled = static_cast<bool>(setup.shareLink);
    lines[5].label = Tr("menu line", "Back");
    return lines;
}

std::string ReadLevelText(const std::string& file)
{
    const kolm::PlayerFileText read = kolm::ReadPlayerFile(file);
    return read.state == kolm::PlayerFileText::State::kRead ? read.text : std::string();
}

} // namespace

EditorScreen::EditorScreen(const Setup& setup)
    : setup_(setup), history_(LevelDraft::FromText(ReadLevelText(setup.file))), name_(setup.name),
      preview_(*setup.levels, setup.scratchFolder + "/tobrakka-editing.txt", [this] { DrawOver(); }),
      listFile_(setup.scratchFolder + "/tobrakka-editing.xml")
{
    preview_.Load(history_.Now());
    const std::string list = ListOfOneLevel(preview_.Played().levelFile);
    std::string error;
    kolm::SavePlayerFile(listFile_, [&list](const kolm::PlayerFileText&) { return list; }, error);
}

EditorScreen::~EditorScreen()
{
    testing_.reset();
    std::remove(listFile_.c_str());
    if (setup_.platform)
        setup_.platform->SetTextInput(false);
}

bool EditorScreen::Tick(uint32_t now)
{
    if (next_.to != Change::To::kStay)
        return false;
    if (testing_) {
        if (!testing_->Tick(now))
            return false;
        if (testing_->Over()) {
            next_ = testing_->Quit() ? GameScreen::Change(Change::To::kQuit) : next_;
            testing_.reset();
            still_.Changed();
        }
        return true;
    }
    if (!poll_.Due(now))
        return false;
    TickEditing();
    return true;
}

uint32_t EditorScreen::NextDue() const { return testing_ ? testing_->NextDue() : poll_.Next(); }

void EditorScreen::TickEditing()
{
    const uint32_t filled = preview_.FilledTo();
    preview_.FillAhead(kPreviewSliceMs);
    preview_.ShowAt(static_cast<uint32_t>(cursor_));
    if (preview_.FilledTo() != filled)
        still_.Changed();
    if (check_ && !checkDone_) {
        checkDone_ = check_->Advance(kCheckSliceMs);
        still_.Changed();
    }
    still_.Show([this] { Draw(); });
}

void EditorScreen::Draw()
{
    if (testing_) {
        testing_->Draw();
        return;
    }
    preview_.Draw();
}

void EditorScreen::DrawOver()
{
    EditorView::View view;
    view.draft = &history_.Now();
    view.cursor = cursor_;
    view.selected = selected_;
    view.words = Words();
    view.figures = Figures();
    view.hint[0] = naming_ ? Fill(Tr("editor line", "Name: %s"), {typedName_ + "_"}) : Hint(0);
    view.hint[1] = naming_ ? Tr("editor line", "Enter: keep · Esc: leave as it was") : Hint(1);
    view.note = note_;
    view_.Show(view);
    view_.Draw();
    if (card_)
        card_->Draw();
}

std::string EditorScreen::Words() const
{
    const LevelDraft& draft = history_.Now();
    const std::size_t events = draft.Events().size();
    return (name_.empty() ? Tr("editor line", "Level") : name_) + " · " + Clock(cursor_) + " / " + Clock(draft.Length()) +
           " · " + Fill(Tr("editor line", "snap %s ms"), {std::to_string(kSnaps[snap_])}) + " · " +
           Fill(TrN("editor line", "%s event", "%s events", events), {std::to_string(events)});
}

std::string EditorScreen::Figures() const
{
    std::string words;
    if (!check_)
        return words;
    const LevelCheckFigures& figures = check_->Figures();
    words = Fill(Tr("editor line", "the bot: practised %s"),
                 {figures.practised.loops > 0 ? LoopsWord(figures.practised) : std::string("...")});
    if (checkDone_ && !figures.novice.empty()) {
        const uint32_t tenths = figures.NoviceTenths();
        const std::string loops = WithDecimalMark(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)) +
                                  (figures.NoviceClearedAll() ? "" : "+");
        words += " · " + Fill(Tr("editor line", "novice %s loops"), {loops});
    } else if (!checkDone_) {
        words += " · " + Tr("editor line", "novice ...");
    }
    return words;
}

std::string EditorScreen::Hint(int line) const
{
    if (line == 0)
        return Fill(Tr("editor line", "%s: place · Del: take away · C: copy · M: move · G: snap"),
                    {"1-" + std::to_string(EventKinds().size())});
    return Tr("editor line", "- +: length · Z Y: undo redo · T: test · K: check · Esc: more");
}

void EditorScreen::Apply(const LevelDraft& changed, int selected)
{
    history_.Change(changed);
    selected_ = selected;
    Keep();
}

// The draft as it now stands: written to its file and played ahead afresh.
void EditorScreen::Keep()
{
    std::string error;
    const std::string text = history_.Now().Text();
    if (kolm::SavePlayerFile(setup_.file, [&text](const kolm::PlayerFileText&) { return text; }, error))
        note_.clear();
    else
        note_ = Fill(Tr("editor line", "not saved: %s"), {error});
    preview_.Load(history_.Now());
    if (selected_ >= static_cast<int>(history_.Now().Events().size()))
        selected_ = -1;
    check_.reset();
    checkDone_ = false;
    still_.Changed();
}

void EditorScreen::HandleEvent(const GameEvent& event)
{
    if (testing_) {
        testing_->HandleEvent(event);
        return;
    }
    if (still_.TakeWindowEvent(event))
        return;
    if (event.type == GameEvent::Type::kQuit) {
        next_ = GameScreen::Change(Change::To::kQuit);
        return;
    }
    if (event.IsKey() && (event.key == gamekeys::kLeftShift || event.key == gamekeys::kRightShift))
        shiftHeld_ = event.type == GameEvent::Type::kKeyDown;
    still_.Changed();
    if (naming_)
        HandleNaming(event);
    else if (card_)
        HandleCard(InMenu(&setup_.settings->controls, event));
    else if (!HandlePointer(event))
        Command(event);
}

void EditorScreen::Command(const GameEvent& heard)
{
    if (heard.type != GameEvent::Type::kKeyDown)
        return;
    const int32_t key = heard.key;
    const auto entry = static_cast<std::size_t>(key - gamekeys::kDigit1);
    if (key >= gamekeys::kDigit1 && key < gamekeys::kDigit1 + 9 && entry < EventKinds().size())
        AddAtCursor(EventKinds()[entry].type);
    else if (!EditCommand(key) && !MoveCommand(key) && key == gamekeys::kEscape)
        card_ = std::make_unique<Menu>(Tr("menu title", "Editor"), CardLines(setup_, name_));
}

// The keys that change the level.
bool EditorScreen::EditCommand(int32_t key)
{
    LevelDraft draft = history_.Now();
    const bool marked = selected_ >= 0;
    if ((key == gamekeys::kDelete || key == gamekeys::kBackspace) && marked) {
        draft.Remove(static_cast<std::size_t>(selected_));
        Apply(draft, -1);
    } else if (key == gamekeys::kC && marked) {
        DraftEvent copy = draft.Events()[static_cast<std::size_t>(selected_)];
        copy.time = cursor_;
        const std::size_t at = draft.Add(copy);
        Apply(draft, static_cast<int>(at));
    } else if (key == gamekeys::kM && marked) {
        const std::size_t at = draft.Move(static_cast<std::size_t>(selected_), cursor_);
        Apply(draft, static_cast<int>(at));
    } else if (key == gamekeys::kMinus || key == gamekeys::kEquals) {
        const int32_t step = shiftHeld_ ? 10000 : 1000;
        draft.SetLength(draft.Length() + (key == gamekeys::kEquals ? step : -step));
        Apply(draft, selected_);
        cursor_ = std::min(cursor_, draft.Length());
    } else if (key == gamekeys::kZ || key == gamekeys::kY) {
        if (key == gamekeys::kZ ? history_.Undo() : history_.Redo())
            Keep();
    } else {
        return false;
    }
    return true;
}

// The keys that move the cursor or the mark, and those that start something.
bool EditorScreen::MoveCommand(int32_t key)
{
    const std::vector<DraftEvent>& events = history_.Now().Events();
    const int32_t step = kSnaps[snap_];
    if (key == gamekeys::kLeft || key == gamekeys::kA || key == gamekeys::kRight || key == gamekeys::kD) {
        const bool back = key == gamekeys::kLeft || key == gamekeys::kA;
        MoveCursor(Snapped(cursor_ + (back ? -step : step), step, history_.Now().Length()));
    } else if (key == gamekeys::kHome || key == gamekeys::kEnd) {
        MoveCursor(key == gamekeys::kHome ? 0 : history_.Now().Length());
    } else if ((key == gamekeys::kUp || key == gamekeys::kW || key == gamekeys::kDown || key == gamekeys::kS) && !events.empty()) {
        const bool before = key == gamekeys::kDown || key == gamekeys::kS;
        const int last = static_cast<int>(events.size()) - 1;
        selected_ = std::clamp(selected_ < 0 ? (before ? last : 0) : selected_ + (before ? -1 : 1), 0, last);
        MoveCursor(events[static_cast<std::size_t>(selected_)].time);
    } else if (key == gamekeys::kG) {
        snap_ = (snap_ + 1) % kSnaps.size();
    } else if (key == gamekeys::kT) {
        StartTest();
    } else if (key == gamekeys::kK) {
        StartCheck();
    } else if (key == gamekeys::kN && setup_.rename) {
        StartNaming();
    } else {
        return false;
    }
    return true;
}

void EditorScreen::AddAtCursor(int32_t type)
{
    const std::vector<EventKind>& kinds = EventKinds();
    if (std::none_of(kinds.begin(), kinds.end(), [type](const EventKind& kind) { return kind.type == type; }))
        return;
    LevelDraft draft = history_.Now();
    const std::size_t at = draft.Add({cursor_, type});
    Apply(draft, static_cast<int>(at));
}

void EditorScreen::MoveCursor(int32_t time)
{
    cursor_ = std::clamp(time, 0, history_.Now().Length());
    still_.Changed();
}

bool EditorScreen::HandlePointer(const GameEvent& event)
{
    using Type = GameEvent::Type;
    const vector2 point(event.x, event.y);
    const int32_t length = history_.Now().Length();
    const int32_t at = Snapped(EditorView::TimeAtX(point.x, length), kSnaps[snap_], length);
    if (event.type == Type::kMouseUp) {
        const bool dragged = draggingCursor_ || draggingMark_;
        draggingCursor_ = draggingMark_ = false;
        return dragged;
    }
    if (event.type == Type::kMouseMotion) {
        if (draggingCursor_)
            MoveCursor(at);
        if (draggingMark_ && history_.Now().Events()[static_cast<std::size_t>(selected_)].time != at)
            DragMark(at);
        return draggingCursor_ || draggingMark_;
    }
    if (event.type == Type::kMouseWheel) {
        MoveCursor(Snapped(cursor_ + (event.y > 0 ? 1 : -1) * kSnaps[snap_], kSnaps[snap_], length));
        return true;
    }
    if (event.type != Type::kMouseDown)
        return false;
    if (const int kind = EditorView::PaletteAt(point); kind >= 0 && event.button == GameEvent::kLeftButton) {
        AddAtCursor(EventKinds()[static_cast<std::size_t>(kind)].type);
        return true;
    }
    const int mark = view_.EventAt(point);
    if (mark >= 0 && event.button == GameEvent::kRightButton) {
        LevelDraft draft = history_.Now();
        draft.Remove(static_cast<std::size_t>(mark));
        Apply(draft, -1);
        return true;
    }
    if (event.button != GameEvent::kLeftButton || !EditorView::OnTimeline(point))
        return false;
    selected_ = mark;
    draggingMark_ = mark >= 0;
    markMoved_ = false;
    draggingCursor_ = mark < 0;
    MoveCursor(mark >= 0 ? history_.Now().Events()[static_cast<std::size_t>(mark)].time : at);
    return true;
}

// A drag is one change for the undo history, however far the mark goes.
void EditorScreen::DragMark(int32_t at)
{
    LevelDraft draft = history_.Now();
    selected_ = static_cast<int>(draft.Move(static_cast<std::size_t>(selected_), at));
    if (markMoved_)
        history_.Amend(draft);
    else
        history_.Change(draft);
    markMoved_ = true;
    Keep();
    MoveCursor(at);
}

void EditorScreen::HandleCard(const GameEvent& event)
{
    const Menu::Event heard = card_->HandleEvent(event);
    if (heard.kind == Menu::Event::Kind::kBack) {
        card_.reset();
    } else if (heard.kind == Menu::Event::Kind::kTaken) {
        card_.reset();
        Take(heard.choice);
    }
}

void EditorScreen::Take(int line)
{
    switch (line) {
    case kTest:
        StartTest();
        break;
    case kCheck:
        StartCheck();
        break;
    case kName:
        StartNaming();
        break;
    case kShare:
        Share();
        break;
    case kBack:
        next_ = setup_.back;
        break;
    default:
        break;
    }
}

void EditorScreen::StartNaming()
{
    if (!setup_.rename)
        return;
    naming_ = true;
    typedName_ = name_;
    if (setup_.platform)
        setup_.platform->SetTextInput(true);
}

void EditorScreen::StopNaming(bool keep)
{
    naming_ = false;
    if (setup_.platform)
        setup_.platform->SetTextInput(false);
    const std::string name = kolm::Trim(typedName_);
    if (keep && !name.empty() && setup_.rename(name))
        name_ = name;
}

void EditorScreen::HandleNaming(const GameEvent& event)
{
    if (event.type == GameEvent::Type::kText && kolm::DecodeUtf8(typedName_).size() < kLongestName) {
        typedName_ += kolm::EncodeUtf8(static_cast<char32_t>(event.value));
    } else if (event.IsKeyDown(gamekeys::kBackspace) && !typedName_.empty()) {
        std::u32string letters = kolm::DecodeUtf8(typedName_);
        letters.pop_back();
        typedName_.clear();
        for (char32_t letter : letters)
            typedName_ += kolm::EncodeUtf8(letter);
    } else if (event.IsKeyDown(gamekeys::kReturn) || event.IsKeyDown(gamekeys::kKeypadEnter)) {
        StopNaming(true);
    } else if (event.IsKeyDown(gamekeys::kEscape)) {
        StopNaming(false);
    }
}

// The test begins where the preview stands two seconds before the cursor.
void EditorScreen::StartTest()
{
    const uint32_t from = static_cast<uint32_t>(std::max(0, cursor_ - kLeadInMs));
    while (!preview_.ShowAt(from) && preview_.FilledTo() < from)
        preview_.FillAhead(50);
    testing_ = std::make_unique<TestPlay>(listFile_, preview_.TakeShown(), preview_.Store(), *setup_.settings,
                                          setup_.platform);
}

void EditorScreen::StartCheck()
{
    if (!setup_.check)
        return;
    check_ = setup_.check(setup_.file);
    checkDone_ = !check_;
}

void EditorScreen::Share()
{
    const std::string link = setup_.shareLink(setup_.file);
    if (link.empty()) {
        note_ = Tr("editor line", "the level cannot be shared");
        return;
    }
    if (setup_.platform)
        setup_.platform->SetClipboardText(link);
    note_ = Tr("editor line", "the link is on the clipboard");
}

void EditorScreen::LetToolsLook(InputSource& tools, uint32_t clock)
{
    if (setup_.toolsDriveMenus)
        tools.ObserveScreen(clock);
}

void EditorScreen::TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out)
{
    if (setup_.toolsDriveMenus)
        tools.TakeDue(clock, out);
}
