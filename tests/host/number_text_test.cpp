// Number text under decimal separators of one and of several characters:
// written, read back, rejected.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

using forms::NumberToText;
using forms::TextToNumber;

class NumberText : public ::testing::TestWithParam<const wchar_t*> {
protected:
    std::wstring Local(std::wstring_view dotted) {  // a text written with '.', as the separator gives it
        std::wstring text;
        for (wchar_t c : dotted) c == L'.' ? text += GetParam() : text += c;
        return text;
    }
    int ErrorReading(const std::wstring& text) {
        try {
            TextToNumber(text, GetParam());
        } catch (const forms::RuntimeError& e) {
            return e.number;
        }
        return 0;
    }
};

TEST_P(NumberText, WritesFifteenDigitsWithoutTrailingZerosAndReadsThemBack) {
    const struct { double value; std::wstring_view text; } cases[] = {
        {0, L"0"}, {-0.0, L"0"}, {60, L"60"}, {61.67, L"61.67"}, {100.02, L"100.02"}, {-2.5, L"-2.5"},
        {0.00001, L"0.00001"}, {123456789012345.0, L"123456789012345"}, {1.0 / 3, L"0.333333333333333"},
        {66.68 - 60, L"6.68000000000001"}, {9.99200722162641e-15, L"9.99200722162641E-15"}, {9.9e-6, L"9.9E-06"},
        {1e15, L"1E+15"}, {999999999999999.9, L"1E+15"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(c.value, GetParam()), Local(c.text)) << c.value;
        EXPECT_EQ(TextToNumber(Local(c.text), GetParam()), std::stod(std::wstring(c.text))) << c.value;
    }
    EXPECT_EQ(TextToNumber(Local(L" +2.5e-3 "), GetParam()), 0.0025) << "blanks, a sign and an exponent read too";
}

TEST_P(NumberText, RejectsWhatIsNotANumber) {
    for (const wchar_t* text : {L"", L"   ", L"abc", L"nan", L"inf", L"0x10", L"-", L"--1", L"1E", L"E5", L"1 2", L"12%",
                                L".", L"1.2.3"})
        EXPECT_EQ(ErrorReading(Local(text)), forms::kTypeMismatch) << text;
    EXPECT_EQ(ErrorReading(std::wstring_view(GetParam()) == L"." ? L"61,67" : L"61.67"), forms::kTypeMismatch);
    EXPECT_EQ(ErrorReading(L"-1E+400"), forms::kOverflow);
    for (double notFinite : {INFINITY, NAN}) EXPECT_THROW(NumberToText(notFinite, GetParam()), forms::RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberText, ::testing::Values(L".", L",", L"::"),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
