#include "app/edit/editorview.h"

#include "app/edit/eventkinds.h"
#include "engine/render/sprite.h"
#include "utils/datafiles.h"

#include <algorithm>

namespace {

constexpr float kLeft = 60.0f;
constexpr float kRight = kVirtualWidth - 40.0f;
constexpr float kLineY = kVirtualHeight - 24.0f;
constexpr float kMarkY = kLineY - 26.0f;   // the lowest row of marks
constexpr float kRowStep = 30.0f;          // between rows of crowded marks
constexpr int kRows = 3;
constexpr float kCrowded = 26.0f;          // marks closer than this take another row
constexpr float kReach = 22.0f;            // a press this near the line takes it
constexpr float kMarkReach = 14.0f;
constexpr float kCursorHeight = 120.0f;
constexpr float kPaletteX = 28.0f;
constexpr float kPaletteTop = 110.0f;
constexpr float kPaletteStep = 48.0f;
const vector2 kWordsAnchor(kRight, 80.0f);
const vector2 kFiguresAnchor(kRight, 104.0f);
const vector2 kHintAnchors[2] = {vector2(kLeft, kLineY - 132.0f), vector2(kLeft, kLineY - 108.0f)};
const vector2 kNoteAnchor(kVirtualWidth * 0.5f, kVirtualHeight * 0.4f);

float PaletteY(std::size_t index) { return kPaletteTop + kPaletteStep * static_cast<float>(index); }

} // namespace

EditorView::EditorView() : line_(sprites_.CreateSprite(datafiles::kTimeSliderBack))
{
    line_->scaleX = line_->width > 0.0f ? (kRight - kLeft) / line_->width : 0.0f;
    line_->x = kLeft;
    line_->y = kLineY - line_->height * 0.5f;
    MakePalette();
}

void EditorView::MakePalette()
{
    Lettering lettering(sprites_);
    const std::vector<EventKind>& kinds = EventKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        CSprite* picture = sprites_.CreateSprite(kinds[i].picture);
        picture->scaleX = picture->scaleY = kinds[i].scale;
        picture->SetCentre(vector2(kPaletteX + 14.0f, PaletteY(i)));
        lettering.Write(std::to_string(i + 1), vector2(kPaletteX - 20.0f, PaletteY(i) + 8.0f),
                        datafiles::GlyphSize::kSmall);
    }
}

float EditorView::XOf(int32_t time, int32_t length)
{
    const float share = length <= 0 ? 0.0f : std::clamp(static_cast<float>(time) / static_cast<float>(length), 0.0f, 1.0f);
    return kLeft + (kRight - kLeft) * share;
}

int32_t EditorView::TimeAtX(float x, int32_t length)
{
    const float share = std::clamp((x - kLeft) / (kRight - kLeft), 0.0f, 1.0f);
    return static_cast<int32_t>(share * static_cast<float>(length));
}

bool EditorView::OnTimeline(const vector2& point)
{
    return point.y >= kMarkY - kRowStep * kRows && point.y <= kLineY + kReach && point.x >= kLeft - kReach &&
           point.x <= kRight + kReach;
}

int EditorView::EventAt(const vector2& point) const
{
    for (std::size_t i = marks_.size(); i-- > 0;) {
        const vector2 off = point - marks_[i].centre;
        if (off.x * off.x + off.y * off.y <= kMarkReach * kMarkReach)
            return static_cast<int>(i);
    }
    return -1;
}

int EditorView::PaletteAt(const vector2& point)
{
    for (std::size_t i = 0; i < EventKinds().size(); ++i) {
        const float dy = point.y - PaletteY(i);
        if (point.x >= kPaletteX - 24.0f && point.x <= kPaletteX + 40.0f && dy >= -24.0f && dy <= 24.0f)
            return static_cast<int>(i);
    }
    return -1;
}

void EditorView::ClearMarks()
{
    for (Mark& mark : marks_) {
        mark.picture->killed = true;
        mark.count.Remove();
    }
    marks_.clear();
}

// Each event's mark at its time, in the lowest row where no mark lies within reach before it.
void EditorView::MakeMarks(const LevelDraft& draft)
{
    ClearMarks();
    std::vector<float> rowEnds(kRows, -1000.0f);
    Lettering lettering(sprites_);
    for (const DraftEvent& event : draft.Events()) {
        const float x = XOf(event.time, draft.Length());
        int row = 0;
        while (row + 1 < kRows && x - rowEnds[static_cast<std::size_t>(row)] < kCrowded)
            ++row;
        rowEnds[static_cast<std::size_t>(row)] = x;
        const EventKind& kind = KindOfType(event.type);
        Mark mark{sprites_.CreateSprite(kind.picture), {}, vector2(x, kMarkY - kRowStep * static_cast<float>(row))};
        mark.picture->scaleX = mark.picture->scaleY = kind.scale * 0.8f;
        mark.picture->SetCentre(mark.centre);
        if (event.type == 4 || event.type == 5)
            mark.count = lettering.Write("x5", mark.centre + vector2(8.0f, 14.0f), datafiles::GlyphSize::kSmall);
        marks_.push_back(mark);
    }
    shownDraft_ = draft;
    marksMade_ = true;
}

void EditorView::Show(const View& view)
{
    if (!marksMade_ || *view.draft != shownDraft_)
        MakeMarks(*view.draft);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const bool marked = static_cast<int>(i) == view.selected;
        marks_[i].picture->SetColour(1.0f, marked ? 0.35f : 1.0f, marked ? 0.35f : 1.0f);
    }
    if (cursor_)
        cursor_->killed = true;
    // The cursor is made anew each time, so that it lies over the marks.
    cursor_ = sprites_.CreateSprite(datafiles::kRuledLine);
    cursor_->scaleX = cursor_->width > 0.0f ? kCursorHeight / cursor_->width : 0.0f;
    cursor_->scaleY = 3.0f;
    cursor_->angle = 1.5707964f;
    cursor_->SetColour(0.8f, 0.1f, 0.1f);
    cursor_->SetCentre(vector2(XOf(view.cursor, view.draft->Length()), kLineY - kCursorHeight * 0.5f + 12.0f));
    words_.Say(sprites_, view.words, kWordsAnchor, TextAlign::kRight);
    figures_.Say(sprites_, view.figures, kFiguresAnchor, TextAlign::kRight);
    for (int line = 0; line < 2; ++line)
        hint_[line].Say(sprites_, view.hint[line], kHintAnchors[line], TextAlign::kLeft);
    note_.Say(sprites_, view.note, kNoteAnchor);
}
