#pragma once
// Drives the program's real windows from inside the test process: messages
// are pumped by the runtime's own DoEvents, keys go through SendInput, and
// message boxes are answered from a watcher thread.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"

namespace testing_app {

// Runs pending messages for at least `ms` milliseconds.
void Pump(int ms = 30);
// Pumps until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 3000);

// Unloads every window of the program and clears the "program ended" flag.
void ResetProgram();
// True once the last loaded window has unloaded (the message loop would end).
bool ProgramEnded();

SIZE ClientSize(HWND hwnd);
std::wstring WindowText(HWND hwnd);

// A mouse click as the button itself receives it; its handler has run on return.
void Click(HWND control);
// Clicks the lower (down) or upper arrow of a vertical scroll bar. The page
// follows at the checklist's next timer tick.
void ClickScrollArrow(HWND scrollBar, bool down);
// Real key presses through the system's input queue (the window must be active).
void PressKey(WORD key, bool shift = false);

// The loaded form's control of that name.
forms::Control& Named(forms::Form& form, std::wstring_view name);

enum class Language { English, Turkish };

// The form's control that has the keyboard focus, or nullptr.
forms::Control* FocusedControl(forms::Form& form);

// Answers the next message box of this process from another thread, keeping
// its title and prompt.
class MessageBoxAnswer {
public:
    MessageBoxAnswer();
    ~MessageBoxAnswer();
    // Waits (pumping) until the box has been seen and dismissed.
    bool Wait(int timeoutMs = 5000);
    std::wstring title, prompt;

private:
    HANDLE thread_ = nullptr;
    volatile LONG done_ = 0;
    static DWORD WINAPI Watch(void* self);
};

}  // namespace testing_app
