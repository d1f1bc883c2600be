#pragma once
// Which page of the grid a scroll-bar value selects, as the timer applies it:
// page 2 at 11 or more, then page 1 at 11 or less, so 11 ends on page 1.

struct PageWrites {
    bool pageTwo;  // the page-2 writes run
    bool pageOne;  // then the page-1 writes run
};

constexpr PageWrites PageWritesFor(int firstRead, int secondRead) {
    return {firstRead >= 11, secondRead <= 11};
}

constexpr int PageShownFor(int value) {
    return value >= 12 ? 2 : 1;
}
