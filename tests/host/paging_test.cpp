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
        EXPECT_EQ(WritesPageTwo(c.value), c.pageTwo) << c.value;
        EXPECT_EQ(WritesPageOne(c.value), c.pageOne) << c.value;
        EXPECT_EQ(WritesPageOne(c.value) ? 1 : 2, c.shown) << c.value;
    }
}

}  // namespace
