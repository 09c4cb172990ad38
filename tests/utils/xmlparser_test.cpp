#include "utils/stringutils.h"
#include "utils/xmlhandler.h"
#include "utils/xmlparser.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace kolm;

namespace {

// Writes every report as one line of text, attributes in the order they were handed over.
class RecordingHandler : public CXmlHandlerInterface {
public:
    std::vector<std::string> events;

    void StartDocument() override { events.push_back("document"); }
    void EndDocument() override { events.push_back("end document"); }
    void Characters(const std::string& text) override { events.push_back("text [" + text + "]"); }
    void StartElement(const std::string& name, const XmlAttributeMap& attributes) override
    {
        std::string event = "start [" + name + "]";
        for (const auto& attribute : attributes)
            event += " " + attribute.first + "=[" + attribute.second.AsText() + "]";
        events.push_back(event);
    }
    void EndElement(const std::string& name) override { events.push_back("end [" + name + "]"); }
};

std::vector<std::string> Reports(const std::string& document)
{
    RecordingHandler handler;
    XmlParser parser(handler);
    parser.ParseText(document);
    return handler.events;
}

std::unique_ptr<XmlNode> Tree(const std::string& document)
{
    CXmlHandler handler;
    XmlParser parser(handler);
    parser.ParseText(document);
    return handler.TakeRootElement();
}

using Events = std::vector<std::string>;

} // namespace

TEST(XmlTree, ElementContentAndAttributesOfSiblings)
{
    const auto root = Tree("<LevelList>\n"
                           "  <JumpTo>3</JumpTo>\n"
                           "  <Level position=\"1\" filename=\"data/levels/one.txt\" completed=\"0\"></Level>\n"
                           "  <Level position=\"2\" filename=\"two.txt\" completed=\"1\"></Level>\n"
                           "</LevelList>\n");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetName(), "LevelList");
    EXPECT_EQ(root->GetParent(), nullptr);
    ASSERT_EQ(root->ChildCount(), 3u);
    const XmlNode* jumpTo = root->ChildAt(0);
    EXPECT_EQ(jumpTo->GetName(), "JumpTo");
    EXPECT_EQ(jumpTo->GetContent(), "3");
    EXPECT_EQ(jumpTo->GetParent(), root.get());
    const XmlNode* second = root->ChildAt(2);
    EXPECT_EQ(second->GetName(), "Level");
    EXPECT_EQ(second->Attributes().Count(), 3u);
    EXPECT_EQ(second->Attribute("filename").AsText(), "two.txt");
    EXPECT_EQ(second->Attribute("position").AsInt(), 2);
    EXPECT_TRUE(second->Attribute("completed").AsBool());
    EXPECT_EQ(root->ChildAt(3), nullptr);
}

TEST(XmlReader, ReportsAttributesInNameOrder)
{
    EXPECT_EQ(Reports("<Level position=\"1\" filename=\"a.txt\" completed=\"0\"></Level>\n"
                      "<Level position=\"2\" filename=\"b.txt\"></Level>"),
              (Events{"document",
                      "start [Level] completed=[0] filename=[a.txt] position=[1]", "end [Level]",
                      "start [Level] filename=[b.txt] position=[2]", "end [Level]",
                      "end document"}));
}

TEST(XmlReader, SelfClosingTagsAreAStartAndAnEnd)
{
    EXPECT_EQ(Reports("<Level position=\"1\" completed=\"1\"/><Next></Next>"),
              (Events{"document", "start [Level] completed=[1] position=[1]", "end [Level]", "start [Next]",
                      "end [Next]", "end document"}));
    EXPECT_EQ(Reports("<Level position=\"1\" />"),
              (Events{"document", "start [Level] position=[1]", "end [Level]", "end document"}));
    EXPECT_EQ(Reports("<br/><hr />"),
              (Events{"document", "start [br]", "end [br]", "start [hr]", "end [hr]", "end document"}));

    const auto root = Tree("<LevelList><Level position=\"1\"/><Level position=\"2\"></Level></LevelList>");
    ASSERT_EQ(root->ChildCount(), 2u);
    EXPECT_EQ(root->ChildAt(0)->ChildCount(), 0u);
}

