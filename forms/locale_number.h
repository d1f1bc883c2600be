#pragma once
// The user's decimal separator, whole (up to three characters), read afresh
// at every call so that a change in the regional settings applies to the
// next conversion.
#include <string>

namespace forms {

std::wstring UserDecimalSeparator();

}  // namespace forms
