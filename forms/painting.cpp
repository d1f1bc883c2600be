// Labels and rectangles have no window of their own: the form paints them,
// from the last in stored order to the first, so that an earlier one ends up
// on top (the grid lines stay whole over the labels they cross).
#include <windows.h>

#include <optional>

#include "forms/colors.h"
#include "forms/form.h"
#include "forms/gdi.h"
#include "forms/line_break.h"
#include "forms/painting.h"
#include "forms/program.h"

namespace forms {
namespace {

void PaintLabel(HDC dc, const Control& label, HBRUSH background) {
    RECT rect = label.PixelRect();
    FillRect(dc, &rect, background);  // labels are opaque
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    switch (label.Spec().alignment) {
    case Alignment::Left: format |= DT_LEFT; break;
    case Alignment::Right: format |= DT_RIGHT; break;
    case Alignment::Center: format |= DT_CENTER; break;
    }
    SetTextColor(dc, ColorOf(label.Spec().color, COLOR_BTNTEXT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    for (std::wstring_view line : LabelLines(dc, label)) {
        rect.bottom = rect.top + metrics.tmHeight;
        DrawTextW(dc, line.data(), static_cast<int>(line.size()), &rect, format);
        rect.top = rect.bottom;
    }
}

void PaintShape(HDC dc, const Control& shape) {
    const RECT& r = shape.PixelRect();
    GdiObject pen(CreatePen(PS_SOLID, 1, ColorOf(shape.Spec().color, COLOR_WINDOWTEXT)));
    HGDIOBJ oldPen = SelectObject(dc, pen.Get());
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (shape.Spec().rounded) {
        const int corner = std::min(r.right - r.left, r.bottom - r.top) / 4;
        RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
    } else {
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

}  // namespace

std::vector<std::wstring_view> LabelLines(HDC dc, const Control& label) {
    const RECT& rect = label.PixelRect();
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const auto measure = [dc](std::wstring_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    std::vector<std::wstring_view> lines = BreakLines(label.StoredCaption(), rect.right - rect.left, measure);
    // Whole lines only: a line cut through its middle is never shown.
    const size_t room = static_cast<size_t>(std::max<LONG>(0, (rect.bottom - rect.top) / std::max<LONG>(1, metrics.tmHeight)));
    if (lines.size() > room) lines.resize(room);
    return lines;
}

void Form::Paint(HDC target, const RECT& area, bool onScreen) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    // On the screen through a back buffer, so that nothing flickers; straight
    // into a target that is off the screen already, or when there is no
    // memory for a buffer.
    std::optional<MemoryDc> memory;
    if (onScreen) memory.emplace(target);
    const HDC memoryDc = memory ? memory->Get() : nullptr;
    GdiObject buffer(memoryDc ? CreateCompatibleBitmap(target, width, height) : nullptr);
    const bool buffered = memoryDc && buffer;
    HDC paint = buffered ? memoryDc : target;
    HGDIOBJ oldBitmap = buffered ? SelectObject(paint, buffer.Get()) : nullptr;
    if (buffered) SetViewportOrgEx(paint, -area.left, -area.top, nullptr);

    HBRUSH background = BackgroundBrush();
    FillRect(paint, &area, background);
    HGDIOBJ oldFont = SelectObject(paint, DefaultFont());
    SetBkMode(paint, TRANSPARENT);
    RECT overlap;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control& control = **it;
        if (control.IsWindowed() || !control.Visible()) continue;
        if (!IntersectRect(&overlap, &control.PixelRect(), &area)) continue;
        if (control.Kind() == ControlKind::Label) PaintLabel(paint, control, background);
        else if (control.Kind() == ControlKind::Shape) PaintShape(paint, control);
    }
    SelectObject(paint, oldFont);

    if (buffered) {
        SetViewportOrgEx(paint, 0, 0, nullptr);
        BitBlt(target, area.left, area.top, width, height, paint, 0, 0, SRCCOPY);
        SelectObject(paint, oldBitmap);
    }
}

}  // namespace forms
