// The running total as the check boxes move it, under both decimal separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "checklist/completion_total.h"
#include "checklist/objectives.h"
#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

int ErrorNumberOf(std::wstring_view total, double weight, bool ticked, wchar_t separator = L'.') {
    try {
        ApplyTick(total, weight, ticked, separator);
    } catch (const forms::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

// One window's total, kept as its tick handlers keep it.
class Total : public ::testing::TestWithParam<wchar_t> {
protected:
    const std::wstring& Set(int box, bool ticked) {
        text_ = ApplyTick(text_, ObjectiveOfBox(box).weight, ticked, GetParam());
        return text_;
    }
    std::wstring Dotted(std::wstring text) const {
        std::replace(text.begin(), text.end(), L'.', GetParam());
        return text;
    }
    std::wstring text_ = L"0";
};

TEST_P(Total, TicksAndClearsLeaveNoResidue) {
    const struct {
        int box;
        bool ticked;
        std::wstring_view total;
    } steps[] = {
        {1, true, L"60"}, {6, true, L"61.67"}, {7, true, L"63.34"}, {8, true, L"65.01"}, {9, true, L"66.68"},
        {1, false, L"6.68"}, {6, false, L"5.01"}, {7, false, L"3.34"}, {8, false, L"1.67"}, {9, false, L"0"},
    };
    for (const auto& s : steps) EXPECT_EQ(Set(s.box, s.ticked), Dotted(std::wstring(s.total))) << s.box;
}

TEST_P(Total, AllTwentyOneGive100Point02InAnyOrder) {
    std::vector<int> boxes;
    for (const Objective& o : kObjectives) boxes.push_back(o.box);
    std::mt19937 random(20240);
    for (int round = 0; round < 20; ++round) {
        text_ = L"0";
        for (int box : boxes) Set(box, true);
        EXPECT_EQ(text_, Dotted(L"100.02")) << "round " << round;
        std::shuffle(boxes.begin(), boxes.end(), random);
    }
}

TEST_P(Total, RandomTicksGiveTheExactSumInHundredths) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> anyBox(1, kObjectiveCount);
    std::array<bool, kObjectiveCount + 1> ticked{};
    long exact = 0;
    for (int step = 0; step < 10000; ++step) {
        const int box = anyBox(random);
        ticked[box] = !ticked[box];
        const long weight = std::lround(ObjectiveOfBox(box).weight * 100);
        exact += ticked[box] ? weight : -weight;
        ASSERT_EQ(Set(box, ticked[box]), forms::NumberToText(exact / 100.0, GetParam())) << "step " << step;
    }
}

TEST_P(Total, ATotalThatIsNotANumberRaisesTypeMismatch) {
    for (std::wstring_view total : {L"", L"abc", GetParam() == L'.' ? L"61,67" : L"61.67"}) {
        EXPECT_EQ(ErrorNumberOf(total, 2, true, GetParam()), forms::kTypeMismatch) << std::wstring(total);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, Total, ::testing::Values(L'.', L','),
                         [](const auto& info) { return info.param == L'.' ? "FullStop" : "Comma"; });

TEST(CompletionTotal, FloatingPointFaultsRaiseAndLargeTotalsStayPut) {
    EXPECT_EQ(ErrorNumberOf(L"1E+308", 1e308, true), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"-1E+308", 1e308, false), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"0", NAN, true), forms::kInvalidProcedureCall);
    // Not scaled by 100 into an overflow.
    EXPECT_EQ(ApplyTick(L"1E+307", 60, true, L'.'), L"1E+307");
}

}  // namespace
