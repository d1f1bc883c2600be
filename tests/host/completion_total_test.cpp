// The running total: ticks and clears as the check boxes apply them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "checklist/completion_total.h"
#include "checklist/objectives.h"
#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

// One checklist window's total as its tick handlers keep it.
class Total {
public:
    explicit Total(wchar_t separator) : separator_(separator) {}

    const std::wstring& Set(int box, bool ticked) {
        text_ = ApplyTick(text_, ObjectiveOfBox(box).weight, ticked, separator_);
        return text_;
    }
    const std::wstring& Tick(int box) { return Set(box, true); }
    const std::wstring& Clear(int box) { return Set(box, false); }
    const std::wstring& Text() const { return text_; }

private:
    wchar_t separator_;
    std::wstring text_ = L"0";
};

std::wstring WithSeparator(std::wstring text, wchar_t separator) {
    std::replace(text.begin(), text.end(), L'.', separator);
    return text;
}

int ErrorNumberOf(std::wstring_view total, double weight, bool ticked, wchar_t separator = L'.') {
    try {
        ApplyTick(total, weight, ticked, separator);
    } catch (const forms::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

// The exact sum in hundredths, written as the total should read.
std::wstring ExactText(long hundredths, wchar_t separator) {
    return forms::NumberToText(static_cast<double>(hundredths) / 100, separator);
}

class TotalBothSeparators : public ::testing::TestWithParam<wchar_t> {};

TEST_P(TotalBothSeparators, ClearingTheMainStoryLeavesNoResidue) {
    const wchar_t sep = GetParam();
    Total total(sep);
    const std::pair<int, bool> steps[] = {
        {1, true}, {6, true}, {7, true}, {8, true}, {9, true},
        {1, false}, {6, false}, {7, false}, {8, false}, {9, false},
    };
    const wchar_t* expected[] = {
        L"60", L"61.67", L"63.34", L"65.01", L"66.68",
        L"6.68", L"5.01", L"3.34", L"1.67", L"0",
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(total.Set(steps[i].first, steps[i].second), WithSeparator(expected[i], sep)) << "step " << i;
    }
}

TEST_P(TotalBothSeparators, TickingEverythingGives100Point02InAnyOrder) {
    const wchar_t sep = GetParam();
    const std::wstring full = WithSeparator(L"100.02", sep);

    std::vector<int> boxes(ReadingOrder().begin(), ReadingOrder().end());
    {
        Total total(sep);
        for (int box : boxes) total.Tick(box);
        EXPECT_EQ(total.Text(), full);
    }
    {
        Total total(sep);
        for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) total.Tick(*it);
        EXPECT_EQ(total.Text(), full);
    }
    std::mt19937 random(20240);
    for (int round = 0; round < 50; ++round) {
        std::shuffle(boxes.begin(), boxes.end(), random);
        Total total(sep);
        // Clear some on the way, then tick them again.
        for (int box : boxes) {
            total.Tick(box);
            if (box % 3 == round % 3) total.Clear(box);
        }
        for (int box : boxes) {
            if (box % 3 == round % 3) total.Tick(box);
        }
        EXPECT_EQ(total.Text(), full) << "round " << round;
    }
}

TEST_P(TotalBothSeparators, SmallWeightsComeBackToZero) {
    const wchar_t sep = GetParam();
    Total total(sep);
    EXPECT_EQ(total.Tick(9), WithSeparator(L"1.67", sep));
    EXPECT_EQ(total.Clear(9), L"0");
    // Clearing an unticked box can take the total below zero; it still
    // reads back exactly.
    EXPECT_EQ(total.Clear(13), WithSeparator(L"-1.25", sep));
    EXPECT_EQ(total.Tick(13), L"0");
}

TEST_P(TotalBothSeparators, TheWeightFollowsTheBox) {
    const wchar_t sep = GetParam();
    EXPECT_EQ(Total(sep).Tick(5), L"2");
    EXPECT_EQ(Total(sep).Tick(9), WithSeparator(L"1.67", sep));
    EXPECT_EQ(Total(sep).Tick(17), L"5");
}

TEST_P(TotalBothSeparators, RandomTicksAlwaysGiveTheExactSum) {
    const wchar_t sep = GetParam();
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> anyBox(1, kObjectiveCount);
    std::array<bool, kObjectiveCount + 1> ticked{};
    long exact = 0;
    Total total(sep);
    for (int step = 0; step < 10000; ++step) {
        const int box = anyBox(random);
        ticked[box] = !ticked[box];
        const long weight = std::lround(ObjectiveOfBox(box).weight * 100);
        exact += ticked[box] ? weight : -weight;
        ASSERT_EQ(total.Set(box, ticked[box]), ExactText(exact, sep)) << "step " << step << ", box " << box;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, TotalBothSeparators, ::testing::Values(L'.', L','),
                         [](const auto& info) { return info.param == L'.' ? "FullStop" : "Comma"; });

TEST(CompletionTotal, FollowsTheSeparatorItIsGiven) {
    Total comma(L',');
    comma.Tick(1);
    EXPECT_EQ(comma.Tick(9), L"61,67");
    Total fullStop(L'.');
    fullStop.Tick(1);
    EXPECT_EQ(fullStop.Tick(9), L"61.67");
}

TEST(CompletionTotal, ATotalThatIsNotANumberRaisesTypeMismatch) {
    EXPECT_EQ(ErrorNumberOf(L"", 2, true), forms::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf(L"abc", 2, true), forms::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf(L"61,67", 2, true, L'.'), forms::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf(L"61.67", 2, false, L','), forms::kTypeMismatch);
}

TEST(CompletionTotal, FloatingPointFaultsRaiseAndWriteNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ErrorNumberOf(L"1E+308", 1e308, true), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"-1E+308", 1e308, false), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"0", inf, true), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"0", nan, true), forms::kInvalidProcedureCall);
    EXPECT_EQ(ErrorNumberOf(L"1E+400", 1, true), forms::kOverflow);
}

TEST(CompletionTotal, LargeTotalsAreNotScaledIntoOverflow) {
    EXPECT_EQ(ApplyTick(L"1E+307", 60, true, L'.'), L"1E+307");
    EXPECT_EQ(ApplyTick(L"1E+15", 60, false, L'.'), L"999999999999940");
}

}  // namespace
