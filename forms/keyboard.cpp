// Keyboard focus follows rising TabIndex over the controls that can take it,
// hidden ones skipped, wrapping at both ends. Enter presses a focused button.
#include <algorithm>

#include "forms/form.h"

namespace forms {

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : controls_)
        if (control->CanTakeFocus() && control->Visible()) order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->Spec().tabIndex < b->Spec().tabIndex; });
    return order;
}

void Form::FocusFirst() {
    const auto order = TabOrder();
    if (!order.empty()) SetFocus(order.front()->Hwnd());
}

void Form::MoveFocus(bool forward) {
    const auto order = TabOrder();
    if (order.empty()) return;
    Control* current = ControlOf(GetFocus());
    Control* next = nullptr;
    if (!current) {
        next = forward ? order.front() : order.back();
    } else {
        // The current one may itself be hidden by now: find its place by TabIndex.
        const int at = current->Spec().tabIndex;
        if (forward) {
            auto it = std::find_if(order.begin(), order.end(), [&](Control* c) { return c->Spec().tabIndex > at; });
            next = it == order.end() ? order.front() : *it;
        } else {
            auto it = std::find_if(order.rbegin(), order.rend(), [&](Control* c) { return c->Spec().tabIndex < at; });
            next = it == order.rend() ? order.back() : *it;
        }
    }
    SetFocus(next->Hwnd());
}

bool Form::HandleDialogKey(const MSG& msg) {
    if (msg.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
        // From now on the focused control shows its focus mark.
        SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        MoveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    if (msg.wParam == VK_RETURN) {
        Control* focused = ControlOf(GetFocus());
        if (!focused || focused->Kind() != ControlKind::CommandButton) return false;
        PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(focused->Index() + 1, BN_CLICKED),
                     reinterpret_cast<LPARAM>(focused->Hwnd()));
        return true;
    }
    return false;
}

}  // namespace forms
