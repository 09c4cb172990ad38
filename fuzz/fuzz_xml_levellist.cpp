// The level list's reader end to end: the input is a levels.xml. It is parsed from memory and
// from a file (the two must build the same tree), the tree is walked the way the readers walk
// it, and the level list loads the file and hands out its levels until it runs out.
#include "tempfile.h"

#include "utils/levellist/clevellist.h"
#include "utils/xmlhandler.h"
#include "utils/xmlparser.h"
#include "utils/xmlreadcontext.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using kolm::XmlNode;

const char* const kAttributeNames[] = {"position", "filename", "completed"};

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_xml_levellist: %s\n", what);
        std::abort();
    }
}

std::unique_ptr<XmlNode> ParseFromText(const std::string& text)
{
    kolm::CXmlHandler handler;
    kolm::XmlParser parser(handler);
    parser.ParseText(text);
    return handler.TakeRootElement();
}

std::unique_ptr<XmlNode> ParseFromFile(const std::string& fileName)
{
    kolm::CXmlHandler handler;
    kolm::XmlParser parser(handler);
    parser.ParseFile(fileName);
    return handler.TakeRootElement();
}

// The same names, contents, attributes and shape, compared without recursion (a document of
// nothing but start tags nests as deep as it is long).
void RequireSameTree(const XmlNode* a, const XmlNode* b)
{
    Require((a == nullptr) == (b == nullptr), "one parse found a root, the other none");
    std::vector<std::pair<const XmlNode*, const XmlNode*>> pending;
    if (a)
        pending.emplace_back(a, b);
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        Require(x->GetName() == y->GetName() && x->GetContent() == y->GetContent(), "node text differs");
        Require(x->ChildCount() == y->ChildCount(), "child count differs");
        Require(x->Attributes().Count() == y->Attributes().Count(), "attribute count differs");
        for (const char* name : kAttributeNames)
            Require(x->Attribute(name).AsText() == y->Attribute(name).AsText(), "attribute differs");
        for (std::size_t i = 0; i < x->ChildCount(); ++i) {
            Require(x->ChildAt(i)->GetParent() == x, "a child does not point back at its parent");
            pending.emplace_back(x->ChildAt(i), y->ChildAt(i));
        }
    }
}

// Reads every node the way the level list reads its root: the cursor asks for each child by
// name in document order, and the attributes are read as int, bool and text.
void ReadLikeTheReaders(XmlNode* root)
{
    std::vector<XmlNode*> pending{root};
    while (!pending.empty()) {
        XmlNode* node = pending.back();
        pending.pop_back();
        kolm::XmlReadContext context(node);
        context.SetWarnings(false);
        int number = 0;
        for (std::size_t i = 0; i < node->ChildCount(); ++i) {
            XmlNode* child = node->ChildAt(i);
            context.ReadChildContentAsInt(child->GetName(), number);
            Require(context.GetChild(child->GetName()) != nullptr, "the cursor lost a child");
            pending.push_back(child);
        }
        for (const char* name : kAttributeNames) {
            const kolm::CAnyValue& value = node->Attribute(name);
            (void)value.AsInt();
            (void)value.AsBool();
            (void)value.AsText();
        }
    }
}

// Hands out levels the way the game does until the list runs out; every level is handed out
// at most once, so the list must run out within its own length.
void HandOutLevels(kolm::CLevelList& list)
{
    const int count = list.Count();
    for (int i = -1; i <= count; ++i) {
        (void)list.FileNameAt(i);
        (void)list.IsCompleted(i);
    }
    for (int handed = 0; list.Current() >= 0 && list.Current() < count; ++handed) {
        Require(handed <= count, "the level list never runs out");
        (void)list.NextLevelFile();
    }
    Require(list.NextLevelFile().empty(), "a level was handed out after the list ran out");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const fuzzsupport::TempFile file("levels-xml");
    const std::string text(reinterpret_cast<const char*>(data), size);
    file.Write(text);

    const std::unique_ptr<XmlNode> fromText = ParseFromText(text);
    const std::unique_ptr<XmlNode> fromFile = ParseFromFile(file.Path());
    RequireSameTree(fromText.get(), fromFile.get());
    if (fromText)
        ReadLikeTheReaders(fromText.get());

    kolm::CLevelList list(file.Path());
    HandOutLevels(list);
    return 0;
}
