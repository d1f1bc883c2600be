#include "forms/form.h"

#include <algorithm>
#include <exception>

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
    } catch (const RuntimeError& error) {
        ReportAndExit(error);
    } catch (const std::bad_alloc&) {
        ReportAndExit({7, L"Out of memory"});
    } catch (const std::exception&) {
        ReportAndExit({51, L"Internal error"});
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
        Check(RegisterClassExW(&wc) != 0, L"RegisterClass");
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

Control* Form::Find(std::wstring_view name) {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::operator[](std::wstring_view name) {
    if (Control* control = Find(name)) return *control;
    Raise(kObjectNotFound, std::wstring(IsLoaded() ? L"Object required: " : L"Window not loaded: ") +
                               std::wstring(Layout().name) + L"." + std::wstring(name));
}

void Form::CreateWindowAndControls() {
    RegisterFormClass();
    spec_ = &Layout();
    dpi_ = ScreenDpi();
    if (!(spec_->backColor & 0x80000000u) && spec_->backColor != kDefaultColor)
        ownBrush_ = GdiObject(CreateSolidBrush(spec_->backColor));

    const DWORD style = StyleOf(*spec_), ex = ExStyleOf(*spec_);
    RECT frame{0, 0, TwipsToPixels(spec_->clientWidth, dpi_), TwipsToPixels(spec_->clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, style, FALSE, ex);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    // Centred on the screen each time the window loads.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    const std::wstring caption(spec_->caption);
    HWND owner = spec_->showInTaskbar ? nullptr : HiddenOwner();
    HWND hwnd = CreateWindowExW(ex, kFormClassName, caption.c_str(), style, x, y, width, height, owner, nullptr,
                                GetModuleHandleW(nullptr), this);
    Check(hwnd != nullptr, L"Load");
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(true)));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(false)));

    controls_.reserve(spec_->controls.size());
    for (const ControlSpec& control : spec_->controls) {
        controls_.push_back(std::make_unique<Control>(*this, control, static_cast<int>(controls_.size()), dpi_));
        byName_.emplace(control.name, controls_.back().get());
    }
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
    byName_.clear();
    controls_.clear();
    lastFocus_ = nullptr;
    ownBrush_.Reset();
    Check(DestroyWindow(hwnd) != FALSE, L"Unload");
    hwnd_ = nullptr;
}

Control* Form::ControlOf(HWND child) {
    if (!child || GetParent(child) != hwnd_) return nullptr;
    const int id = GetDlgCtrlID(child);
    if (id < 1 || id > static_cast<int>(controls_.size())) return nullptr;
    return controls_[id - 1].get();
}

COLORREF Form::BackgroundColor() const {
    const std::uint32_t color = spec_ ? spec_->backColor : kDefaultColor;
    if (color == kDefaultColor) return GetSysColor(COLOR_BTNFACE);
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color;
}

HBRUSH Form::BackgroundBrush() const {
    const std::uint32_t color = spec_ ? spec_->backColor : kDefaultColor;
    if (color == kDefaultColor) return GetSysColorBrush(COLOR_BTNFACE);
    if (color & 0x80000000u) return GetSysColorBrush(static_cast<int>(color & 0xFF));
    return static_cast<HBRUSH>(ownBrush_.Get());
}

void Form::InvalidatePixels(const RECT& rect) {
    if (hwnd_) InvalidateRect(hwnd_, &rect, FALSE);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) Click(*control);
        }
        return 0;
    case WM_TIMER:
        if (wParam >= 1 && wParam <= controls_.size()) Timer(*controls_[wParam - 1]);
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
        if (!IsRectEmpty(&ps.rcPaint)) Paint(dc, ps.rcPaint);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        // Themed check boxes draw their parent's background behind themselves.
        RECT client;
        GetClientRect(hwnd_, &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
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
