#pragma once
// Number <-> text conversion as the program's totals use it: the decimal
// separator comes from the user's locale (passed in here, so this code stays
// portable), 15 significant digits, no trailing zeros.
#include <string>
#include <string_view>

namespace forms {

// Rounded to the nearest at 15 significant digits, trailing zeros dropped, no
// separator in whole numbers, exponent form ("9.99200722162641E-15") for
// magnitudes below 1E-5 or from 1E15 up. Never "-0".
std::wstring NumberToText(double value, std::wstring_view decimalSeparator);

// Reads a text written in the same form (blanks around it allowed, optional
// sign, optional exponent). Anything else raises RuntimeError kTypeMismatch.
double TextToNumber(std::wstring_view text, std::wstring_view decimalSeparator);

}  // namespace forms
