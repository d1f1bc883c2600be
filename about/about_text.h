#pragma once
#include <string_view>

#include "checklist/language.h"

// The About window's nine lines, each ending with CR LF.
std::wstring_view AboutText(Language language);
