#include "forms/line_break.h"

namespace forms {

std::vector<std::wstring_view> BreakLines(std::wstring_view text, int width,
                                          const std::function<int(std::wstring_view)>& measure) {
    std::vector<std::wstring_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(text.find(L' ', start + 1), text.size());  // the first word always
        for (size_t next; end < text.size(); end = next) {
            next = std::min(text.find(L' ', end + 1), text.size());
            if (measure(text.substr(start, next - start)) > width) break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace forms