TEST(XmlReader, DeclarationsDoctypesAndCommentsAreNothing)
{
    const auto root = Tree("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<?xml-stylesheet href=\"a.xsl\"?>\n"
                           "<!DOCTYPE LevelList [\n"
                           "  <!ELEMENT LevelList (JumpTo?, Level*)>\n"
                           "]>\n"
                           "<!-- the levels, in order -->\n"
                           "<LevelList>\n"
                           "<!-- <Level position=\"9\" filename=\"x\"></Level> -->\n"
                           "<!--\n"
                           "  <JumpTo>5</JumpTo> spans lines\n"
                           "-->\n"
                           "<JumpTo>2<!-- not 3 --></JumpTo>\n"
                           "</LevelList>\n");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetName(), "LevelList");
    ASSERT_EQ(root->ChildCount(), 1u);
    EXPECT_EQ(root->ChildAt(0)->GetName(), "JumpTo");
    EXPECT_EQ(root->ChildAt(0)->GetContent(), "2");
    // A comment or declaration right next to a tag on one line, as some writers put them.
    EXPECT_EQ(Reports("<?xml version=\"1.0\" ?><a><!----><!-- a > b --></a>"),
              (Events{"document", "start [a]", "end [a]", "end document"}));
}

TEST(XmlReader, AFileWrittenForThisReaderReadsAsBefore)
{
    // Written with explicit end tags and no declaration; these reports are what the reader gave
    // before it learnt declarations, comments holding ">" and self-closing tags, quirks included
    // (the Level broken before its first attribute is dropped).
    EXPECT_EQ(Reports("<LevelList>\r\n"
                      "  <!-- levels in the order they are played -->\r\n"
                      "  <JumpTo>\r\n 1\r\n</JumpTo>\r\n"
                      "\t<Level position=\"1\" filename=\"data/levels/level01.txt\" completed=\"0\"></Level>\r\n"
                      "  <Level\r\n position = \"2\" filename=\"fish &amp; chips.txt\"></Level><Gap/>\r\n"
                      "  <Level position=\"3\" filename=\"a b.txt\" completed=\"1\" ></Level>\r\n"
                      "</LevelList>\r\n"),
              (Events{"document", "start [LevelList]", "start [JumpTo]", "text [1]", "end [JumpTo]",
                      "start [Level] completed=[0] filename=[data/levels/level01.txt] position=[1]", "end [Level]",
                      "end [Level]", "start [Gap]", "end [Gap]",
                      "start [Level] completed=[1] filename=[a b.txt] position=[3]", "end [Level]",
                      "end [LevelList]", "end document"}));
}

TEST(XmlReader, AByteOrderMarkIsDropped)
{
    testsupport::TempDir dir;
    dir.Write("list.xml", "\xEF\xBB\xBF<LevelList><JumpTo>4</JumpTo></LevelList>\n");
    RecordingHandler handler;
    XmlParser parser(handler);
    parser.ParseFile(dir.File("list.xml"));
    EXPECT_EQ(handler.events, (Events{"document", "start [LevelList]", "start [JumpTo]", "text [4]", "end [JumpTo]",
                                      "end [LevelList]", "end document"}));
}

TEST(XmlReader, ReplacesEntitiesInTheirFixedOrder)
{
    EXPECT_EQ(Tree("<a>1 &lt; 2 &gt; 0</a>")->GetContent(), "1 < 2 > 0");
    EXPECT_EQ(Tree("<a>&apos;x&apos; &quot;y&quot;</a>")->GetContent(), "'x' \"y\"");
    EXPECT_EQ(Tree("<a>&amp;quot;</a>")->GetContent(), "\"") << "&amp; is undone before &quot;";
    EXPECT_EQ(Tree("<a>&amp;lt;</a>")->GetContent(), "&lt;") << "&lt; was replaced before &amp;";
    EXPECT_EQ(Tree("<a>fish &amp; chips</a>")->GetContent(), "fish & chips");
}

