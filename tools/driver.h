#pragma once
// Drives a program file from outside, as a player would: it starts the file as
// a child process, finds its windows, clicks and types with real input
// (SendInput) and reads back what the windows show. It knows nothing of the
// program's code; everything goes through the windows of another process.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

inline constexpr DWORD kWaitMs = 15000;  // generous: the first Wine start is slow

// A program started as a child process; killed if it still runs when this ends.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Start(const std::wstring& exe);
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    bool Running() const;
    // True when the process ended within the timeout; its exit code goes to *code.
    bool WaitExit(DWORD timeoutMs, DWORD* code = nullptr);
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// Polls `done` every few milliseconds until it holds or the timeout passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

// Reading windows (all through messages with a timeout, never hanging on a busy program).
std::wstring Text(HWND w);
std::wstring ClassOf(HWND w);
std::vector<HWND> TopWindows(DWORD pid);  // the visible top-level windows of a process
// A visible top-level window of the process with this caption (and class, if given).
HWND FindTop(DWORD pid, const std::wstring& caption, const wchar_t* cls = nullptr);
HWND WaitForTop(DWORD pid, const std::wstring& caption, const wchar_t* cls = nullptr,
                DWORD timeoutMs = kWaitMs);
bool WaitGone(HWND w, DWORD timeoutMs = kWaitMs);  // destroyed or hidden
// One line per visible top-level window of the process, for failure messages.
std::string Describe(DWORD pid);

// Children, in the order the window lists them.
HWND FindChild(HWND parent, const wchar_t* cls, const std::wstring& text);
HWND FindChild(HWND parent, const wchar_t* cls, int index);
// The visible check boxes of a window, sorted top to bottom (then left to right).
std::vector<HWND> VisibleCheckBoxes(HWND window);
bool IsChecked(HWND box);
std::vector<std::wstring> ListItems(HWND list);

// Message boxes: the prompt is the static control with id 0xFFFF.
std::wstring MessagePrompt(HWND box);
bool PressOk(HWND box);  // clicks its OK button and waits until the box is gone

// Real input. Click() brings the control's top-level window to the front first.
bool Activate(HWND top);
bool ClickAt(POINT screen);
bool Click(HWND control);
enum class Arrow { Up, Down };
bool ClickScrollArrow(HWND bar, Arrow arrow);
void PressKey(WORD vk);
void PressChord(std::initializer_list<WORD> keys);  // e.g. {VK_MENU, VK_F4}

// Saves a top-level window, title bar included, as it stands on the screen.
bool SaveBmp(HWND top, const std::wstring& path);

// corvane-checklist.exe, found by walking up from this test program's folder.
std::wstring ProgramPath();
std::string Narrow(const std::wstring& text);  // UTF-8, for messages

}  // namespace e2e
