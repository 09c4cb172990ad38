#include "app/screens/endingscreen.h"

#include "app/text/lettering.h"
#include "app/profile/recordwords.h"
#include "app/text/translate.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"

#include <algorithm>

namespace {

constexpr float kHeadingBaseline = 112.0f;
constexpr float kMedalCountBaseline = 152.0f;
// A row's medals stand left of its name, a little smaller than on the Levels card.
constexpr float kMedalsRight = 378.0f;
constexpr float kMedalScale = 0.7f; // smaller on rows drawn closer
constexpr float kColumnHeadsBaseline = 187.0f;
constexpr float kFirstRowBaseline = 232.0f;
constexpr float kLastRowBaseline = 664.0f; // the totals' at the furthest
constexpr float kRowStep = 38.0f;          // closer when the rows would not fit
constexpr float kTotalGap = 14.0f;         // between the levels and the totals
constexpr float kHintBaseline = 698.0f;
// The table's columns: the level's name from the left (cut short of its row's loops), loops and
// time up to their right ends.
constexpr float kNameLeft = 392.0f;
constexpr float kNameGap = 18.0f; // at the least, between a name and its loops
constexpr float kLoopsRight = 860.0f; // "fewest loops" reaches left to about 620
constexpr float kTimeRight = 1090.0f;
constexpr float kMarkGap = 20.0f; // from the time to a record's "assisted"
// The drawing left of the table, its middle there.
constexpr float kPictureMiddleX = 185.0f;
constexpr float kPictureMiddleY = 430.0f;

} // namespace

EndingScreen::EndingScreen(const Book& book) : shownAt_(kolm::GetTicks()), after_(book.after)
{
    Letter(book);
}

EndingScreen::Book EndingScreen::OwnList(const Progress& records, int levelCount, bool thenMainMenu,
                                         const std::vector<LevelPar>& pars, const std::vector<std::string>& names)
{
    Book book{Tr("ending heading", "all levels cleared!"), {}, PictureOf(nullptr),
              Change(thenMainMenu ? Change::To::kMainMenu : Change::To::kQuit)};
    for (int position = 1; position <= levelCount; ++position) {
        const auto index = static_cast<std::size_t>(position - 1);
        const bool named = index < names.size() && !names[index].empty();
        book.levels.push_back({named ? names[index] : Fill(Tr("ending row", "level %s"), {std::to_string(position)}),
                               records.RecordOf(position), index < pars.size() ? pars[index] : LevelPar()});
    }
    return book;
}

EndingScreen::Book EndingScreen::OfPack(const Progress& records, const ShelfPack& pack, bool thenLevels)
{
    Book book{Fill(Tr("ending heading", "%s cleared!"), {ShownTitle(pack)}), {}, PictureOf(&pack),
              Change(thenLevels ? Change::To::kLevels : Change::To::kQuit)};
    book.after.book = pack.listFile;
    for (const ShelfLevel& level : pack.levels) {
        const std::string name =
            level.name.empty() ? Fill(Tr("ending row", "level %s"), {std::to_string(level.position)}) : level.name;
        book.levels.push_back({name, records.RecordOfHash(level.hash), LevelPar{level.parLoops, static_cast<uint32_t>(level.parTime)}});
    }
    return book;
}

std::string EndingScreen::PictureOf(const ShelfPack* pack)
{
    if (!pack)
        return datafiles::kEndingNotebookOne;
    const bool second = pack->source == ShelfPack::Source::kGame && pack->list.id == "second-notebook";
    return second ? datafiles::kEndingNotebookTwo : datafiles::kEndingAnyBook;
}

std::vector<EndingScreen::Row> EndingScreen::Rows(const Progress& records, int levelCount, const std::vector<LevelPar>& pars)
{
    return Rows(OwnList(records, levelCount, false, pars).levels);
}

