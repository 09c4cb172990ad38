#include "app/menu/levelscard.h"

#include "app/control/bindings.h"
#include "app/profile/levelpar.h"
#include "app/profile/recordwords.h"
#include "app/text/translate.h"
#include "audio/soundbank.h"
#include "utils/datafiles.h"
#include "utils/stringutils.h"

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

// The medals a record holds against the level's par: one, both, or none (then the tick stays).
Menu::Badge MedalBadge(const LevelRecord& record, const ShelfLevel& level)
{
    LevelPar par;
    par.loops = level.parLoops;
    par.milliseconds = static_cast<uint32_t>(std::max(0, level.parTime));
    const Medals medals = MedalsOf(record, par);
    if (medals.loops && medals.time)
        return Menu::Badge::kMedals;
    return medals.loops || medals.time ? Menu::Badge::kMedal : Menu::Badge::kTick;
}

// A book's title on the tab line, cut to what the line holds.
std::string TabTitle(const std::string& title)
{
    constexpr std::size_t kLongest = 16;
    const std::u32string letters = kolm::DecodeUtf8(title);
    if (letters.size() <= kLongest)
        return title;
    std::string cut;
    for (std::size_t i = 0; i + 3 < kLongest; ++i)
        cut += kolm::EncodeUtf8(letters[i]);
    return cut + "...";
}

Menu::Choice BookTabs(const std::vector<ShelfPack>& books, int book)
{
    Menu::Choice tabs; // no label: the title between its arrows says what the line is
    tabs.kind = Menu::ValueKind::kList;
    tabs.items.push_back(Tr("menu value", "Notebook 1")); // the game's own levels
    for (const ShelfPack& pack : books)
        tabs.items.push_back(TabTitle(ShownTitle(pack)));
    tabs.value = book;
    return tabs;
}

int SourceOrder(ShelfPack::Source source)
{
    return source == ShelfPack::Source::kGame ? 0 : source == ShelfPack::Source::kMine ? 1 : 2;
}

} // namespace

LevelsCard::LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls,
                       const ReplayShelf* shelf, std::vector<ShelfPack> books, std::vector<ShelfLevel> own)
    : MenuCard(Tr("menu title", "Levels"), {}, controls), progress_(progress), levelCount_(levelCount),
      furthestOpen_(progress.cleared + 1), shelf_(shelf), books_(std::move(books)), own_(std::move(own))
{
    menu_.SetChoices(Lines());
    menu_.Choose(FirstLevelLine());
    ShowMarked();
}

// The marked level as its line would say it, with its par: "1 loop · 0:24.0 · par 1 loop, 0:25.0".
std::string LevelsCard::MarkedNote() const
{
    const int index = menu_.Chosen() - FirstLevelLine();
    const std::vector<ShelfLevel>& levels = book_ == 0 ? own_ : books_[static_cast<std::size_t>(book_ - 1)].levels;
    const int count = book_ == 0 ? levelCount_ : static_cast<int>(levels.size());
    if (index < 0 || index >= count)
        return "";
    const ShelfLevel level = index < static_cast<int>(levels.size()) ? levels[static_cast<std::size_t>(index)] : ShelfLevel();
    const std::string note = menu_.ChoiceAt(menu_.Chosen()).note;
    if (level.parLoops <= 0 || level.parTime <= 0)
        return note;
    const std::string par = Fill(Tr("menu note", "par %s, %s"),
                                 {LoopCount(level.parLoops), FormatGameTime(static_cast<uint32_t>(level.parTime), 1)});
    // A line without a record notes the par alone: here it is said whole.
    const bool parAlone = note == Fill(Tr("menu note", "par %s"), {LoopCount(level.parLoops)});
    return note.empty() || parAlone ? par : note + " \u00B7 " + par;
}

