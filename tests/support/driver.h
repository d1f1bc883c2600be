#pragma once
// Drives a program file from outside, as a player would: it starts the file as
// a child process, finds its windows, clicks and types with real input
// (SendInput) and reads back what the windows show, through the windows
// alone. The screenshot and benchmark programs in tools/ use it too.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace driver {

inline constexpr DWORD kWaitMs = 15000;  // generous: the first Wine start is slow

// A program started as a child process; killed if it still runs when this ends.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    ~Process();
    bool Start(const std::wstring& exe, const std::wstring& arguments = {});
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    bool WaitExit(DWORD timeoutMs, DWORD* code = nullptr);  // true when it ended in time

private:
    PROCESS_INFORMATION info_{};
};

std::wstring ProgramPath();  // corvane-checklist.exe, found up from this program's folder
std::string Narrow(const std::wstring& text);  // UTF-8, for messages
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

// Reading, through messages with a timeout: a busy program hangs nothing.
std::wstring Text(HWND w);
std::wstring ClassName(HWND w);
std::vector<HWND> TopWindows(DWORD pid);  // the visible ones
HWND WaitForTop(DWORD pid, const std::wstring& caption, const wchar_t* cls = nullptr, DWORD timeoutMs = kWaitMs);
bool WaitGone(HWND w);  // destroyed or hidden
std::string Describe(DWORD pid);  // a line per visible top-level window, for failure messages
std::vector<HWND> Children(HWND parent, const wchar_t* cls);
HWND FindChild(HWND parent, const wchar_t* cls, const std::wstring& text);
std::vector<HWND> VisibleCheckBoxes(HWND window);  // top to bottom
bool IsChecked(HWND box);
std::vector<std::wstring> ListItems(HWND list);
HWND Focused(HWND top);  // the window with the keyboard focus in that window's thread
// A top-level window as the player meets it: caption, client size, what its
// frame offers, and where it stands, e.g. L"About 307 x 206 dialog owned centred front".
std::wstring Frame(HWND top);

// Real input; a click brings the control's window to the front first. A click
// in the middle of a scroll bar pages it.
bool Activate(HWND top);
bool Click(HWND control);
void PressChord(std::initializer_list<WORD> keys);  // e.g. {VK_SPACE} or {VK_MENU, VK_F4}

}  // namespace driver
