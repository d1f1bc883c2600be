// The page rule of the grid's timer: 11 runs both writes and ends on page 1.
#include <gtest/gtest.h>

#include "checklist/paging.h"

TEST(Paging, ScrollValueSelectsTheWrites) {
    const struct { int value; bool pageTwo, pageOne; } cases[] = {
        {-1, false, true}, {10, false, true}, {11, true, true}, {12, true, false}, {21, true, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(WritesPageTwo(c.value), c.pageTwo) << c.value;
        EXPECT_EQ(WritesPageOne(c.value), c.pageOne) << c.value;
    }
}
