#include "forms/locale_number.h"

#include <windows.h>

namespace forms {

std::wstring UserDecimalSeparator() {
    wchar_t buffer[8] = {};
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 1 ? buffer : L".";
}

}  // namespace forms
