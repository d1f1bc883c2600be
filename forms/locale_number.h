#pragma once
// The user's decimal separator, read afresh at every call so that a change
// in the regional settings applies to the next conversion.

namespace forms {

wchar_t UserDecimalSeparator();

}  // namespace forms
