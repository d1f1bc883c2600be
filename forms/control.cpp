#include "forms/control.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/runtime_error.h"

namespace forms {
namespace {

const wchar_t* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::CommandButton: return L"command button";
    case ControlKind::CheckBox: return L"check box";
    case ControlKind::Label: return L"label";
    case ControlKind::VScrollBar: return L"scroll bar";
    case ControlKind::Timer: return L"timer";
    case ControlKind::Shape: return L"shape";
    case ControlKind::ListBox: return L"list box";
    case ControlKind::TextBox: return L"text box";
    }
    return L"control";
}

// Windows runs no timer faster than every 10 ms; Wine would, and a 1 ms timer
// then keeps the queue so busy that a message box never gets to show itself.
UINT TimerPeriod(int interval) { return std::max<UINT>(static_cast<UINT>(interval), USER_TIMER_MINIMUM); }

}  // namespace

Control::Control(Form& form, const ControlSpec& spec, int index, int dpi)
    : form_(&form), spec_(&spec), index_(index), visible_(spec.visible), caption_(spec.caption) {
    const forms::PixelRect r = ToPixels(spec.rect, dpi);
    pixels_ = {r.left, r.top, r.right, r.bottom};
    scrollValue_ = std::clamp(0, spec.min, std::max(spec.min, spec.max));
}

bool Control::IsWindowed() const {
    switch (Kind()) {
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::Timer: return false;
    default: return true;
    }
}

bool Control::CanTakeFocus() const { return IsWindowed() && spec_->tabIndex >= 0; }

void Control::CreateWindowFor(HWND parent, HFONT font) {
    const UINT_PTR id = static_cast<UINT_PTR>(index_) + 1;
    if (Kind() == ControlKind::Timer) {
        if (spec_->interval > 0) RaiseIfFailed(SetTimer(parent, id, TimerPeriod(spec_->interval), nullptr) != 0, L"Timer");
        return;
    }
    if (!IsWindowed()) return;

    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_TABSTOP | (visible_ ? WS_VISIBLE : 0);
    DWORD ex = 0;
    switch (Kind()) {
    case ControlKind::CommandButton: style |= BS_PUSHBUTTON; break;
    case ControlKind::CheckBox: style |= BS_AUTOCHECKBOX; break;
    case ControlKind::VScrollBar: cls = L"SCROLLBAR"; style |= SBS_VERT; break;
    case ControlKind::ListBox:
        cls = L"LISTBOX";
        style |= WS_VSCROLL | LBS_NOTIFY;
        ex = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::TextBox:
        cls = L"EDIT";
        style |= ES_LEFT | (spec_->multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL) |
                 (spec_->locked ? ES_READONLY : 0);
        ex = WS_EX_CLIENTEDGE;
        break;
    default: break;
    }
    hwnd_ = CreateWindowExW(ex, cls, caption_.c_str(), style, pixels_.left, pixels_.top, pixels_.right - pixels_.left,
                            pixels_.bottom - pixels_.top, parent, reinterpret_cast<HMENU>(id),
                            GetModuleHandleW(nullptr), nullptr);
    RaiseIfFailed(hwnd_ != nullptr, L"Load");
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (Kind() == ControlKind::VScrollBar) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, spec_->min, spec_->max, 0, scrollValue_, 0};
        SetScrollInfo(hwnd_, SB_CTL, &info, FALSE);
    }
}

void Control::DestroyWindowFor() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Control::Require(ControlKind kind, const wchar_t* property) const {
    if (Kind() != kind)
        Raise(kNotSupported, std::wstring(KindName(Kind())) + L"." + property);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    form_->Changed(pixels_);
    if (!IsWindowed()) return;
    const bool hadFocus = !visible && GetFocus() == hwnd_;
    // The form repaints what changed (at once, or when the handler returns).
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOSENDCHANGING |
                     (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    // A hidden control must not keep the keyboard: Space would still tick it.
    if (hadFocus) form_->MoveFocus(true);
}

std::wstring Control::Caption() const {
    if (Kind() == ControlKind::TextBox && hwnd_) {
        const int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
        return text;
    }
    return caption_;
}

void Control::SetCaption(std::wstring_view caption) {
    if (caption == caption_) return;
    caption_.assign(caption);
    if (!IsWindowed()) {
        if (visible_) form_->Changed(pixels_);
        return;
    }
    RaiseIfFailed(SetWindowTextW(hwnd_, caption_.c_str()) != FALSE, L"Caption");
}

int Control::Value() const {
    if (Kind() == ControlKind::VScrollBar) return scrollValue_;
    Require(ControlKind::CheckBox, L"Value");
    return static_cast<int>(SendMessageW(hwnd_, BM_GETCHECK, 0, 0));
}

void Control::AddItem(std::wstring_view item) {
    Require(ControlKind::ListBox, L"AddItem");
    const std::wstring text(item);
    const LRESULT at = SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    RaiseIfFailed(at != LB_ERR && at != LB_ERRSPACE, L"AddItem");
}

void Control::ScrollBy(int request, int trackPosition) {
    const int low = spec_->min, high = std::max(spec_->min, spec_->max);
    int value = scrollValue_;
    switch (request) {
    case SB_LINEUP: value -= spec_->smallChange; break;
    case SB_LINEDOWN: value += spec_->smallChange; break;
    case SB_PAGEUP: value -= spec_->largeChange; break;
    case SB_PAGEDOWN: value += spec_->largeChange; break;
    case SB_TOP: value = low; break;
    case SB_BOTTOM: value = high; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: value = trackPosition; break;
    default: return;
    }
    value = std::clamp(value, low, high);
    if (value == scrollValue_) return;
    scrollValue_ = value;
    SetScrollPos(hwnd_, SB_CTL, value, TRUE);
}

}  // namespace forms
