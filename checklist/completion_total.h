#pragma once
// The running completion total, held as text: one tick reads it, moves it by
// one weight and gives the new text.
#include <string>
#include <string_view>

// Adds (ticked) or subtracts (cleared) the weight. The result is rounded to
// hundredths, so the text is always the exact decimal sum of the ticked
// weights (every weight is a whole number of hundredths) and never "-0".
// A text that is not a number raises kTypeMismatch; an invalid operation,
// division by zero or overflow raises the matching run-time error and no text
// is produced.
std::wstring ApplyTick(std::wstring_view total, double weight, bool ticked, wchar_t decimalSeparator);
