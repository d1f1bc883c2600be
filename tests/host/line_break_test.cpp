// A label's lines, broken at blanks by measured width (here one unit a character).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/line_break.h"

namespace {

std::vector<std::wstring> Lines(std::wstring_view text, int width) {
    const auto lines = forms::BreakLines(text, width, [](std::wstring_view line) { return static_cast<int>(line.size()); });
    return {lines.begin(), lines.end()};
}

TEST(LineBreak, FillsEachLineWithWholeWordsThatFit) {
    using Lines_ = std::vector<std::wstring>;
    EXPECT_EQ(Lines(L"Note: The calculator usually calculates extra 0,02%.", 28),
              (Lines_{L"Note: The calculator usually", L"calculates extra 0,02%."}));
    EXPECT_EQ(Lines(L"Note: The calculator usually calculates extra 0,02%.", 27),
              (Lines_{L"Note: The calculator", L"usually calculates extra", L"0,02%."}));
    EXPECT_EQ(Lines(L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)", 8),
              (Lines_{L"Bowlingde", L"bilgisayarı/arkadaşını", L"yen(TAM", L"OYUN)"}));
}

}  // namespace
