// Number text under both decimal separators: written, read back, rejected.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

using forms::NumberToText;
using forms::TextToNumber;

// The text written with '.', rewritten for the given separator.
std::wstring WithSeparator(std::wstring_view text, wchar_t separator) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c == L'.') c = separator;
    }
    return out;
}

int ErrorNumberOf(std::wstring_view text, wchar_t separator) {
    try {
        TextToNumber(text, separator);
    } catch (const forms::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

class NumberText : public ::testing::TestWithParam<wchar_t> {};

TEST_P(NumberText, WritesFifteenDigitsAndReadsThemBack) {
    const wchar_t sep = GetParam();
    const struct {
        double value;
        std::wstring_view text;  // with '.'
    } cases[] = {
        {0, L"0"}, {-0.0, L"0"} /* never "-0" */, {60, L"60"}, {61.67, L"61.67"}, {100.02, L"100.02"},
        {-2.5, L"-2.5"}, {0.00001, L"0.00001"}, {123456789012345.0, L"123456789012345"},
        {1.0 / 3, L"0.333333333333333"},
        {66.68 - 60, L"6.68000000000001"},  // the residue a total must not keep
        {9.99200722162641e-15, L"9.99200722162641E-15"}, {9.9e-6, L"9.9E-06"}, {1e15, L"1E+15"},
        {999999999999999.9, L"1E+15"},  // rounding carries into the next power of ten
    };
    for (const auto& c : cases) {
        const std::wstring text = WithSeparator(c.text, sep);
        EXPECT_EQ(NumberToText(c.value, sep), text) << c.value;
        // Reads as the standard library reads the '.' form.
        EXPECT_EQ(TextToNumber(text, sep), std::stod(std::wstring(c.text))) << c.value;
    }
}

TEST_P(NumberText, ReadsBlanksSignsAndExponents) {
    const wchar_t sep = GetParam();
    const struct {
        std::wstring_view text;  // with '.'
        double value;
    } cases[] = {
        {L"  61.67 ", 61.67}, {L"+60", 60}, {L".5", 0.5}, {L"5.", 5}, {L"2.5e-3", 0.0025}, {L"1E-400", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToNumber(WithSeparator(c.text, sep), sep), c.value);
}

TEST_P(NumberText, RejectsWhatIsNotANumber) {
    const wchar_t sep = GetParam();
    const wchar_t other = sep == L'.' ? L',' : L'.';
    const std::wstring notNumbers[] = {
        L"", L"   ", L"abc", L"nan", L"inf", L"0x10", L"-", L"--1", L"1E", L"E5", L"1 2", L"12%",
        std::wstring(1, sep), std::wstring(L"61") + other + L"67", WithSeparator(L"1.2.3", sep),
    };
    for (const std::wstring& text : notNumbers) {
        EXPECT_EQ(ErrorNumberOf(text, sep), forms::kTypeMismatch) << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(ErrorNumberOf(L"-1E+400", sep), forms::kOverflow);
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberText, ::testing::Values(L'.', L','),
                         [](const auto& info) { return info.param == L'.' ? "FullStop" : "Comma"; });

TEST(NumberText, NonFiniteValuesHaveNoText) {
    EXPECT_THROW(NumberToText(INFINITY, L'.'), forms::RuntimeError);
    EXPECT_THROW(NumberToText(NAN, L'.'), forms::RuntimeError);
}

}  // namespace
