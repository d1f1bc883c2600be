#pragma once
// Which writes the grid's timer makes for a scroll-bar value: page 2 at 11 or
// more, then page 1 at 11 or less, so 11 ends on page 1. The timer reads the
// scroll bar afresh before each of the two tests.

constexpr bool WritesPageTwo(int value) { return value >= 11; }
constexpr bool WritesPageOne(int value) { return value <= 11; }
