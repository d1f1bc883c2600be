// The page rule of the grid's timer: 11 runs both writes and ends on page 1.
#include <gtest/gtest.h>

#include "checklist/paging.h"

namespace {

TEST(Paging, ScrollValueSelectsThePage) {
    const struct {
        int value;
        bool pageTwo, pageOne;
        int shown;
    } cases[] = {
        {-1, false, true, 1}, {0, false, true, 1}, {10, false, true, 1},
        {11, true, true, 1},  {12, true, false, 2}, {21, true, false, 2},
    };
    for (const auto& c : cases) {
        const PageWrites writes = PageWritesFor(c.value, c.value);
        EXPECT_EQ(writes.pageTwo, c.pageTwo) << c.value;
        EXPECT_EQ(writes.pageOne, c.pageOne) << c.value;
        EXPECT_EQ(PageShownFor(c.value), c.shown) << c.value;
    }
    // The value may move between the two reads; each test uses its own.
    EXPECT_TRUE(PageWritesFor(12, 10).pageTwo && PageWritesFor(12, 10).pageOne);
    EXPECT_FALSE(PageWritesFor(10, 12).pageTwo || PageWritesFor(10, 12).pageOne);
}

}  // namespace