TEST(XmlReader, ValuesLoseTheirFirstAndLastCharacters)
{
    EXPECT_EQ(Reports("<a x=hello y='single' z=1 w=\"\"></a>"),
              (Events{"document", "start [a] w=[] x=[ell] y=[single] z=[]", "end [a]", "end document"}));
    EXPECT_EQ(Reports("<a x=\"two words\" y = \"spaced\"></a>"),
              (Events{"document", "start [a] x=[two words] y=[spaced]", "end [a]", "end document"}));
    EXPECT_EQ(Reports("<a x=\"1\" x=\"2\"></a>"),
              (Events{"document", "start [a] x=[1]", "end [a]", "end document"}))
        << "the first value of a name wins";
}

TEST(XmlReader, TextRuns)
{
    // Text spanning lines joins without a separator; blanks around lines go.
    EXPECT_EQ(Tree("<JumpTo>\n   4\n 2  \n</JumpTo>")->GetContent(), "42");
    // Blank text between tags is reported empty and clears the content set before it.
    EXPECT_EQ(Reports("<a>3<b></b> </a>"),
              (Events{"document", "start [a]", "text [3]", "start [b]", "end [b]", "text []", "end [a]",
                      "end document"}));
    EXPECT_EQ(Tree("<a>3<b></b> </a>")->GetContent(), "");
    // Text after the last tag is never reported.
    EXPECT_EQ(Reports("<a></a>trailing"), (Events{"document", "start [a]", "end [a]", "end document"}));
}

TEST(XmlReader, EndTagNamesAreNotCompared)
{
    const auto root = Tree("<a><b></c><d></d></a>");
    ASSERT_EQ(root->ChildCount(), 2u);
    EXPECT_EQ(root->ChildAt(1)->GetName(), "d");
}

TEST(XmlReader, SurplusTopLevelElementsAndEndTagsAreIgnored)
{
    const auto root = Tree("<a>1</a><b x=\"1\"><c>2</c>3</b></a></a><d></d>");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetName(), "a");
    EXPECT_EQ(root->GetContent(), "1");
    EXPECT_EQ(root->ChildCount(), 0u);

    const auto late = Tree("</x></y><a></a>");
    ASSERT_TRUE(late) << "end tags before any element change nothing";
    EXPECT_EQ(late->GetName(), "a");
}

TEST(XmlReader, WindowsLineEndsReadLikeUnixOnes)
{
    const std::string unix = "<LevelList>\n<JumpTo>3\n</JumpTo>\n<Level position=\"1\"\n filename=\"a\">\n"
                             "</Level>\n\n</LevelList>\n";
    const std::string windows = ReplaceAll(unix, "\n", "\r\n");
    EXPECT_EQ(Reports(windows), Reports(unix));
    EXPECT_EQ(Tree(windows)->ChildAt(0)->GetContent(), "3");
}

TEST(XmlReader, TagsWithNoBlankBeforeAnAttributeAreDropped)
{
    // Dropped, and their attributes do not reach the next element.
    EXPECT_EQ(Reports("<Root><x=\"1\"><Level position=\"2\"></Level></Root>"),
              (Events{"document", "start [Root]", "start [Level] position=[2]", "end [Level]", "end [Root]",
                      "end document"}));
    EXPECT_EQ(Reports("<=\"1\"><a b=\"1\"c=\"2\" d=>"),
              (Events{"document", "start [a] b=[1\"c=\"2] d=[]", "end document"}));
    // A start tag broken before its first attribute joins into one word and is dropped.
    EXPECT_EQ(Reports("<Level\nposition=\"1\">"), (Events{"document", "end document"}));
}

TEST(XmlReader, FeedsLinesDirectly)
{
    RecordingHandler handler;
    XmlParser parser(handler);
    parser.FeedLine("  <Level position=\"1\"");
    parser.FeedLine(" filename=\"a\">  ");
    parser.FeedLine("</Level>");
    EXPECT_EQ(handler.events, (Events{"start [Level] position=[1\"filename=\"a]", "end [Level]"}))
        << "lines join without a blank, so the second attribute is swallowed by the first value";
}

TEST(XmlReader, UntrimmedReaderKeepsBlanks)
{
    RecordingHandler handler;
    XmlParser parser(handler, false);
    parser.ParseText("<a > x </a><\t>< b y=\"1\" >");
    EXPECT_EQ(handler.events, (Events{"document", "start [a ]", "text [ x ]", "end [a]", "start [\t]",
                                      "start [b] y=[1]", "end document"}))
        << "blanks at the end of a tag with attributes belong to no name";
}

