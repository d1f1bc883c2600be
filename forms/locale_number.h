#pragma once
// Number <-> text by the user's locale, read afresh at every conversion.
#include <string>
#include <string_view>

namespace forms {

wchar_t UserDecimalSeparator();
std::wstring CStr(double value);
double CDbl(std::wstring_view text);

}  // namespace forms
