#pragma once
// How the form paints its windowless labels.
#include <windows.h>

#include <string_view>
#include <vector>

namespace forms {

class Control;

// The lines a label shows, with the font selected in the DC: its caption
// broken by measured width, and as many whole lines as its height holds.
std::vector<std::wstring_view> LabelLines(HDC dc, const Control& label);

}  // namespace forms
