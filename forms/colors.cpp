#include "forms/colors.h"

#include "forms/layout.h"

namespace forms {
namespace {

// The system colour index an OLE colour names, or -1 for an RGB value.
int SystemIndexOf(std::uint32_t ole, int defaultIndex) {
    if (ole == kDefaultColor) return defaultIndex;
    if (ole & 0x80000000u) return static_cast<int>(ole & 0xFF);
    return -1;
}

}  // namespace

COLORREF ColorOf(std::uint32_t ole, int defaultIndex) {
    const int index = SystemIndexOf(ole, defaultIndex);
    return index >= 0 ? GetSysColor(index) : static_cast<COLORREF>(ole);
}

HBRUSH BrushOf(std::uint32_t ole, int defaultIndex, GdiObject& own) {
    const int index = SystemIndexOf(ole, defaultIndex);
    if (index >= 0) return GetSysColorBrush(index);
    if (!own) own = GdiObject(CreateSolidBrush(static_cast<COLORREF>(ole)));
    return static_cast<HBRUSH>(own.Get());
}

}  // namespace forms
