#include "SparseList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SparseListTest, UnwrittenSlotsTakeNoMemoryAndReadEmpty)
{
    TStringSparseList list;
    EXPECT_EQ(list.SectionCount(), 0);
    EXPECT_EQ(list.Get(100000), QString());
    EXPECT_EQ(list.GetObject(7), nullptr);
    list.Put(100000, QString());
    EXPECT_EQ(list.SectionCount(), 0);
    list.Put(100000, QStringLiteral("x"));
    EXPECT_EQ(list.SectionCount(), 1);
    EXPECT_EQ(list.Count(), 100001);
    EXPECT_EQ(list.Get(100000), QStringLiteral("x"));
}

TEST(SparseListTest, SectionsHoldSixteenOrTwoHundredFiftySixSlots)
{
    TStringSparseList small(TSPAQuantum::SPASmall);
    for (int i = 0; i < 16; ++i)
        small.Put(i, QStringLiteral("a"));
    EXPECT_EQ(small.SectionCount(), 1);
    small.Put(16, QStringLiteral("b"));
    EXPECT_EQ(small.SectionCount(), 2);

    TStringSparseList large(TSPAQuantum::SPALarge);
    large.Put(0, QStringLiteral("a"));
    large.Put(255, QStringLiteral("a"));
    EXPECT_EQ(large.SectionCount(), 1);
    large.Put(256, QStringLiteral("b"));
    EXPECT_EQ(large.SectionCount(), 2);
}

TEST(SparseListTest, NegativeIndexIsAListError)
{
    TStringSparseList list;
    try {
        list.Get(-3);
        FAIL() << "no error";
    } catch (const EListError &e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-3)");
    }
    EXPECT_THROW(list.Put(-1, QStringLiteral("x")), EListError);
}

TEST(SparseListTest, DeleteInsertAndMoveShiftTheItems)
{
    TStringSparseList list;
    for (int i = 0; i < 40; ++i)
        list.Put(i, QString::number(i));
    list.Delete(3);
    EXPECT_EQ(list.Get(3), QStringLiteral("4"));
    EXPECT_EQ(list.Get(38), QStringLiteral("39"));
    EXPECT_EQ(list.Get(39), QString());
    EXPECT_EQ(list.Count(), 39);
    list.Insert(0, QStringLiteral("new"));
    EXPECT_EQ(list.Get(0), QStringLiteral("new"));
    EXPECT_EQ(list.Get(1), QStringLiteral("0"));
    EXPECT_EQ(list.Get(39), QStringLiteral("39"));
    list.Move(0, 5);
    EXPECT_EQ(list.Get(0), QStringLiteral("0"));
    EXPECT_EQ(list.Get(4), QStringLiteral("5"));
    EXPECT_EQ(list.Get(5), QStringLiteral("new"));
    EXPECT_EQ(list.Get(6), QStringLiteral("6"));
}

TEST(SparseListTest, MemoryGrowsWithWrittenItemsNotWithTheHighestIndex)
{
    TStringSparseList list;
    list.Put(0, QStringLiteral("a"));
    const std::size_t one = list.MemoryBytes();
    TStringSparseList far;
    far.Put(50000000, QStringLiteral("a"));
    EXPECT_EQ(far.MemoryBytes(), one);
}

} // namespace