TEST(XmlReader, ParseFileReadsFilesAndSurvivesMissingOnes)
{
    testsupport::TempDir dir;
    dir.Write("list.xml", "<LevelList>\r\n<JumpTo>5</JumpTo>\r\n</LevelList>\r\n");
    dir.MakeDir("folder.xml");

    CXmlHandler handler;
    XmlParser parser(handler);
    parser.ParseFile(dir.File("list.xml"));
    ASSERT_NE(handler.GetRootElement(), nullptr);
    EXPECT_EQ(handler.GetRootElement()->ChildAt(0)->GetContent(), "5");

    for (const std::string& name : {std::string(), dir.File("missing.xml"), dir.File("folder.xml")}) {
        RecordingHandler recorder;
        XmlParser reader(recorder);
        reader.ParseFile(name);
        EXPECT_EQ(recorder.events, (Events{"document", "end document"})) << name;
        parser.ParseFile(name);
        EXPECT_EQ(handler.GetRootElement(), nullptr) << name;
    }
}

TEST(XmlReader, DeepNestingIsBuiltAndFreedWithoutRecursion)
{
    const int depth = 100000;
    std::string oneLine;
    std::string linePerTag;
    for (int i = 0; i < depth; ++i) {
        oneLine += "<a x=\"1\">";
        linePerTag += "<a x=\"1\">\n";
    }
    for (const std::string& text : {oneLine, linePerTag}) {
        auto root = Tree(text);
        int levels = 0;
        for (const XmlNode* node = root.get(); node; node = node->ChildAt(0))
            ++levels;
        EXPECT_EQ(levels, depth);
        root.reset();
    }
}

namespace {

// The tag and attribute steps written the plain way, one copy of the tag per round.
std::string ModelAttributeStep(std::string tag, std::map<std::string, std::string>& attributes)
{
    for (;;) {
        const auto equals = tag.find('=');
        if (equals == std::string::npos)
            return tag;
        const std::string left = Trim(tag.substr(0, equals));
        std::string right = Trim(tag.substr(equals + 1));
        const auto blank = left.find_last_of(" \t");
        const std::string name = blank == std::string::npos ? left : left.substr(blank + 1);
        tag = blank == std::string::npos ? std::string() : left.substr(0, blank);
        const auto cut = FindOutsideQuotes(" \t", right);
        if (cut != std::string::npos) {
            tag += right.substr(cut);
            right = right.substr(0, cut);
        }
        const std::string value = Trim(right);
        attributes.emplace(name, value.size() >= 2 ? value.substr(1, value.size() - 2) : "");
    }
}

Events ModelTagReports(std::string tag)
{
    tag = Trim(tag);
    if (tag.empty() || tag[0] == '!' || tag[0] == '?')
        return {};
    if (tag[0] == '/')
        return {"end [" + tag.substr(1) + "]"};
    bool closes = tag.back() == '/';
    if (closes)
        tag = Trim(tag.substr(0, tag.size() - 1));
    std::map<std::string, std::string> attributes;
    std::string element = tag.find('=') == std::string::npos ? tag : ModelAttributeStep(tag, attributes);
    if (element.empty())
        return {};
    if (element.back() == '/') {
        element.pop_back();
        closes = true;
    }
    std::string start = "start [" + element + "]";
    for (const auto& attribute : attributes)
        start += " " + attribute.first + "=[" + attribute.second + "]";
    Events events{start};
    if (closes)
        events.push_back("end [" + element + "]");
    return events;
}

} // namespace

TEST(XmlReader, TagsOfEveryShapeMatchThePlainModel)
{
    const std::string alphabet = "ab =\"'/\t!?";
    std::mt19937 random(1234);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string tag;
        for (std::size_t n = length(random); n > 0; --n)
            tag += alphabet[pick(random)];
        RecordingHandler handler;
        XmlParser parser(handler);
        parser.FeedLine("<" + tag + ">");
        ASSERT_EQ(handler.events, ModelTagReports(tag)) << "tag: [" << tag << "]";
    }
}
