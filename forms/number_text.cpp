#include "forms/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "forms/runtime_error.h"

namespace forms {
namespace {

constexpr int kSignificantDigits = 15;
// Plain notation covers magnitudes from 1E-5 up to (not including) 1E15.
constexpr int kLowestPlainExponent = -5;
constexpr int kHighestPlainExponent = 14;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// The value rounded to 15 significant digits: its digits without trailing
// zeros and the power of ten of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal RoundToSignificant(double magnitude) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc{}) Raise(kOverflow);  // cannot happen: the buffer fits any double
    // buffer holds "d.dddddddddddddde[+-]xx".
    std::string_view text(buffer, static_cast<size_t>(end - buffer));
    size_t e = text.find('e');
    Decimal result;
    for (char c : text.substr(0, e)) {
        if (c != '.') result.digits.push_back(c);
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), result.exponent);
    return result;
}

void AppendWide(std::wstring& out, std::string_view ascii) {
    for (char c : ascii) out.push_back(static_cast<wchar_t>(c));
}

void AppendPlain(std::wstring& out, const Decimal& d, std::wstring_view separator) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        out += L'0';
        out += separator;
        out.append(static_cast<size_t>(-d.exponent - 1), L'0');
        AppendWide(out, d.digits);
        return;
    }
    const int wholeDigits = d.exponent + 1;
    if (count <= wholeDigits) {
        AppendWide(out, d.digits);
        out.append(static_cast<size_t>(wholeDigits - count), L'0');
        return;
    }
    AppendWide(out, std::string_view(d.digits).substr(0, static_cast<size_t>(wholeDigits)));
    out += separator;
    AppendWide(out, std::string_view(d.digits).substr(static_cast<size_t>(wholeDigits)));
}

void AppendExponentForm(std::wstring& out, const Decimal& d, std::wstring_view separator) {
    out += static_cast<wchar_t>(d.digits[0]);
    if (d.digits.size() > 1) {
        out += separator;
        AppendWide(out, std::string_view(d.digits).substr(1));
    }
    out += L'E';
    out += d.exponent < 0 ? L'-' : L'+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) out += L'0';
    out += std::to_wstring(magnitude);
}

}  // namespace

std::wstring NumberToText(double value, std::wstring_view decimalSeparator) {
    if (std::isnan(value)) Raise(kInvalidProcedureCall);
    if (std::isinf(value)) Raise(kOverflow);
    // Also catches -0, which is written as plain 0.
    if (value == 0) return L"0";

    const Decimal d = RoundToSignificant(std::fabs(value));
    std::wstring out;
    if (value < 0) out += L'-';
    if (d.exponent < kLowestPlainExponent || d.exponent > kHighestPlainExponent) {
        AppendExponentForm(out, d, decimalSeparator);
    } else {
        AppendPlain(out, d, decimalSeparator);
    }
    return out;
}

double TextToNumber(std::wstring_view text, std::wstring_view decimalSeparator) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }

    size_t i = 0;
    auto takeDigits = [&] {
        std::string digits;
        for (; i < text.size() && IsDigit(text[i]); ++i) digits.push_back(static_cast<char>(text[i]));
        return digits;
    };
    const std::string whole = takeDigits();
    std::string fraction;
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        fraction = takeDigits();
    }
    if (whole.empty() && fraction.empty()) Raise(kTypeMismatch);

    bool negativeExponent = false;
    std::string exponentDigits;
    if (i < text.size() && (text[i] == L'E' || text[i] == L'e')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
            negativeExponent = text[i] == L'-';
            ++i;
        }
        exponentDigits = takeDigits();
        if (exponentDigits.empty()) Raise(kTypeMismatch);
    }
    if (i != text.size()) Raise(kTypeMismatch);

    // Rebuilt in the form from_chars reads, whatever the separator was.
    std::string ascii = whole;
    if (!fraction.empty()) ascii += '.' + fraction;
    if (!exponentDigits.empty()) ascii += (negativeExponent ? "e-" : "e") + exponentDigits;

    double value = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                     std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too large overflows, too small is zero.
        // The power of ten of the first significant digit tells which.
        const std::string digits = whole + fraction;
        const size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) return 0.0;
        long long exponent = 0;
        for (char c : exponentDigits) {
            if (exponent < 1000000) exponent = exponent * 10 + (c - '0');
        }
        if (negativeExponent) exponent = -exponent;
        const long long magnitude = static_cast<long long>(whole.size()) - 1 - static_cast<long long>(first) + exponent;
        if (magnitude < 0) return negative ? -0.0 : 0.0;
        Raise(kOverflow);
    }
    if (ec != std::errc{} || end != ascii.data() + ascii.size()) Raise(kTypeMismatch);
    if (std::isinf(value)) Raise(kOverflow);
    return negative ? -value : value;
}

}  // namespace forms
