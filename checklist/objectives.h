#pragma once
// The 21 objectives of the game's 100% checklist: where each stands in the
// two-page grid, what ticking it is worth and what each language calls it.
#include <array>
#include <span>
#include <string_view>

#include "checklist/language.h"

struct ObjectiveTexts {
    std::wstring_view category;
    std::wstring_view objective;
    std::wstring_view percentage;
};

struct Objective {
    int box;        // N of CheckN
    int page;       // 1 or 2
    int row;        // 1..14 on page 1, 1..7 on page 2
    double weight;  // percentage points
    ObjectiveTexts english;
    ObjectiveTexts turkish;

    const ObjectiveTexts& Texts(Language language) const {
        return language == Language::English ? english : turkish;
    }
};

inline constexpr int kObjectiveCount = 21;

// In reading order: page 1 rows 1 to 14, then page 2 rows 1 to 7.
std::span<const Objective, kObjectiveCount> ObjectivesInReadingOrder();

// The objective ticked by CheckN (1..21).
const Objective& ObjectiveOfBox(int box);

// The objective shown in a row of a page, or nullptr where the row is empty.
const Objective* ObjectiveAt(int page, int row);

// Box numbers in reading order: 1, 2, 5, 4, 3, 10, 9, 8, 7, 6, 11..21.
std::span<const int, kObjectiveCount> ReadingOrder();

// The Turkish grid cell of page 1 row 7 is designed with a lower-case "y";
// the first page-1 refresh writes the table's text over it.
inline constexpr std::wstring_view kTurkishRow7DesignCaption = L"Brucie - Özel yetenek";
