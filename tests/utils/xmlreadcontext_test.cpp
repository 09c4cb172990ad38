#include "utils/xmlhandler.h"
#include "utils/xmlparser.h"
#include "utils/xmlreadcontext.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace kolm;

namespace {

std::unique_ptr<XmlNode> Tree(const std::string& document)
{
    CXmlHandler handler;
    XmlParser parser(handler);
    parser.ParseText(document);
    return handler.TakeRootElement();
}

const std::string kOrderWarning =
    "Xml warning a child node wasn't in the place it should be, order fucked up in node: ";
const std::string kNoChildsWarning = "Xml warning, ain't no childs left in the current node: ";

XmlReadContext LabelledContext(XmlNode* node)
{
    XmlReadContext context(node);
    context.SetFileLabel("levels");
    context.SetLine(31);
    return context;
}

} // namespace

TEST(XmlReadContext, ChildInItsExpectedPlaceIsReadSilently)
{
    const auto root = Tree("<List><JumpTo>3</JumpTo><Level></Level></List>");
    XmlReadContext context = LabelledContext(root.get());
    testing::internal::CaptureStdout();
    XmlNode* jumpTo = context.GetChild("JumpTo");
    XmlNode* level = context.GetChild("Level");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(jumpTo, nullptr);
    EXPECT_EQ(jumpTo->GetContent(), "3");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->GetName(), "Level");
    EXPECT_EQ(context.Cursor(), 2u);
}

TEST(XmlReadContext, ChildOutOfPlaceWarnsOnceAndIsStillReturned)
{
    const auto root = Tree("<List><Level></Level><Level></Level><JumpTo>3</JumpTo></List>");
    XmlReadContext context = LabelledContext(root.get());
    EXPECT_TRUE(context.HasChild("JumpTo"));
    testing::internal::CaptureStdout();
    XmlNode* jumpTo = context.GetChild("JumpTo");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kOrderWarning + "List in file: levels at line 31\n");
    ASSERT_NE(jumpTo, nullptr);
    EXPECT_EQ(jumpTo->GetContent(), "3");
    EXPECT_EQ(context.Cursor(), 2u) << "the cursor is put on the child, not past it";
}

TEST(XmlReadContext, WarnsWhenNoChildsAreLeft)
{
    const auto root = Tree("<List><Level></Level></List>");
    XmlReadContext context = LabelledContext(root.get());
    ASSERT_NE(context.GetChild("Level"), nullptr);
    testing::internal::CaptureStdout();
    EXPECT_EQ(context.GetChild("JumpTo"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kNoChildsWarning + "List in file: levels at line 31\n");
}

TEST(XmlReadContext, MissingChildAndSilencedWarnings)
{
    const auto root = Tree("<List><Level></Level><JumpTo>x</JumpTo></List>");
    XmlReadContext context(root.get());
    testing::internal::CaptureStdout();
    EXPECT_FALSE(context.HasChild("Other"));
    EXPECT_EQ(context.GetChild("Other"), nullptr);
    context.SetWarnings(false);
    int target = 99;
    context.ReadChildContentAsInt("JumpTo", target);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(target, 0) << "content with no number reads as 0";
    target = 99;
    context.ReadChildContentAsInt("Missing", target);
    EXPECT_EQ(target, 99);
    EXPECT_EQ(context.Root(), root.get());
}

TEST(XmlReadContext, ContextWithoutANodeFindsNothing)
{
    XmlReadContext context(nullptr);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(context.HasChild("JumpTo"));
    EXPECT_EQ(context.GetChild("JumpTo"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}
