#pragma once
// Breaking a label's text into lines by measured width, the same on every
// platform (the system's own word breaking differs between Windows and Wine).
#include <functional>
#include <string_view>
#include <vector>

namespace forms {

// The text broken at blanks so that each line's width, as measured, fits the
// width; a word wider than that stands alone on its line. The blank at a
// break belongs to neither line.
std::vector<std::wstring_view> BreakLines(std::wstring_view text, int width,
                                          const std::function<int(std::wstring_view)>& measure);

}  // namespace forms
