#pragma once
// A window of the program: one instance per window class, loaded from its
// layout by Show and torn down by Unload or the close box. The program's
// windows derive from it and override the events they handle.
#include <windows.h>

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "forms/control.h"
#include "forms/gdi.h"
#include "forms/layout.h"
#include "forms/window_instance.h"

namespace forms {

class Form : public WindowInstance {
public:
    Form() = default;

    // The control of that name; a run-time error if the window is not loaded
    // or has no such control.
    Control& operator[](std::wstring_view name);
    Control* Find(std::wstring_view name);

    HWND Hwnd() const { return hwnd_; }
    int Dpi() const { return dpi_; }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    static Form* FromHwnd(HWND hwnd);

    // Tab, Shift+Tab and Enter, which the message loop hands over before
    // dispatching; true when the key was used.
    bool HandleDialogKey(const MSG& msg);
    // Moves the focus to the next (or previous) control that can take it.
    void MoveFocus(bool forward);

    // Events; a window overrides those it handles.
    virtual void Click(Control& control) { (void)control; }
    virtual void Timer(Control& control) { (void)control; }

    virtual const FormSpec& Layout() const = 0;

    void InvalidatePixels(const RECT& rect);
    COLORREF BackgroundColor() const;
    HBRUSH BackgroundBrush() const;

private:
    friend LRESULT CALLBACK FormThunk(HWND, UINT, WPARAM, LPARAM);

    void CreateWindowAndControls() override;
    void ShowLoaded() override;
    void BringToFront() override;
    void DestroyWindowAndControls() override;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC target, const RECT& area);
    void FocusFirst();
    Control* ControlOf(HWND child);
    std::vector<Control*> TabOrder() const;

    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    const FormSpec* spec_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::wstring_view, Control*> byName_;
    GdiObject ownBrush_;  // only for a background that is not a system colour
    HWND lastFocus_ = nullptr;
};

}  // namespace forms
