#include "app/menu/controlsnote.h"

#include "app/text/keycaps.h"
#include "app/text/lettering.h"
#include "app/text/linebreaks.h"
#include "app/text/translate.h"
#include "utils/translation/textplaces.h"

namespace {

using datafiles::GlyphSize;

constexpr int kKeyGap = 5;
// A meaning's baseline below the row's top, for one line and for the first of two.
constexpr float kOneLineBaseline = 24.0f;
constexpr float kTwoLinesBaseline = 14.0f;
constexpr float kLineStep = 26.0f;

bool SameRows(const std::vector<ControlsNote::Row>& a, const std::vector<ControlsNote::Row>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].keys != b[i].keys || a[i].meaning != b[i].meaning)
            return false;
    }
    return true;
}

// What a key does in the language spoken, on one line or two as its place breaks it.
std::vector<std::string> Meaning(const char* english)
{
    const translation::TextPlace& place = translation::places::kControlsNote;
    return BreakLines(Tr(place.name, english), place.size, static_cast<float>(place.width));
}

} // namespace

ControlsNote::ControlsNote(CSpriteContainer& sprites) : sprites_(sprites) {}

std::vector<ControlsNote::Row> ControlsNote::Rows(const InputNames& names)
{
    std::vector<Row> rows;
    if (names.PadInUse()) {
        rows.push_back({{names.Action(Action::kUp)}, Meaning(NoTr("controls note", "move"))});
        rows.push_back({{Tr("controls note", "R stick")}, Meaning(NoTr("controls note", "aim; pushed\npast half, fire"))});
    } else {
        rows.push_back({{names.Action(Action::kUp), names.Action(Action::kLeft), names.Action(Action::kDown),
                         names.Action(Action::kRight)},
                        Meaning(NoTr("controls note", "move (or arrows)"))});
        rows.push_back({{Tr("controls note", "mouse")}, Meaning(NoTr("controls note", "aim"))});
        const std::string fire = names.Action(Action::kFire);
        rows.push_back({{fire == "Mouse Left" ? Tr("controls note", "click") : fire}, Meaning(NoTr("controls note", "fire"))});
    }
    rows.push_back({{names.Action(Action::kContinue)}, Meaning(NoTr("controls note", "continue after\ndeath or a clear"))});
    rows.push_back({{names.Action(Action::kRestartLoop)}, Meaning(NoTr("controls note", "restart the loop"))});
    rows.push_back({{names.Action(Action::kPause)}, Meaning(NoTr("controls note", "pause / resume"))});
    rows.push_back({{names.Action(Action::kMenu)}, Meaning(NoTr("controls note", "pause menu"))});
    return rows;
}

bool ControlsNote::Show(const InputNames& names)
{
    const std::vector<Row> rows = Rows(names);
    if (!caps_.empty() && SameRows(rows, rows_))
        return false;
    Letter(rows);
    return true;
}

void ControlsNote::Letter(const std::vector<Row>& rows)
{
    for (CSprite* cap : caps_)
        cap->killed = true;
    caps_.clear();
    for (LetteredText& text : texts_)
        text.Remove();
    texts_.clear();
    float top = layout_.firstRow;
    Lettering lettering(sprites_);
    for (const Row& row : rows) {
        float x = layout_.keysLeft;
        for (const std::string& key : row.keys) {
            CSprite* cap = sprites_.CreateSprite(KeyCapPicture(key, GlyphSize::kSmall));
            cap->x = x;
            cap->y = top;
            caps_.push_back(cap);
            x += static_cast<float>(KeyCapWidth(key, GlyphSize::kSmall) + kKeyGap);
        }
        const bool twoLines = row.meaning.size() > 1;
        float baseline = top + (twoLines ? kTwoLinesBaseline : kOneLineBaseline);
        for (const std::string& line : row.meaning) {
            texts_.push_back(lettering.Write(line, vector2(layout_.meaningLeft, baseline), GlyphSize::kSmall));
            baseline += kLineStep;
        }
        top += twoLines ? layout_.tallRowStep : layout_.rowStep;
    }
    rows_ = rows;
}
