// The running total as the check boxes move it, under both decimal separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "checklist/completion_total.h"
#include "support/player_texts.h"

namespace {

class Total : public ::testing::TestWithParam<wchar_t> {
protected:
    std::wstring Move(double weight, bool ticked) {
        return text = ApplyTick(text, std::wstring(1, GetParam()), weight, ticked, std::wstring(1, GetParam()));
    }
    std::wstring Local(std::wstring dotted) {  // written with '.', as the separator gives it
        std::replace(dotted.begin(), dotted.end(), L'.', GetParam());
        return dotted;
    }
    std::wstring text = L"0";
};

// Clearing the 60 after small weights is where a running double drifts
// (6.68000000000001, then 9.99200722162641E-15 for nothing ticked).
TEST_P(Total, TicksAndClearsGiveTheExactSum) {
    const struct { double weight; bool ticked; const wchar_t* total; } steps[] = {
        {60, true, L"60"},      {1.67, true, L"61.67"}, {1.67, true, L"63.34"}, {1.67, true, L"65.01"},
        {1.67, true, L"66.68"}, {60, false, L"6.68"},   {1.67, false, L"5.01"}, {1.67, false, L"3.34"},
        {1.67, false, L"1.67"}, {1.67, false, L"0"}};
    for (const auto& step : steps) EXPECT_EQ(Move(step.weight, step.ticked), Local(step.total));
    for (const expected::Row& row : expected::kRows) Move(row.hundredths / 100.0, true);
    EXPECT_EQ(text, Local(L"100.02")) << "every box ticked";
}

INSTANTIATE_TEST_SUITE_P(Separators, Total, ::testing::Values(L'.', L','),
                         [](const auto& info) { return info.param == L'.' ? "FullStop" : "Comma"; });

}  // namespace
