#include "forms/form.h"

#include <utility>

#include "forms/colors.h"
#include "forms/program.h"

namespace forms {

LRESULT CALLBACK FormThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->hwnd_ = hwnd;
    }
    // Only our forms have this procedure: no need to ask for the class name.
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!form || Reporting()) return DefWindowProcW(hwnd, message, wParam, lParam);
    // Our run-time errors must never unwind through the system's frames.
    try {
        return form->OnMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
}

namespace {

void RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormThunk;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = ProgramIcon(true);
        wc.hIconSm = ProgramIcon(false);
        wc.lpszClassName = kFormClassName;
        RaiseIfFailed(RegisterClassExW(&wc) != 0, L"RegisterClass");
        return true;
    }();
    (void)registered;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

DWORD StyleOf(const FormSpec& spec) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (spec.minButton) style |= WS_MINIMIZEBOX;
    if (spec.maxButton) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD ExStyleOf(const FormSpec& spec) {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (spec.border == BorderStyle::FixedDialog) ex |= WS_EX_DLGMODALFRAME;
    if (spec.showInTaskbar) ex |= WS_EX_APPWINDOW;
    return ex;
}

}  // namespace

Form* Form::FromHwnd(HWND hwnd) {
    if (!hwnd) return nullptr;
    wchar_t cls[32];
    if (!GetClassNameW(hwnd, cls, 32) || lstrcmpW(cls, kFormClassName) != 0) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Control& Form::operator[](int place) {
    if (place >= 0 && place < static_cast<int>(controls_.size())) return *controls_[static_cast<size_t>(place)];
    const bool known = place >= 0 && place < static_cast<int>(layout_.controls.size());
    Raise(kObjectRequired, std::wstring(layout_.name) + L"." +
                               (known ? std::wstring(layout_.controls[static_cast<size_t>(place)].name) : L"?"));
}

void Form::CreateWindowAndControls() {
    RegisterFormClass();
    dpi_ = ScreenDpi();
    const DWORD style = StyleOf(layout_), ex = ExStyleOf(layout_);
    RECT frame{0, 0, TwipsToPixels(layout_.clientWidth, dpi_), TwipsToPixels(layout_.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, style, FALSE, ex);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    // Centred on the screen each time the window loads.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    const std::wstring caption(layout_.caption);
    HWND owner = layout_.showInTaskbar ? nullptr : HiddenOwner();
    HWND hwnd = CreateWindowExW(ex, kFormClassName, caption.c_str(), style, x, y, width, height, owner, nullptr,
                                GetModuleHandleW(nullptr), this);
    RaiseIfFailed(hwnd != nullptr, L"Load");
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(true)));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(false)));

    controls_.reserve(layout_.controls.size());
    for (const ControlSpec& control : layout_.controls)
        controls_.push_back(std::make_unique<Control>(*this, control, static_cast<int>(controls_.size()), dpi_));
    // Created in stored order: a later child window lies under an earlier one.
    for (auto& control : controls_) control->CreateWindowFor(hwnd, DefaultFont());
}

void Form::ShowLoaded() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    FocusFirst();
    UpdateWindow(hwnd_);
}

void Form::BringToFront() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
    BringWindowToTop(hwnd_);
}

void Form::DestroyWindowAndControls() {
    HWND hwnd = hwnd_;
    for (auto& control : controls_) control->DestroyWindowFor();
    controls_.clear();
    lastFocus_ = nullptr;
    ownBrush_.Reset();
    RaiseIfFailed(DestroyWindow(hwnd) != FALSE, L"Unload");
    hwnd_ = nullptr;
}

Control* Form::ControlOf(HWND child) {
    if (!child || GetParent(child) != hwnd_) return nullptr;
    const int id = GetDlgCtrlID(child);
    if (id < 1 || id > static_cast<int>(controls_.size())) return nullptr;
    return controls_[id - 1].get();
}

COLORREF Form::BackgroundColor() const { return ColorOf(layout_.backColor, COLOR_BTNFACE); }

HBRUSH Form::BackgroundBrush() { return BrushOf(layout_.backColor, COLOR_BTNFACE, ownBrush_); }

void Form::Changed(const RECT& rect) {
    if (!hwnd_) return;
    if (eventDepth_ == 0) {
        RedrawWindow(hwnd_, &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    } else if (!std::exchange(held_, true)) {
        changed_ = rect;
    } else {
        UnionRect(&changed_, &changed_, &rect);
    }
}

// While a handler runs, what it changes is only noted; it is repainted once,
// when the handler returns, so no in-between state of the window shows. A
// handler that changes nothing costs no repaint.
void Form::RunEvent(int place) {
    ++eventDepth_;
    Event(place);
    if (--eventDepth_ > 0 || !std::exchange(held_, false) || !hwnd_) return;
    RedrawWindow(hwnd_, &changed_, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) RunEvent(control->Index());
        }
        return 0;
    case WM_TIMER:
        // A timer's ID is its place plus one, as a child window's is.
        if (wParam >= 1 && wParam <= controls_.size()) RunEvent(static_cast<int>(wParam) - 1);
        return 0;
    case WM_VSCROLL:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)))
            control->ScrollBy(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) SetFocus(lastFocus_);
            else FocusFirst();
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel from its back buffer
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        if (!IsRectEmpty(&ps.rcPaint)) Paint(dc, ps.rcPaint, true);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        // Themed check boxes draw their parent's background behind themselves:
        // only the part they clip to, not the whole window, each time.
        RECT area;
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (const int clip = GetClipBox(dc, &area); clip == NULLREGION || clip == ERROR) GetClientRect(hwnd_, &area);
        Paint(dc, area, false);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
        if (control && control->Kind() == ControlKind::TextBox) {
            // A locked text box keeps the colours of a text box, not of a read-only one.
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        SetBkColor(dc, BackgroundColor());
        return reinterpret_cast<LRESULT>(BackgroundBrush());
    }
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace forms
