#include "utils/levellist/clevellist.h"

#include "utils/log.h"
#include "utils/datafiles.h"
#include "utils/xmlhandler.h"
#include "utils/xmlparser.h"
#include "utils/xmlreadcontext.h"

namespace kolm {
namespace {

// Where the list's reading is labelled in the cursor's warnings.
const char* const kReaderLabel = ".\\src\\utils\\levellist\\clevellist";
const int kReaderLine = 31;
const int kFirstPosition = 1;
const int kLastPosition = 9999;

} // namespace

CLevelList::CLevelList(std::string fileName, Names names)
    : fileName_(fileName.empty() ? datafiles::kLevelList : std::move(fileName)), names_(names)
{
}

CLevelList::~CLevelList() = default;

const std::vector<CLevelList::LevelEntry>& CLevelList::Levels() const
{
    if (!read_)
        Load();
    return levels_;
}

int CLevelList::Current() const
{
    Levels();
    return current_;
}

int CLevelList::JumpTo() const
{
    Levels();
    return jumpTo_;
}

void CLevelList::StartAfter(int position)
{
    Levels();
    current_ = position;
}

void CLevelList::ReadText(const std::string& text)
{
    read_ = true;
    levels_.clear();
    listAttributes_.clear();
    current_ = jumpTo_ = 0;
    CXmlHandler handler;
    XmlParser(handler).ParseText(text);
    const std::unique_ptr<XmlNode> root = handler.TakeRootElement();
    if (root)
        ReadRoot(*root);
}

const std::map<std::string, std::string>& CLevelList::ListAttributes() const
{
    Levels();
    return listAttributes_;
}

const CLevelList::LevelEntry& CLevelList::EntryAt(int index) const
{
    static const LevelEntry none;
    return IsValidIndex(index) ? Levels()[static_cast<std::size_t>(index)] : none;
}

void CLevelList::Load() const
{
    read_ = true;
    const std::string& fileName = fileName_;
    CXmlHandler handler;
    XmlParser parser(handler);
    if (!parser.ParseFile(fileName)) {
        WarnOncePerFile(fileName, "the level list " + fileName + " could not be read: there are no levels to play");
        return;
    }
    const std::unique_ptr<XmlNode> root = handler.TakeRootElement();
    if (root)
        ReadRoot(*root);
    if (levels_.empty())
        WarnOncePerFile(fileName, "the level list " + fileName + " holds no <Level> element with a position from 1 to " +
                                      std::to_string(kLastPosition) + " and a filename: there are no levels to play");
}

void CLevelList::ReadRoot(XmlNode& root) const
{
    listAttributes_ = root.Attributes().Texts();
    XmlReadContext context(&root);
    context.SetFileLabel(kReaderLabel);
    context.SetLine(kReaderLine);
    if (context.HasChild("JumpTo"))
        context.ReadChildContentAsInt("JumpTo", jumpTo_);

    for (std::size_t i = 0; i < root.ChildCount(); ++i) {
        const XmlNode& child = *root.ChildAt(i);
        if (child.GetName() == "Level")
            AddLevel(child);
    }
    if (jumpTo_ != 0)
        current_ = jumpTo_;
}

void CLevelList::AddLevel(const XmlNode& level) const
{
    if (!level.HasAttribute("position") || !level.HasAttribute("filename"))
        return;
    const int position = level.Attribute("position").AsInt();
    if (position < kFirstPosition || position > kLastPosition)
        return;
    LevelEntry entry;
    entry.filename = Placed(level.Attribute("filename").AsText());
    entry.completed = level.HasAttribute("completed") && level.Attribute("completed").AsBool();
    entry.attributes = level.Attributes().Texts();
    // Exactly position + 1 entries: a lower position than an earlier one drops the higher ones.
    levels_.resize(static_cast<std::size_t>(position) + 1);
    levels_[static_cast<std::size_t>(position)] = entry;
}

std::string CLevelList::Placed(const std::string& filename) const
{
    const std::size_t slash = fileName_.rfind('/');
    if (names_ == Names::kAsWritten || slash == std::string::npos || filename.empty())
        return filename;
    return fileName_.substr(0, slash + 1) + filename;
}

std::string CLevelList::NextLevelFile()
{
    Levels();
    if (IsValidIndex(current_)) {
        levels_[static_cast<std::size_t>(current_)].completed = true;
        ++current_;
    }
    return FileNameAt(current_);
}

std::string CLevelList::FileNameAt(int index) const
{
    return IsValidIndex(index) ? Levels()[static_cast<std::size_t>(index)].filename : std::string();
}

bool CLevelList::IsCompleted(int index) const
{
    return IsValidIndex(index) && Levels()[static_cast<std::size_t>(index)].completed;
}

} // namespace kolm
