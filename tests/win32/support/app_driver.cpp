#include "app_driver.h"

#include <gtest/gtest.h>

#include "app/program_windows.h"
#include "forms/program.h"

namespace testing_app {
namespace {
bool g_ended = false;
}

void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        forms::DoEvents();
        MSG msg;
        if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) g_ended = true;
        Sleep(1);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (!condition()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        Pump(1);
    }
    return true;
}

void ResetProgram() {
    forms::WindowInstance::OnLastUnloaded([] { g_ended = true; });
    UnloadAll();
    Pump(10);
    g_ended = false;
}

bool ProgramEnded() { return g_ended; }

SIZE ClientSize(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return {rect.right, rect.bottom};
}

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(hwnd, buffer, 1024);
    return buffer;
}

void Click(HWND control) {
    SendMessageW(control, BM_CLICK, 0, 0);
    forms::DoEvents();
}

void ClickScrollArrow(HWND scrollBar, bool down) {
    RECT rect;
    GetClientRect(scrollBar, &rect);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL) / 2;
    const LPARAM at = MAKELPARAM(rect.right / 2, down ? rect.bottom - arrow : arrow);
    // The scroll bar tracks the mouse in a loop of its own until the button
    // comes up: queue the release before the press.
    PostMessageW(scrollBar, WM_LBUTTONUP, 0, at);
    SendMessageW(scrollBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    forms::DoEvents();
}

void PressKey(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump(30);
}

forms::Control& Named(forms::Form& form, std::wstring_view name) {
    for (const auto& control : form.Controls())
        if (control->Name() == name) return *control;
    ADD_FAILURE() << "no control of that name";
    return *form.Controls().front();
}

forms::Control* FocusedControl(forms::Form& form) {
    HWND focus = GetFocus();
    for (const auto& control : form.Controls())
        if (control->Hwnd() && control->Hwnd() == focus) return control.get();
    return nullptr;
}

MessageBoxAnswer::MessageBoxAnswer() { thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr); }

MessageBoxAnswer::~MessageBoxAnswer() {
    if (thread_) {
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
}

bool MessageBoxAnswer::Wait(int timeoutMs) {
    return PumpUntil([this] { return done_ != 0; }, timeoutMs);
}

DWORD WINAPI MessageBoxAnswer::Watch(void* param) {
    auto* self = static_cast<MessageBoxAnswer*>(param);
    const DWORD process = GetCurrentProcessId();
    for (int tries = 0; tries < 5000; ++tries) {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == process && IsWindowVisible(box)) break;
        }
        if (box) {
            self->title = WindowText(box);
            self->prompt = WindowText(GetDlgItem(box, 0xFFFF));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            InterlockedExchange(&self->done_, 1);
            return 0;
        }
        Sleep(1);
    }
    return 1;
}

}  // namespace testing_app
