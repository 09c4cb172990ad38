#include "app/menu/makelevelscard.h"

#include "app/control/bindings.h"
#include "app/levels/packinstaller.h"
#include "app/levels/packnames.h"
#include "app/levels/sharedlevel.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "engine/platform/platform.h"
#include "utils/stringutils.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// The small card of a level, line by line.
enum AskedLine { kPlay, kEdit, kRename, kCopy, kDelete, kBackToList };
// A new level: a minute of empty paper.
const char* const kNewLevel = "60000\n";
constexpr std::size_t kLongestTyped = 4096;
// The letters of the text typed that its line shows, from its end.
constexpr std::size_t kShownTyped = 12;

// The end of the text typed, as its line shows it.
std::string TypedEnd(const std::string& typed)
{
    const std::u32string letters = kolm::DecodeUtf8(typed);
    if (letters.size() <= kShownTyped)
        return typed + "_";
    std::string shown = "...";
    for (std::size_t i = letters.size() - kShownTyped; i < letters.size(); ++i)
        shown += kolm::EncodeUtf8(letters[i]);
    return shown + "_";
}

Menu::Choice Line(const std::string& label, const std::string& note = std::string())
{
    Menu::Choice line;
    line.label = label;
    line.note = note;
    return line;
}

} // namespace

MakeLevelsCard::MakeLevelsCard(MyLevels mine, Platform* platform, const ControlSettings* controls)
    : MenuCard(Tr("menu title", "Make levels"), {}, controls), mine_(std::move(mine)), platform_(platform)
{
    Relist();
}

MakeLevelsCard::~MakeLevelsCard() { StopTyping(); }

// The lines: New level, the levels, Add from link, Install a pack, Make a pack, Back; note on the
// line taken.
void MakeLevelsCard::Relist(const std::string& note)
{
    levels_ = mine_.List();
    std::vector<Menu::Choice> lines{Line(Tr("menu line", "New level"))};
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        const MyLevels::Level& level = levels_[i];
        const bool renaming = typing_ == Typing::kRename && static_cast<int>(i) == askedLevel_;
        lines.push_back(Line(level.name.empty() ? level.file : level.name, renaming ? TypedNote(typing_) : ""));
    }
    lines.push_back(Line(Tr("menu line", "Add from link"), TypedNote(Typing::kLink)));
    lines.push_back(Line(Tr("menu line", "Install a pack"), TypedNote(Typing::kPack)));
    lines.push_back(Line(Tr("menu line", "Make a pack"), TypedNote(Typing::kMakePack)));
    lines.back().enabled = !levels_.empty();
    lines.push_back(Line(Tr("menu line", "Back")));
    const std::string marked = menu_.Chosen() >= 0 ? menu_.ChoiceAt(menu_.Chosen()).label : std::string();
    menu_.SetChoices(lines);
    // The mark follows its line, which a level added or taken away moves.
    for (int i = 0; i < menu_.Count(); ++i) {
        if (menu_.ChoiceAt(i).label == marked && i != menu_.Chosen())
            menu_.Choose(i);
    }
    const int chosen = menu_.Chosen();
    if (!note.empty() && chosen >= 0) {
        Menu::Choice line = menu_.ChoiceAt(chosen);
        line.note = note;
        menu_.SetChoice(chosen, line);
    }
}

std::string MakeLevelsCard::TypedNote(Typing typing) const
{
    return typing_ == typing ? TypedEnd(typed_) : std::string();
}

MenuCard::Heard MakeLevelsCard::Take(int line)
{
    const int levels = static_cast<int>(levels_.size());
    if (line == 0) {
        std::string file;
        std::string problem;
        if (!mine_.Add("", kNewLevel, file, problem)) {
            Say(false, Tr("menu note", "not made"), problem);
            return Heard::kShown;
        }
        next_ = Change(Change::To::kEdit);
        next_.level = mine_.Folder() + "/" + file;
        next_.watchedFrom = Change::To::kMakeLevels;
    } else if (line <= levels) {
        askedLevel_ = line - 1;
        Ask(menu_.ChoiceAt(line).label, {Tr("menu line", "Play"), Tr("menu line", "Edit"), Tr("menu line", "Rename"),
                                          Tr("menu line", "Copy"), Tr("menu line", "Delete"), Tr("menu line", "Back")});
    } else if (line == levels + 1 || line == levels + 2) {
        StartTyping(line == levels + 1 ? Typing::kLink : Typing::kPack);
    } else if (line == levels + 3) {
        if (levels > 0)
            StartTyping(Typing::kMakePack, "My levels");
    } else {
        return Back();
    }
    return Heard::kShown;
}

void MakeLevelsCard::Ask(const std::string& title, const std::vector<std::string>& labels)
{
    std::vector<Menu::Choice> lines;
    for (const std::string& label : labels)
        lines.push_back(Line(label));
    asking_ = std::make_unique<Menu>(title, lines);
}

MenuCard::Heard MakeLevelsCard::TakeAsked(int line)
{
    const MyLevels::Level level = levels_.at(static_cast<std::size_t>(askedLevel_));
    std::string problem;
    std::string copy;
    asking_.reset();
    if (confirming_) {
        confirming_ = false;
        if (line == 1 && !mine_.Delete(level.file, problem))
            Say(false, Tr("menu note", "kept"), problem);
        else
            Relist();
    } else if (line == kPlay) {
        next_ = Change(Change::To::kPlay, askedLevel_);
        next_.book = mine_.ListFile();
    } else if (line == kEdit) {
        next_ = Change(Change::To::kEdit);
        next_.level = level.path;
        next_.watchedFrom = Change::To::kMakeLevels;
    } else if (line == kRename) {
        StartTyping(Typing::kRename, level.name);
    } else if (line == kCopy) {
        const bool copied = mine_.Copy(level.file, level.name, copy, problem);
        Say(copied, Tr("menu note", "copied"), copied ? Tr("hint", "the copy is the last of your levels") : problem);
    } else if (line == kDelete) {
        confirming_ = true;
        Ask(Fill(Tr("menu title", "Delete %s?"), {level.name.empty() ? level.file : level.name}),
            {Tr("menu line", "Keep"), Tr("menu line", "Delete")});
    }
    return Heard::kShown;
}