void LevelsCard::ShowMarked()
{
    const rect card = menu_.CardBox();
    under_.Say(sprites_, MarkedNote(), vector2(card.x + card.w * 0.5f, card.y + card.h + 34.0f));
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
            lines.push_back(OwnLineOf(position));
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
    line.label = LevelLabel(level.position, level.name);
    const LevelRecord record = progress.RecordOfHash(level.hash);
    if (record.Exists()) {
        line.note = RecordNote(record);
        line.badge = MedalBadge(record, level);
    } else if (level.parLoops > 0) {
        line.note = Fill(Tr("menu note", "par %s"), {LoopCount(level.parLoops)});
    }
    return line;
}

void LevelsCard::TurnTo(const std::string& listFile)
{
    for (std::size_t i = 0; i < books_.size(); ++i) {
        if (!listFile.empty() && books_[i].listFile == listFile) {
            ChangeValue(0, static_cast<int>(i + 1));
            menu_.Choose(FirstLevelLine());
        }
    }
}

MenuCard::Heard LevelsCard::ChangeValue(int line, int value)
{
    if (line != 0 || books_.empty())
        return Heard::kShown;
    book_ = value;
    noted_ = -1;
    menu_.SetChoices(Lines());
    ShowMarked();
    return Heard::kShown;
}

MenuCard::Heard LevelsCard::TakeInBook(int line)
{
    const ShelfPack& book = books_[static_cast<std::size_t>(book_ - 1)];
    const int index = line - FirstLevelLine();
    if (index >= static_cast<int>(book.levels.size()))
        return Back();
    Change play(Change::To::kPlay, index);
    play.book = book.listFile;
    const ShelfLevel& level = book.levels[static_cast<std::size_t>(index)];
    return PlayOrAsk(play, level.hash, LevelLabel(level.position, level.name));
}

// Plays the level, or first asks on the small card when it has a best replay to watch.
MenuCard::Heard LevelsCard::PlayOrAsk(const Change& play, uint64_t levelHash, const std::string& title)
{
    bestReplay_ = shelf_ && levelHash ? shelf_->BestOf(levelHash) : std::string();
    if (bestReplay_.empty()) {
        next_ = play;
        return Heard::kShown;
    }
    std::vector<Menu::Choice> lines(3);
    lines[0].label = Tr("menu line", "Play");
    lines[1].label = Tr("menu line", "Watch best");
    lines[2].label = Tr("menu line", "Back");
    asking_ = std::make_unique<Menu>(title, lines);
    asked_ = play;
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
        menu_.SetChoice(noted_, OwnLineOf(noted_ - first + 1));
    noted_ = -1;
    const int position = marked - first + 1;
    if (position >= 1 && position <= levelCount_ && position > furthestOpen_) {
        Menu::Choice line = OwnLineOf(position);
        line.note = OpenedBy(position);
        menu_.SetChoice(marked, line);
        noted_ = marked;
    }
}

Menu::Choice LevelsCard::LineOf(const Progress& progress, int position, const ShelfLevel& level)
{
    Menu::Choice line;
    line.label = LevelLabel(position, level.name);
    const LevelRecord record = progress.RecordOf(position);
    if (record.Exists())
        line.note = RecordNote(record);
    if (position > progress.cleared + 1)
        line.badge = Menu::Badge::kPadlock;
    else if (record.Exists())
        line.badge = MedalBadge(record, level);
    else if (Cleared(progress, position))
        line.badge = Menu::Badge::kTick;
    return line;
}

Menu::Choice LevelsCard::OwnLineOf(int position) const
{
    const auto index = static_cast<std::size_t>(position - 1);
    return LineOf(progress_, position, index < own_.size() ? own_[index] : ShelfLevel());
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
    const auto index = static_cast<std::size_t>(position - 1);
    const ShelfLevel level = index < own_.size() ? own_[index] : ShelfLevel();
    return PlayOrAsk(Change(Change::To::kPlay, position - 1), level.hash, LevelLabel(position, level.name));
}

MenuCard::Heard LevelsCard::Hear(const GameEvent& event)
{
    if (!asking_) {
        const Heard heard = MenuCard::Hear(event);
        SayWhatOpens();
        ShowMarked();
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
        next_ = asked_;
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
    if (asking_) {
        asking_->Draw();
    } else {
        menu_.Draw();
        sprites_.Draw();
    }
}
