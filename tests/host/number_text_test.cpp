// Number text as the completion total uses it, under both decimal separators.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

using forms::NumberToText;
using forms::TextToNumber;

// The text written with '.', rewritten for the given separator.
std::wstring WithSeparator(std::wstring text, wchar_t separator) {
    for (wchar_t& c : text) {
        if (c == L'.') c = separator;
    }
    return text;
}

int ErrorNumberOf(std::wstring_view text, wchar_t separator) {
    try {
        TextToNumber(text, separator);
    } catch (const forms::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

class NumberTextBothSeparators : public ::testing::TestWithParam<wchar_t> {};

TEST_P(NumberTextBothSeparators, WritesFifteenDigitsWithoutTrailingZeros) {
    const wchar_t sep = GetParam();
    struct Case {
        double value;
        std::wstring text;  // with '.'
    };
    const Case cases[] = {
        {0, L"0"},
        {60, L"60"},
        {61.67, L"61.67"},
        {100.02, L"100.02"},
        {1.67, L"1.67"},
        {6.68, L"6.68"},
        {0.5, L"0.5"},
        {0.00001, L"0.00001"},
        {0.000123, L"0.000123"},
        {123456789012345.0, L"123456789012345"},
        {1.0 / 3.0, L"0.333333333333333"},
        {2.0 / 3.0, L"0.666666666666667"},
        {100.0 / 3.0, L"33.3333333333333"},
        // The last-bit error of a double sum is hidden by the 15 digits...
        {60.0 + 1.67, L"61.67"},
        // ...except where a subtraction leaves a small result.
        {66.68 - 60.0, L"6.68000000000001"},
        {-2.5, L"-2.5"},
        {-1.67, L"-1.67"},
        {-60, L"-60"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberToText(c.value, sep), WithSeparator(c.text, sep)) << c.value;
    }
}

TEST_P(NumberTextBothSeparators, UsesExponentFormOutsideThePlainRange) {
    const wchar_t sep = GetParam();
    const double residue = 60.0 + 1.67 + 1.67 + 1.67 + 1.67 - 60.0 - 1.67 - 1.67 - 1.67 - 1.67;
    ASSERT_NE(residue, 0);
    EXPECT_EQ(NumberToText(9.99200722162641e-15, sep), WithSeparator(L"9.99200722162641E-15", sep));
    EXPECT_EQ(NumberToText(-9.99200722162641e-15, sep), WithSeparator(L"-9.99200722162641E-15", sep));
    EXPECT_EQ(NumberToText(1e15, sep), L"1E+15");
    EXPECT_EQ(NumberToText(-1e15, sep), L"-1E+15");
    EXPECT_EQ(NumberToText(2.5e20, sep), WithSeparator(L"2.5E+20", sep));
    EXPECT_EQ(NumberToText(1e100, sep), L"1E+100");
    EXPECT_EQ(NumberToText(9.9e-6, sep), WithSeparator(L"9.9E-06", sep));
    EXPECT_EQ(NumberToText(1e-300, sep), L"1E-300");
    // Rounding to 15 digits carries into the next power of ten.
    EXPECT_EQ(NumberToText(999999999999999.9, sep), L"1E+15");
    EXPECT_EQ(NumberToText(9.999999999999999e-6, sep), WithSeparator(L"0.00001", sep));
    // Whatever residue the arithmetic leaves, it reads back as itself.
    EXPECT_EQ(TextToNumber(NumberToText(residue, sep), sep), std::stod(NumberToText(residue, L'.')));
}

TEST_P(NumberTextBothSeparators, NeverWritesMinusZero) {
    const wchar_t sep = GetParam();
    EXPECT_EQ(NumberToText(-0.0, sep), L"0");
    EXPECT_EQ(NumberToText(0.0, sep), L"0");
    EXPECT_EQ(NumberToText(TextToNumber(L"-0", sep), sep), L"0");
}

TEST_P(NumberTextBothSeparators, ReadsWhatItWrites) {
    const wchar_t sep = GetParam();
    const double values[] = {0, 60, 61.67, 100.02, 1.67, 6.68, -2.5, 1e15, -1e15, 2.5e20,
                             9.99200722162641e-15, -1.5e-14, 0.00001, 123456789012345.0, 1e-300};
    for (double value : values) {
        EXPECT_EQ(TextToNumber(NumberToText(value, sep), sep), value) << value;
    }
}

TEST_P(NumberTextBothSeparators, RoundTripsEverySumThatTickingCanProduce) {
    const wchar_t sep = GetParam();
    // Every sum of the weights 60, 5, 2.5 (x4), 2 (x5), 1.67 (x6), 1.25 (x4),
    // in hundredths, and its negative: the text must read back as the nearest
    // double to that many hundredths and be written the same way again.
    int checked = 0;
    for (int a = 0; a <= 1; ++a)
        for (int b = 0; b <= 1; ++b)
            for (int c = 0; c <= 4; ++c)
                for (int d = 0; d <= 5; ++d)
                    for (int e = 0; e <= 6; ++e)
                        for (int f = 0; f <= 4; ++f) {
                            const long hundredths = 6000L * a + 500L * b + 250L * c + 200L * d + 167L * e + 125L * f;
                            for (long h : {hundredths, -hundredths}) {
                                const double value = static_cast<double>(h) / 100;
                                const std::wstring text = NumberToText(value, sep);
                                ASSERT_EQ(TextToNumber(text, sep), value) << h;
                                std::wstring expected = std::to_wstring(std::labs(h) / 100);
                                if (std::labs(h) % 100 != 0) {
                                    const long cents = std::labs(h) % 100;
                                    expected += sep;
                                    expected += static_cast<wchar_t>(L'0' + cents / 10);
                                    if (cents % 10 != 0) expected += static_cast<wchar_t>(L'0' + cents % 10);
                                }
                                if (h < 0) expected = L"-" + expected;
                                ASSERT_EQ(text, expected) << h;
                                ++checked;
                            }
                        }
    EXPECT_EQ(checked, 2 * 2 * 2 * 5 * 6 * 7 * 5);
}

TEST_P(NumberTextBothSeparators, ReadsBlanksSignsAndExponents) {
    const wchar_t sep = GetParam();
    EXPECT_EQ(TextToNumber(WithSeparator(L"  61.67 ", sep), sep), 61.67);
    EXPECT_EQ(TextToNumber(L"+60", sep), 60);
    EXPECT_EQ(TextToNumber(L"-60", sep), -60);
    EXPECT_EQ(TextToNumber(L"1E+15", sep), 1e15);
    EXPECT_EQ(TextToNumber(L"1e15", sep), 1e15);
    EXPECT_EQ(TextToNumber(WithSeparator(L"2.5E-3", sep), sep), 0.0025);
    EXPECT_EQ(TextToNumber(WithSeparator(L".5", sep), sep), 0.5);
    EXPECT_EQ(TextToNumber(WithSeparator(L"5.", sep), sep), 5);
    EXPECT_EQ(TextToNumber(L"007", sep), 7);
    EXPECT_EQ(TextToNumber(L"1E-400", sep), 0);
}

TEST_P(NumberTextBothSeparators, RejectsWhatIsNotANumber) {
    const wchar_t sep = GetParam();
    const wchar_t other = sep == L'.' ? L',' : L'.';
    const std::wstring notNumbers[] = {
        L"",
        L"   ",
        L"abc",
        L"nan",
        L"NaN",
        L"inf",
        L"-inf",
        L"Infinity",
        L"0x10",
        L"1" + std::wstring(1, sep) + L"2" + std::wstring(1, sep) + L"3",
        L"1" + std::wstring(1, other) + L"5",
        std::wstring(1, sep),
        L"-",
        L"+",
        L"--1",
        L"+-1",
        L"1E",
        L"1E+",
        L"E5",
        L"1 2",
        L"12%",
        L"%12",
        L"1,2,3",
        L"1.2.3",
    };
    for (const std::wstring& text : notNumbers) {
        EXPECT_EQ(ErrorNumberOf(text, sep), forms::kTypeMismatch) << "\"" << std::string(text.begin(), text.end()) << "\"";
    }
}

TEST_P(NumberTextBothSeparators, TooLargeATextOverflows) {
    EXPECT_EQ(ErrorNumberOf(L"1E+400", GetParam()), forms::kOverflow);
    EXPECT_EQ(ErrorNumberOf(L"-1E+400", GetParam()), forms::kOverflow);
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextBothSeparators, ::testing::Values(L'.', L','),
                         [](const auto& info) { return info.param == L'.' ? "FullStop" : "Comma"; });

TEST(NumberText, OnlyTheGivenSeparatorCounts) {
    EXPECT_EQ(TextToNumber(L"61.67", L'.'), 61.67);
    EXPECT_EQ(TextToNumber(L"61,67", L','), 61.67);
    EXPECT_EQ(ErrorNumberOf(L"61,67", L'.'), forms::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf(L"61.67", L','), forms::kTypeMismatch);
    EXPECT_EQ(NumberToText(61.67, L','), L"61,67");
}

TEST(NumberText, NonFiniteValuesHaveNoText) {
    EXPECT_THROW(NumberToText(INFINITY, L'.'), forms::RuntimeError);
    EXPECT_THROW(NumberToText(-INFINITY, L'.'), forms::RuntimeError);
    EXPECT_THROW(NumberToText(NAN, L'.'), forms::RuntimeError);
}

}  // namespace
