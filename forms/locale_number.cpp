#include "forms/locale_number.h"

#include <windows.h>

namespace forms {

wchar_t UserDecimalSeparator() {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 1) return buffer[0];
    return L'.';
}

}  // namespace forms
