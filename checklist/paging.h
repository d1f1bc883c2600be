#pragma once
// Which page of the grid a scroll-bar value selects, as the timer applies it:
// page 2 at 11 or more, then page 1 at 11 or less, so 11 ends on page 1.

constexpr bool WritesPageTwo(int value) { return value >= 11; }
constexpr bool WritesPageOne(int value) { return value <= 11; }

struct PageWrites {
    bool pageTwo;  // the page-2 writes run
    bool pageOne;  // then the page-1 writes run
};

// The scroll bar is read once before each of the two tests.
constexpr PageWrites PageWritesFor(int firstRead, int secondRead) {
    return {WritesPageTwo(firstRead), WritesPageOne(secondRead)};
}

constexpr int PageShownFor(int value) {
    return WritesPageOne(value) ? 1 : 2;
}
