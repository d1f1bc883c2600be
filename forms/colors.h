#pragma once
// OLE colours of the layouts turned into Windows colours and brushes, in one
// place: 0x800000nn is system colour nn, kDefaultColor the control's default
// system colour, anything else 0x00BBGGRR.
#include <windows.h>

#include <cstdint>

#include "forms/gdi.h"

namespace forms {

COLORREF ColorOf(std::uint32_t ole, int defaultIndex);

// The system's own brush for a system colour; otherwise `own`, made once.
HBRUSH BrushOf(std::uint32_t ole, int defaultIndex, GdiObject& own);

}  // namespace forms
