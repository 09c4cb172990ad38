#include "app/screens/endingscreen.h"

#include "app/text/lettering.h"
#include "app/profile/recordwords.h"
#include "app/text/translate.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"

namespace {

constexpr float kHeadingBaseline = 120.0f;
constexpr float kMedalCountBaseline = 160.0f;
// A row's medals stand left of its name, a little smaller than on the Levels card.
constexpr float kMedalsRight = 366.0f;
constexpr float kMedalScale = 0.7f;
constexpr float kColumnHeadsBaseline = 195.0f;
constexpr float kFirstRowBaseline = 245.0f;
constexpr float kRowStep = 38.0f;
constexpr float kTotalGap = 14.0f; // between the levels and the totals
constexpr float kHintBaseline = 690.0f;
// The table's columns: the level's name from the left, loops and time up to their right ends.
constexpr float kNameLeft = 380.0f;
constexpr float kLoopsRight = 720.0f; // "fewest loops" reaches left to about 520
constexpr float kTimeRight = 940.0f;
constexpr float kMarkGap = 24.0f; // from the time to a record's "assisted"

} // namespace

EndingScreen::EndingScreen(const Progress& records, int levelCount, bool thenMainMenu, const std::vector<LevelPar>& pars)
    : shownAt_(kolm::GetTicks()), thenMainMenu_(thenMainMenu)
{
    Letter(records, levelCount, pars);
}

std::vector<EndingScreen::Row> EndingScreen::Rows(const Progress& records, int levelCount, const std::vector<LevelPar>& pars)
{
    std::vector<Row> rows;
    int loops = 0;
    int medals = 0;
    uint32_t milliseconds = 0;
    LevelRecord all; // assisted when any record is
    for (int position = 1; position <= levelCount; ++position) {
        const LevelRecord record = records.RecordOf(position);
        const std::string name = Fill(Tr("ending row", "level %s"), {std::to_string(position)});
        if (!record.Exists()) {
            rows.push_back({name, "-", "-"});
            continue;
        }
        const auto index = static_cast<std::size_t>(position - 1);
        const Medals won = MedalsOf(record, index < pars.size() ? pars[index] : LevelPar());
        const int count = (won.loops ? 1 : 0) + (won.time ? 1 : 0);
        rows.push_back({name, LoopCount(record.loops), FormatGameTime(record.milliseconds), AssistedMark(record), count});
        loops += record.loops;
        medals += count;
        milliseconds += ShownGameTime(record.milliseconds); // the total adds up the times as shown
        all.loopsAssisted = all.loopsAssisted || record.loopsAssisted;
        all.timeAssisted = all.timeAssisted || record.timeAssisted;
    }
    rows.push_back({Tr("ending row", "total"), LoopCount(loops), FormatGameTime(milliseconds), AssistedMark(all), medals});
    return rows;
}

std::string EndingScreen::MedalCount(const std::vector<Row>& rows, const std::vector<LevelPar>& pars)
{
    int offered = 0;
    for (const LevelPar& par : pars)
        offered += (par.loops > 0 ? 1 : 0) + (par.milliseconds > 0 ? 1 : 0);
    if (offered == 0 || rows.empty())
        return "";
    return Fill(Tr("ending count", "%s of %s medals"), {std::to_string(rows.back().medals), std::to_string(offered)});
}

void EndingScreen::PlaceMedals(int medals, float baseline)
{
    if (medals == 0)
        return;
    CSprite* picture = sprites_.CreateSprite(medals == 1 ? datafiles::kMenuMedal : datafiles::kMenuMedals);
    picture->scaleX = picture->scaleY = kMedalScale;
    const float capHeight = static_cast<float>(datafiles::GlyphMetricsOf(datafiles::GlyphSize::kSmall).capHeight);
    picture->SetCentre(vector2(kMedalsRight - picture->width * kMedalScale * 0.5f, baseline - capHeight * 0.5f));
}

void EndingScreen::Letter(const Progress& records, int levelCount, const std::vector<LevelPar>& pars)
{
    CSprite* paper = sprites_.CreateSprite(datafiles::kPaperBackground);
    const bool sized = paper->width != 0.0f && paper->height != 0.0f;
    paper->scaleX = sized ? kVirtualWidth / paper->width : 0.0f;
    paper->scaleY = sized ? kVirtualHeight / paper->height : 0.0f;
    Lettering lettering(sprites_);
    const float middle = kVirtualWidth * 0.5f;
    lettering.Write(Tr("ending heading", "all levels cleared!"), vector2(middle, kHeadingBaseline), datafiles::GlyphSize::kLarge,
                    TextAlign::kCentre);
    const datafiles::GlyphSize size = datafiles::GlyphSize::kSmall;
    lettering.Write(Tr("ending column", "fewest loops"), vector2(kLoopsRight, kColumnHeadsBaseline), size, TextAlign::kRight)
        .SetColour(0.6f, 0.6f, 0.6f);
    lettering.Write(Tr("ending column", "best time"), vector2(kTimeRight, kColumnHeadsBaseline), size, TextAlign::kRight)
        .SetColour(0.6f, 0.6f, 0.6f);
    const std::vector<Row> rows = Rows(records, levelCount, pars);
    lettering.Write(MedalCount(rows, pars), vector2(middle, kMedalCountBaseline), size, TextAlign::kCentre);
    float baseline = kFirstRowBaseline;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i + 1 == rows.size())
            baseline += kTotalGap;
        else
            PlaceMedals(rows[i].medals, baseline);
        lettering.Write(rows[i].name, vector2(kNameLeft, baseline), size, TextAlign::kLeft);
        lettering.Write(rows[i].loops, vector2(kLoopsRight, baseline), size, TextAlign::kRight);
        lettering.Write(rows[i].time, vector2(kTimeRight, baseline), size, TextAlign::kRight);
        lettering.Write(rows[i].mark, vector2(kTimeRight + kMarkGap, baseline), size, TextAlign::kLeft)
            .SetColour(0.6f, 0.6f, 0.6f);
        baseline += kRowStep;
    }
    lettering.Write(Tr("hint", "press a key"), vector2(middle, kHintBaseline), datafiles::GlyphSize::kSmall, TextAlign::kCentre);
}

bool EndingScreen::Tick(uint32_t now)
{
    if (done_ || !poll_.Due(now))
        return false;
    still_.Show([this] { Draw(); });
    if (kolm::GetTicks() - shownAt_ > kTimeoutMs)
        done_ = true;
    return true;
}

void EndingScreen::HandleEvent(const GameEvent& event)
{
    // Closing the window quits, whatever would follow the ending.
    if (event.type == GameEvent::Type::kQuit)
        done_ = quit_ = true;
    else if (!still_.TakeWindowEvent(event) && Ends(event))
        done_ = true;
}

GameScreen::Change EndingScreen::WhatNext() const
{
    if (!done_)
        return Change();
    return Change(thenMainMenu_ && !quit_ ? Change::To::kMainMenu : Change::To::kQuit);
}

bool EndingScreen::Ends(const GameEvent& event) const
{
    if (kolm::GetTicks() - shownAt_ < kDeafMs)
        return false;
    switch (event.type) {
    case GameEvent::Type::kKeyDown:
    case GameEvent::Type::kPadDown:
        return true;
    case GameEvent::Type::kMouseDown:
        return event.button == GameEvent::kLeftButton;
    default:
        return false;
    }
}