MenuCard::Heard MakeLevelsCard::Hear(const GameEvent& event)
{
    if (typing_ != Typing::kNone)
        return HearTyping(event);
    if (!asking_)
        return MenuCard::Hear(event);
    const Menu::Event heard = asking_->HandleEvent(InMenu(controls_, event));
    if (heard.kind == Menu::Event::Kind::kBack)
        return TakeAsked(confirming_ ? 0 : kBackToList);
    if (heard.kind == Menu::Event::Kind::kTaken)
        return TakeAsked(heard.choice);
    return heard.kind == Menu::Event::Kind::kNothing ? Heard::kNothing : Heard::kShown;
}

MenuCard::Heard MakeLevelsCard::HearTyping(const GameEvent& event)
{
    if (event.type == GameEvent::Type::kText && typed_.size() < kLongestTyped) {
        typed_ += kolm::EncodeUtf8(static_cast<char32_t>(event.value));
    } else if (event.IsKeyDown(gamekeys::kBackspace) && !typed_.empty()) {
        while (!typed_.empty() && (static_cast<unsigned char>(typed_.back()) & 0xC0) == 0x80)
            typed_.pop_back(); // the letter's trailing bytes
        typed_.pop_back();
    } else if (event.IsKeyDown(gamekeys::kReturn) || event.IsKeyDown(gamekeys::kKeypadEnter)) {
        ActOnTyped();
        return Heard::kShown;
    } else if (event.IsKeyDown(gamekeys::kEscape)) {
        StopTyping();
    } else {
        return Heard::kNothing;
    }
    Relist();
    return Heard::kShown;
}

void MakeLevelsCard::StartTyping(Typing typing, const std::string& typed)
{
    typing_ = typing;
    typed_ = typed;
    if (platform_)
        platform_->SetTextInput(true);
    Relist();
}

void MakeLevelsCard::StopTyping()
{
    if (typing_ != Typing::kNone && platform_)
        platform_->SetTextInput(false);
    typing_ = Typing::kNone;
}

void MakeLevelsCard::ActOnTyped()
{
    const Typing typing = typing_;
    const std::string text = kolm::Trim(typed_);
    StopTyping();
    std::string problem;
    if (typing == Typing::kPack) {
        const PackInstall install = InstallPack(text, PackPlaces::Default());
        Say(install.installed, Tr("menu note", "installed"), install.line);
    } else if (typing == Typing::kMakePack) {
        MakePack(text);
    } else if (typing == Typing::kRename) {
        const MyLevels::Level level = levels_.at(static_cast<std::size_t>(askedLevel_));
        const bool renamed = mine_.Rename(level.file, text, problem);
        const std::string said = text.empty() ? Tr("hint", "the level has no name now") : Fill(Tr("hint", "the level is %s"), {text});
        Say(renamed, Tr("menu note", "renamed"), renamed ? said : problem);
    } else {
        KeptLevel kept;
        const bool added = KeepSharedLevel(mine_, text, "", kept, problem);
        const std::string position = std::to_string(kept.position);
        Say(added, Tr("menu note", "added"), added ? Fill(Tr("hint", "added as level %s of your levels"), {position}) : problem);
    }
}

// A pack of all the player's levels in their order, written where the player can pass it on.
void MakeLevelsCard::MakePack(const std::string& title)
{
    PackList pack;
    pack.title = title;
    pack.id = PackIdOf(title);
    pack.version = "1";
    std::vector<std::string> files;
    for (const MyLevels::Level& level : levels_)
        files.push_back(level.file);
    const std::string folder = std::filesystem::path(mine_.Folder()).parent_path().string() + "/made-packs";
    const std::string zip = folder + "/" + pack.id + ".zip";
    std::string problem;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool made = mine_.MakePack(pack, files, zip, problem);
    Say(made, Tr("menu note", "made"), made ? Fill(Tr("hint", "the pack is %s"), {zip}) : problem);
}

void MakeLevelsCard::TakeDropped(const std::string& path)
{
    StopTyping();
    asking_.reset();
    confirming_ = false;
    const std::string name = kolm::LowerCase(path);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".zip") == 0) {
        menu_.Choose(static_cast<int>(levels_.size()) + 2);
        const PackInstall install = InstallPack(path, PackPlaces::Default());
        Say(install.installed, Tr("menu note", "installed"), install.line);
        return;
    }
    KeptLevel kept;
    std::string problem;
    const bool added = KeepLevelFile(mine_, path, kept, problem);
    Relist();
    menu_.Choose(added ? kept.position : 0);
    const std::string position = std::to_string(kept.position);
    Say(added, Tr("menu note", "added"), added ? Fill(Tr("hint", "the dropped level is level %s of your levels"), {position}) : problem);
}

void MakeLevelsCard::Say(bool done, const std::string& word, const std::string& line)
{
    said_ = line;
    Relist(done ? word : Tr("menu note", "refused"));
}

std::string MakeLevelsCard::Hint(const InputNames& names) const
{
    return said_.empty() ? MenuCard::Hint(names) : said_;
}

// The small card stands alone, as the level select's does.
void MakeLevelsCard::Draw()
{
    if (asking_)
        asking_->Draw();
    else
        menu_.Draw();
}
