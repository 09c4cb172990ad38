#include "app/daily/dailycard.h"

#include "app/daily/dailyhistoryfile.h"
#include "app/daily/dailylevel.h"
#include "app/daily/dailywords.h"
#include "app/text/translate.h"
#include "engine/platform/platform.h"

#include <vector>

namespace {

std::vector<Menu::Choice> Lines()
{
    std::vector<Menu::Choice> lines(4);
    lines[DailyCard::kPlay].label = Tr("menu line", "Play");
    lines[DailyCard::kCopy].label = Tr("menu line", "Copy the result");
    lines[DailyCard::kPastDays].label = Tr("menu line", "Past days");
    lines[DailyCard::kBack].label = Tr("menu line", "Back");
    return lines;
}

std::string Title(const DailyDate& today) { return today.InRange() ? DailyLevelMaker(today).ShownName() : Tr("menu title", "Today's level"); }

} // namespace

DailyCard::DailyCard(const Setup& setup)
    : MenuCard(Title(setup.today), Lines(), setup.controls), setup_(setup),
      history_(DailyHistoryFile(setup.historyPath).Load())
{
    if (setup_.today.InRange())
        lookup_ = std::make_unique<DailyLookup>(setup_.today, DailyFolder(setup_.folder), setup_.check);
    Show();
}

MenuCard::Heard DailyCard::Hear(const GameEvent& event)
{
    if (past_)
        return HearPastDays(event);
    const Heard heard = MenuCard::Hear(event);
    moved_ = moved_ || heard != Heard::kNothing;
    Show();
    return heard;
}

MenuCard::Heard DailyCard::HearPastDays(const GameEvent& event)
{
    const Heard heard = past_->Hear(event);
    const Change next = past_->WhatNext();
    if (next.to == Change::To::kBack)
        past_.reset();
    else if (next.to != Change::To::kStay)
        next_ = next;
    return heard;
}

bool DailyCard::Animate(uint32_t)
{
    if (!lookup_ || lookup_->Ready() || !lookup_->Problem().empty())
        return false;
    lookup_->Advance(kSliceMs);
    const std::string before = DateLine();
    Show();
    // The level found: Play is marked, unless the player has marked a line already.
    if (Found() && !moved_)
        menu_.Choose(kPlay);
    return DateLine() != before || lookup_->Ready() || !lookup_->Problem().empty();
}

void DailyCard::Draw()
{
    if (past_) {
        past_->Draw();
        return;
    }
    menu_.Draw();
    sprites_.Draw();
}

std::string DailyCard::Hint(const InputNames& names) const
{
    if (past_)
        return past_->Hint(names);
    return MenuHint::Text(names, menu_.Chosen() == kPlay   ? NoTr("hint", "play")
                                 : menu_.Chosen() == kCopy ? NoTr("hint", "copy")
                                                           : NoTr("hint", "take"));
}

MenuCard::Heard DailyCard::Take(int line)
{
    switch (line) {
    case kPlay:
        next_ = Change(Change::To::kDaily);
        next_.daily = setup_.today.Text();
        next_.dailyCounts = true;
        return Heard::kShown;
    case kCopy:
        if (setup_.platform)
            setup_.platform->SetClipboardText(DailyResultLine(setup_.today, history_.Of(setup_.today)));
        copied_ = true;
        return Heard::kShown;
    case kPastDays:
        past_ = std::make_unique<PastDaysCard>(history_, setup_.today, controls_);
        return Heard::kShown;
    default:
        return Back();
    }
}

void DailyCard::Show()
{
    const DailyDay today = history_.Of(setup_.today);
    Menu::Choice play = menu_.ChoiceAt(kPlay);
    play.enabled = Found() != nullptr;
    play.note = !lookup_ ? Tr("menu note", "no level")
                : !Found() ? (lookup_->Problem().empty() ? Tr("menu note", "finding") : Tr("menu note", "no level"))
                : today.counted == DailyDay::Counted::kNone ? Tr("menu note", "counts")
                                                             : Tr("menu note", "practice");
    menu_.SetChoice(kPlay, play);
    Menu::Choice copy = menu_.ChoiceAt(kCopy);
    copy.enabled = !DailyResultLine(setup_.today, today).empty();
    copy.note = copied_ ? Tr("menu note", "copied") : "";
    menu_.SetChoice(kCopy, copy);
    Menu::Choice past = menu_.ChoiceAt(kPastDays);
    const int streak = history_.Streak(setup_.today);
    past.note = streak ? Fill(Tr("menu note", "streak %d"), {std::to_string(streak)}) : "";
    menu_.SetChoice(kPastDays, past);
    const rect card = menu_.CardBox();
    const float middle = card.x + card.w * 0.5f;
    dateLine_.Say(sprites_, DateWords(), vector2(middle, card.y + card.h + 34.0f));
    resultLine_.Say(sprites_, ResultWords(), vector2(middle, card.y + card.h + 64.0f));
}

std::string DailyCard::DateWords() const
{
    const DailyDate& today = setup_.today;
    if (!lookup_)
        return Fill(Tr("card note", "the clock says %s: daily levels run from %s to %s"),
                    {today.Text(), DailyDate::kFirst, DailyDate::kLast});
    const std::string date = today.SpokenWeekday() + " " + today.Long() + " \u00B7 ";
    if (Found())
        return date + DailyParWords(Found()->Par());
    if (!lookup_->Problem().empty())
        return date + Fill(Tr("card note", "no level: %s"), {lookup_->Problem()});
    return date + Fill(Tr("card note", "the bot tries candidate %d"), {std::to_string(lookup_->Tried())});
}

std::string DailyCard::ResultWords() const
{
    const DailyDay today = history_.Of(setup_.today);
    const std::string shared = DailyResultLine(setup_.today, today);
    if (!shared.empty())
        return shared;
    if (today.counted == DailyDay::Counted::kPlaying)
        return Tr("card note", "today's attempt was never finished: the rest is practice");
    return lookup_ ? Tr("card note", "the day's first attempt counts; the rest is practice") : "";
}
