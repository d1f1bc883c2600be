#pragma once
// One control of a loaded window. Windowed controls (buttons, check boxes, the
// scroll bar, list and text boxes) are child windows; labels and rectangles
// are painted by their window. A property write that changes nothing does
// nothing: no window call, no repaint. That keeps the checklist window idle
// although its timer rewrites 63 properties on every tick.
#include <windows.h>

#include <string>
#include <string_view>

#include "forms/layout.h"

namespace forms {

class Form;

class Control {
public:
    Control(Form& form, const ControlSpec& spec, int index, int dpi);

    std::wstring_view Name() const { return spec_->name; }
    ControlKind Kind() const { return spec_->kind; }
    const ControlSpec& Spec() const { return *spec_; }
    int Index() const { return index_; }      // place in stored order
    HWND Hwnd() const { return hwnd_; }
    const RECT& PixelRect() const { return pixels_; }
    bool IsWindowed() const;
    bool CanTakeFocus() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Label caption, button caption, text box text.
    std::wstring Caption() const;
    const std::wstring& StoredCaption() const { return caption_; }  // as last written, without asking the window
    void SetCaption(std::wstring_view caption);

    // Check box: 0 cleared, 1 ticked, 2 grayed. Scroll bar: its position.
    int Value() const;

    void AddItem(std::wstring_view item);  // list box: appends at the end

    // Runtime side.
    void CreateWindowFor(HWND parent, HFONT font);
    void DestroyWindowFor();
    void ScrollBy(int request, int trackPosition);  // from WM_VSCROLL

private:
    void Require(ControlKind kind, const wchar_t* property) const;

    Form* form_;
    const ControlSpec* spec_;
    int index_;
    RECT pixels_{};
    HWND hwnd_ = nullptr;
    bool visible_;
    std::wstring caption_;
    int scrollValue_ = 0;
};

}  // namespace forms