std::vector<EndingScreen::Row> EndingScreen::Rows(const std::vector<Entry>& levels)
{
    std::vector<Row> rows;
    int loops = 0;
    int medals = 0;
    uint32_t milliseconds = 0;
    LevelRecord all; // assisted when any record is
    for (const Entry& level : levels) {
        const LevelRecord& record = level.record;
        if (!record.Exists()) {
            rows.push_back({level.name, "-", "-"});
            continue;
        }
        const Medals won = MedalsOf(record, level.par);
        const int count = (won.loops ? 1 : 0) + (won.time ? 1 : 0);
        rows.push_back({level.name, LoopCount(record.loops), FormatGameTime(record.milliseconds), AssistedMark(record), count});
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

std::vector<EndingScreen::Row> EndingScreen::Fitted(std::vector<Row> rows)
{
    if (rows.size() <= kMostRows)
        return rows;
    const Row total = rows.back();
    const std::size_t more = rows.size() - kMostRows + 1; // levels left off
    rows.resize(kMostRows - 2);
    rows.push_back({Fill(Tr("ending row", "and %s more"), {std::to_string(more)}), "", ""});
    rows.push_back(total);
    return rows;
}

void EndingScreen::PlaceMedals(int medals, float baseline, float scale)
{
    if (medals == 0)
        return;
    CSprite* picture = sprites_.CreateSprite(medals == 1 ? datafiles::kMenuMedal : datafiles::kMenuMedals);
    picture->scaleX = picture->scaleY = scale;
    const float capHeight = static_cast<float>(datafiles::GlyphMetricsOf(datafiles::GlyphSize::kSmall).capHeight);
    picture->SetCentre(vector2(kMedalsRight - picture->width * scale * 0.5f, baseline - capHeight * 0.5f));
}

void EndingScreen::Letter(const Book& book)
{
    CSprite* paper = sprites_.CreateSprite(datafiles::kPaperBackground);
    const bool sized = paper->width != 0.0f && paper->height != 0.0f;
    paper->scaleX = sized ? kVirtualWidth / paper->width : 0.0f;
    paper->scaleY = sized ? kVirtualHeight / paper->height : 0.0f;
    sprites_.CreateSprite(book.picture)->SetCentre(vector2(kPictureMiddleX, kPictureMiddleY));
    Lettering lettering(sprites_);
    const float middle = kVirtualWidth * 0.5f;
    lettering.Write(book.heading, vector2(middle, kHeadingBaseline), datafiles::GlyphSize::kLarge, TextAlign::kCentre);
    const datafiles::GlyphSize size = datafiles::GlyphSize::kSmall;
    lettering.Write(Tr("ending column", "fewest loops"), vector2(kLoopsRight, kColumnHeadsBaseline), size, TextAlign::kRight)
        .SetColour(0.6f, 0.6f, 0.6f);
    lettering.Write(Tr("ending column", "best time"), vector2(kTimeRight, kColumnHeadsBaseline), size, TextAlign::kRight)
        .SetColour(0.6f, 0.6f, 0.6f);
    std::vector<LevelPar> pars;
    for (const Entry& level : book.levels)
        pars.push_back(level.par);
    const std::vector<Row> rows = Rows(book.levels);
    lettering.Write(MedalCount(rows, pars), vector2(middle, kMedalCountBaseline), size, TextAlign::kCentre);
    LetterTable(Fitted(rows));
    lettering.Write(Tr("hint", "press a key"), vector2(middle, kHintBaseline), datafiles::GlyphSize::kSmall, TextAlign::kCentre);
}

void EndingScreen::LetterTable(const std::vector<Row>& rows)
{
    Lettering lettering(sprites_);
    const datafiles::GlyphSize size = datafiles::GlyphSize::kSmall;
    const float room = kLastRowBaseline - kFirstRowBaseline - kTotalGap;
    const float step = rows.size() < 2 ? kRowStep : std::min(kRowStep, room / static_cast<float>(rows.size() - 1));
    float baseline = kFirstRowBaseline;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i + 1 == rows.size())
            baseline += kTotalGap;
        else
            PlaceMedals(rows[i].medals, baseline, std::min(kMedalScale, step / 40.0f));
        const float room = kLoopsRight - Lettering::Width(rows[i].loops, size) - kNameGap - kNameLeft;
        lettering.Write(Lettering::CutToWidth(rows[i].name, room, size), vector2(kNameLeft, baseline), size, TextAlign::kLeft);
        lettering.Write(rows[i].loops, vector2(kLoopsRight, baseline), size, TextAlign::kRight);
        lettering.Write(rows[i].time, vector2(kTimeRight, baseline), size, TextAlign::kRight);
        lettering.Write(rows[i].mark, vector2(kTimeRight + kMarkGap, baseline), size, TextAlign::kLeft)
            .SetColour(0.6f, 0.6f, 0.6f);
        baseline += step;
    }
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
    return quit_ ? Change(Change::To::kQuit) : after_;
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
