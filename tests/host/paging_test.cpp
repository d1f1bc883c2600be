// The page rule of the grid's timer: 11 runs both writes and ends on page 1.
#include <gtest/gtest.h>

#include "checklist/paging.h"

namespace {

TEST(Paging, ScrollValueSelectsThePage) {
    struct Case {
        int value;
        bool pageTwoWrites;
        bool pageOneWrites;
        int shown;
    };
    const Case cases[] = {
        {-1, false, true, 1},
        {0, false, true, 1},
        {10, false, true, 1},
        {11, true, true, 1},
        {12, true, false, 2},
        {21, true, false, 2},
        {50, true, false, 2},
    };
    for (const Case& c : cases) {
        const PageWrites writes = PageWritesFor(c.value, c.value);
        EXPECT_EQ(writes.pageTwo, c.pageTwoWrites) << c.value;
        EXPECT_EQ(writes.pageOne, c.pageOneWrites) << c.value;
        EXPECT_EQ(PageShownFor(c.value), c.shown) << c.value;
    }
}

TEST(Paging, EachReadDecidesItsOwnWrites) {
    // The value may move between the two reads; each test uses its own read.
    EXPECT_EQ(PageWritesFor(12, 10).pageTwo, true);
    EXPECT_EQ(PageWritesFor(12, 10).pageOne, true);
    EXPECT_EQ(PageWritesFor(10, 12).pageTwo, false);
    EXPECT_EQ(PageWritesFor(10, 12).pageOne, false);
}

}  // namespace
