#include "audio/autolist.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Tracked : kolm::CAutoList<Tracked> {
    explicit Tracked(int id)
        : id(id)
    {
    }
    int id;
};

std::vector<int> LiveIds()
{
    std::vector<int> ids;
    for (Tracked* instance : Tracked::Instances())
        ids.push_back(instance->id);
    return ids;
}

TEST(AutoList, KeepsLiveInstancesInCreationOrder)
{
    ASSERT_EQ(Tracked::InstanceCount(), 0u);
    ASSERT_EQ(Tracked::Oldest(), nullptr);
    auto first = std::make_unique<Tracked>(1);
    auto second = std::make_unique<Tracked>(2);
    auto third = std::make_unique<Tracked>(3);
    EXPECT_EQ(LiveIds(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Tracked::Oldest(), first.get());

    second.reset();
    EXPECT_EQ(LiveIds(), (std::vector<int>{1, 3}));
    first.reset();
    EXPECT_EQ(Tracked::Oldest(), third.get());
    auto fourth = std::make_unique<Tracked>(4);
    EXPECT_EQ(LiveIds(), (std::vector<int>{3, 4}));
}

TEST(AutoList, StartsAfreshOnceTheLastInstanceIsGone)
{
    {
        Tracked a(10);
        // Destroyed through the base: the destructor is virtual.
        std::unique_ptr<kolm::CAutoList<Tracked>> b(new Tracked(11));
        EXPECT_EQ(Tracked::InstanceCount(), 2u);
    }
    EXPECT_EQ(Tracked::InstanceCount(), 0u);
    EXPECT_TRUE(Tracked::Instances().empty());
    Tracked again(12);
    EXPECT_EQ(LiveIds(), std::vector<int>{12});
}

TEST(AutoList, FindFirstReturnsTheOldestMatch)
{
    Tracked a(5), b(7), c(7);
    EXPECT_EQ(Tracked::FindFirst([](const Tracked& t) { return t.id == 7; }), &b);
    EXPECT_EQ(Tracked::FindFirst([](const Tracked& t) { return t.id == 8; }), nullptr);
}

} // namespace
