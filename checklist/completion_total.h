#pragma once
// The running completion total, held as text: one tick reads it, moves it by
// one weight and gives the new text.
#include <string>
#include <string_view>

// Reads the total with the decimal separator it was written with, adds
// (ticked) or subtracts (cleared) the weight, and writes the result with the
// user's separator now. The result is rounded to hundredths, so the text is
// always the exact decimal sum of the ticked weights (every weight is a whole
// number of hundredths) and never "-0". A text that is not a number raises
// kTypeMismatch; an invalid operation, division by zero or overflow raises the
// matching run-time error and no text is produced.
std::wstring ApplyTick(std::wstring_view total, std::wstring_view writtenWith, double weight, bool ticked,
                       std::wstring_view decimalSeparator);
