#pragma once
// A window of the program: one instance per window class, loaded from its
// layout by Show and torn down by Unload or the close box. A window with code
// derives from it and overrides the events it handles.
#include <windows.h>

#include <memory>
#include <vector>

#include "forms/control.h"
#include "forms/gdi.h"
#include "forms/layout.h"
#include "forms/window_instance.h"

namespace forms {

class Form : public WindowInstance {
public:
    explicit Form(FormSpec layout) : layout_(std::move(layout)) {}

    const FormSpec& Layout() const { return layout_; }

    // The control at that place in stored order; a run-time error while the
    // window is not loaded.
    Control& operator[](int place);

    HWND Hwnd() const { return hwnd_; }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    static Form* FromHwnd(HWND hwnd);

    // Tab, Shift+Tab and Enter, which the message loop hands over before
    // dispatching; true when the key was used.
    bool HandleDialogKey(const MSG& msg);
    // Moves the focus to the next (or previous) control that can take it.
    void MoveFocus(bool forward);

    // A control's look changed there: repainted at once, or, while an event
    // handler runs, held back and repainted with the rest once it returns.
    void Changed(const RECT& rect);

protected:
    // A click of a button or check box, or a tick of a timer, at that place.
    virtual void Event(int place) { (void)place; }

private:
    friend LRESULT CALLBACK FormThunk(HWND, UINT, WPARAM, LPARAM);

    void CreateWindowAndControls() override;
    void ShowLoaded() override;
    void BringToFront() override;
    void DestroyWindowAndControls() override;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void RunEvent(int place);
    void Paint(HDC target, const RECT& area, bool onScreen);
    COLORREF BackgroundColor() const;
    HBRUSH BackgroundBrush();
    void FocusFirst();
    Control* ControlOf(HWND child);
    std::vector<Control*> TabOrder() const;

    FormSpec layout_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    std::vector<std::unique_ptr<Control>> controls_;
    GdiObject ownBrush_;  // only for a background that is not a system colour
    HWND lastFocus_ = nullptr;
    int eventDepth_ = 0;  // event handlers running
    bool held_ = false;   // repainting held back since the first change of the outermost one
    RECT changed_{};
};

}  // namespace forms
