#include "utils/anyvalue.h"
#include "utils/stlstringstream.h"
#include "utils/xmlnode.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

using namespace kolm;

TEST(AnyValue, TextReadsAsNumbersThroughItsTextForm)
{
    EXPECT_EQ(CAnyValue("12").AsInt(), 12);
    EXPECT_EQ(CAnyValue("  -3 levels").AsInt(), -3);
    EXPECT_TRUE(CAnyValue("1").AsBool());
    EXPECT_FALSE(CAnyValue("0").AsBool());
    EXPECT_EQ(CAnyValue("data/levels/one.txt").AsText(), "data/levels/one.txt");
}

TEST(AnyValue, TextWithNoNumberReadsAsZeroAndFalse)
{
    for (const char* text : {"", "   ", "abc", "x1", "-"}) {
        EXPECT_EQ(CAnyValue(text).AsInt(), 0) << text;
        EXPECT_FALSE(CAnyValue(text).AsBool()) << text;
    }
    EXPECT_FALSE(CAnyValue("2").AsBool()) << "only 1 reads as true";
}

TEST(AnyValue, HeldTypesAndTheirTextForms)
{
    const CAnyValue number(42);
    EXPECT_EQ(number.Type(), typeid(int));
    EXPECT_EQ(number.AsInt(), 42);
    EXPECT_EQ(number.AsText(), "42");
    EXPECT_FALSE(number.AsBool());

    const CAnyValue flag(true);
    EXPECT_EQ(flag.Type(), typeid(bool));
    EXPECT_EQ(flag.AsText(), "1");
    EXPECT_EQ(flag.AsInt(), 1);
    EXPECT_EQ(CAnyValue(false).AsText(), "0");
    EXPECT_TRUE(CAnyValue(1).AsBool());

    EXPECT_EQ(CAnyValue(std::string("x")).Type(), typeid(std::string));

    const CAnyValue empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.Type(), typeid(void));
    EXPECT_EQ(empty.Reference(), nullptr);
    EXPECT_EQ(empty.AsText(), "");
    EXPECT_EQ(empty.AsInt(), 0);
    EXPECT_FALSE(empty.AsBool());
}

TEST(AnyValue, ReferenceIsReadOnlyAndNamesItsType)
{
    const CAnyValue number(-17);
    const CVarRefBase* reference = number.Reference();
    ASSERT_NE(reference, nullptr);
    EXPECT_TRUE(reference->IsConst());
    EXPECT_EQ(reference->Name(), "");
    EXPECT_EQ(reference->TypeName(), typeid(int).name());
    EXPECT_EQ(reference->ToText(), "-17");
}

TEST(AnyValue, CopyOutlivesItsSource)
{
    CAnyValue copy;
    const CVarRefBase* sourceReference = nullptr;
    {
        const CAnyValue source(std::string("data/levels/three.txt"));
        sourceReference = source.Reference();
        copy = source;
        EXPECT_EQ(source.AsText(), "data/levels/three.txt") << "the source still reads while it lives";
    }
    EXPECT_EQ(copy.Reference(), sourceReference) << "the copy holds the very same value";
    EXPECT_EQ(copy.AsText(), "data/levels/three.txt");
    EXPECT_EQ(copy.Reference()->ToText(), "data/levels/three.txt");
}

TEST(AnyValue, ManyCopiesAndReassignmentsStaySound)
{
    std::vector<CAnyValue> values;
    values.emplace_back(7);
    for (int i = 0; i < 1000; ++i)
        values.push_back(values.back());
    CAnyValue last = values[500];
    values.clear();
    EXPECT_EQ(last.AsInt(), 7);

    const CAnyValue& alias = last;
    last = alias;
    EXPECT_EQ(last.AsInt(), 7) << "assigning a value to itself keeps it";
    last = CAnyValue("text");
    EXPECT_EQ(last.AsText(), "text");
    CAnyValue moved = std::move(last);
    EXPECT_EQ(moved.AsText(), "text");
}

TEST(EngineStringStream, KeepsItsText)
{
    stl::stringstream stream("12 34");
    int first = 0;
    stream >> first;
    EXPECT_EQ(first, 12);
    EXPECT_EQ(stream.Text(), "12 34");
}

TEST(XmlAttributeSet, FirstValueOfANameWins)
{
    XmlAttributeSet attributes;
    attributes.Add("position", CAnyValue("1"));
    attributes.Add("position", CAnyValue("2"));
    attributes.Add("filename", CAnyValue("a.txt"));
    EXPECT_EQ(attributes.Count(), 2u);
    EXPECT_EQ(attributes.Get("position").AsInt(), 1);
    EXPECT_TRUE(attributes.Has("filename"));
    EXPECT_FALSE(attributes.Has("completed"));
    EXPECT_TRUE(attributes.Get("completed").IsEmpty());
}
