#include "TickCount.h"
#include "FakeClock.h"

#include <gtest/gtest.h>

using namespace rundaro;

TEST(TickCount, ReplaceableAndRestored)
{
    {
        FakeClock clock(4294967000u);
        EXPECT_EQ(GetTickCount(), 4294967000u);
        clock.advance(500); // wraps past 2^32
        EXPECT_EQ(GetTickCount(), 204u);
        EXPECT_EQ(TickDiff(GetTickCount(), 4294967000u), 500);
    }
    const std::uint32_t a = GetTickCount();
    const std::uint32_t b = GetTickCount();
    EXPECT_GE(TickDiff(b, a), 0); // the monotonic clock is back
}

TEST(TickCount, DifferencesAreSignedAndWrap)
{
    EXPECT_EQ(TickDiff(10u, 4294967290u), 16);
    EXPECT_EQ(TickDiff(4294967290u, 10u), -16);
    EXPECT_EQ(TickDiff(0x80000000u, 0u), INT32_MIN);
}
