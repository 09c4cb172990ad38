#include "app/menu/levelscard.h"

#include "app/control/bindings.h"
#include "app/profile/recordwords.h"
#include "app/text/translate.h"
#include "audio/soundbank.h"
#include "utils/datafiles.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {


bool Cleared(const Progress& progress, int position)
{
    return progress.RecordOf(position).Exists() || position == progress.cleared;
}

// "2 loops · 0:41.3", with the assisted mark when there is one.
std::string RecordNote(const LevelRecord& record)
{
    return LoopCount(record.loops) + " · " + FormatGameTime(record.milliseconds, 1) +
           (AssistedGlyph(record).empty() ? "" : " " + AssistedGlyph(record));
}

Menu::Choice BookTabs(const std::vector<ShelfPack>& books, int book)
{
    Menu::Choice tabs;
    tabs.label = Tr("option line", "Book");
    tabs.kind = Menu::ValueKind::kList;
    tabs.items.push_back(Tr("menu value", "Notebook 1")); // the game's own levels
    for (const ShelfPack& pack : books)
        tabs.items.push_back(pack.list.title.empty() ? pack.list.id : pack.list.title);
    tabs.value = book;
    return tabs;
}

int SourceOrder(ShelfPack::Source source)
{
    return source == ShelfPack::Source::kGame ? 0 : source == ShelfPack::Source::kMine ? 1 : 2;
}

} // namespace

LevelsCard::LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls,
                       const ReplayShelf* shelf, std::vector<ShelfPack> books)
    : MenuCard(Tr("menu title", "Levels"), {}, controls), progress_(progress), levelCount_(levelCount),
      furthestOpen_(progress.cleared + 1), shelf_(shelf), books_(std::move(books))
{
    menu_.SetChoices(Lines());
    menu_.Choose(FirstLevelLine());
}

std::vector<ShelfPack> LevelsCard::BooksOf(std::vector<ShelfPack> packs)
{
    std::stable_sort(packs.begin(), packs.end(), [](const ShelfPack& a, const ShelfPack& b) {
        return SourceOrder(a.source) < SourceOrder(b.source);
    });
    return packs;
}

std::vector<Menu::Choice> LevelsCard::Lines() const
{
    std::vector<Menu::Choice> lines;
    if (!books_.empty())
        lines.push_back(BookTabs(books_, book_));
    if (book_ == 0) {
        for (int position = 1; position <= levelCount_; ++position)
            lines.push_back(LineOf(progress_, position));
    } else {
        for (const ShelfLevel& level : books_[static_cast<std::size_t>(book_ - 1)].levels)
            lines.push_back(BookLineOf(progress_, level));
    }
    Menu::Choice back;
    back.label = Tr("menu line", "Back");
    lines.push_back(back);
    return lines;
}

Menu::Choice LevelsCard::BookLineOf(const Progress& progress, const ShelfLevel& level)
{
    Menu::Choice line;
    const std::string number = std::to_string(level.position);
    line.label = level.name.empty() ? Fill(Tr("menu line", "Level %s"), {number}) : number + ". " + level.name;
    const LevelRecord record = progress.RecordOfHash(level.hash);
    if (record.Exists()) {
        line.note = RecordNote(record);
        line.badge = Menu::Badge::kTick;
    } else if (level.parLoops > 0) {
        line.note = "par " + LoopCount(level.parLoops);
    }
    return line;
}

MenuCard::Heard LevelsCard::ChangeValue(int line, int value)
{
    if (line != 0 || books_.empty())
        return Heard::kShown;
    book_ = value;
    noted_ = -1;
    menu_.SetChoices(Lines());
    return Heard::kShown;
}

MenuCard::Heard LevelsCard::TakeInBook(int line)
{
    const ShelfPack& book = books_[static_cast<std::size_t>(book_ - 1)];
    const int index = line - FirstLevelLine();
    if (index >= static_cast<int>(book.levels.size()))
        return Back();
    next_ = Change(Change::To::kPlay, index);
    next_.book = book.listFile;
    return Heard::kShown;
}

std::string LevelsCard::OpenedBy(int position)
{
    return Fill(Tr("menu note", "clear level %s first"), {std::to_string(position - 1)});
}

// The marked line says what opens it when it is locked; the line it leaves says its records again.
void LevelsCard::SayWhatOpens()
{
    const int marked = menu_.Chosen();
    if (marked == noted_ || book_ != 0)
        return;
    const int first = FirstLevelLine();
    if (noted_ >= 0)
        menu_.SetChoice(noted_, LineOf(progress_, noted_ - first + 1));
    noted_ = -1;
    const int position = marked - first + 1;
    if (position >= 1 && position <= levelCount_ && position > furthestOpen_) {
        Menu::Choice line = LineOf(progress_, position);
        line.note = OpenedBy(position);
        menu_.SetChoice(marked, line);
        noted_ = marked;
    }
}

Menu::Choice LevelsCard::LineOf(const Progress& progress, int position)
{
    Menu::Choice line;
    line.label = Fill(Tr("menu line", "Level %s"), {std::to_string(position)});
    const LevelRecord record = progress.RecordOf(position);
    if (record.Exists())
        line.note = RecordNote(record);
    if (position > progress.cleared + 1)
        line.badge = Menu::Badge::kPadlock;
    else if (Cleared(progress, position))
        line.badge = Menu::Badge::kTick;
    return line;
}

MenuCard::Heard LevelsCard::Take(int line)
{
    if (line < FirstLevelLine())
        return Heard::kShown;
    if (book_ != 0)
        return TakeInBook(line);
    const int position = line - FirstLevelLine() + 1;
    if (position > levelCount_)
        return Back();
    if (position > furthestOpen_) {
        PlaySound(datafiles::kBigBadShotSound); // locked: a dull no
        return Heard::kShown;
    }
    bestReplay_ = shelf_ ? shelf_->BestOf(position) : std::string();
    if (bestReplay_.empty()) {
        next_ = Change(Change::To::kPlay, position - 1);
        return Heard::kShown;
    }
    std::vector<Menu::Choice> lines(3);
    lines[0].label = Tr("menu line", "Play");
    lines[1].label = Tr("menu line", "Watch best");
    lines[2].label = Tr("menu line", "Back");
    asking_ = std::make_unique<Menu>(Fill(Tr("menu title", "Level %s"), {std::to_string(position)}), lines);
    askedPosition_ = position;
    return Heard::kShown;
}

MenuCard::Heard LevelsCard::Hear(const GameEvent& event)
{
    if (!asking_) {
        const Heard heard = MenuCard::Hear(event);
        SayWhatOpens();
        return heard;
    }
    const Menu::Event heard = asking_->HandleEvent(InMenu(controls_, event));
    if (heard.kind == Menu::Event::Kind::kBack)
        return TakeAsked(2);
    if (heard.kind == Menu::Event::Kind::kTaken)
        return TakeAsked(heard.choice);
    return heard.kind == Menu::Event::Kind::kNothing ? Heard::kNothing : Heard::kShown;
}

MenuCard::Heard LevelsCard::TakeAsked(int line)
{
    if (line == 0) {
        next_ = Change(Change::To::kPlay, askedPosition_ - 1);
    } else if (line == 1) {
        next_ = Change(Change::To::kWatch);
        next_.replay = bestReplay_;
        next_.watchedFrom = Change::To::kLevels;
    }
    asking_.reset();
    return Heard::kShown;
}

// The small card stands alone: the list's lines would show cut through above and below it.
void LevelsCard::Draw()
{
    if (asking_)
        asking_->Draw();
    else
        menu_.Draw();
}
