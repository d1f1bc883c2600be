#pragma once
// Starts a program file as a separate process and watches its windows.
#include <windows.h>

#include <string>

namespace testing_app {

// build/win32/corvane-checklist.exe, found from this test's own path.
std::wstring ProgramFilePath();
// This test executable itself (for scenarios that must end their process).
std::wstring OwnPath();

class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& path, const std::wstring& arguments = L"");
    ~ChildProcess();
    // A visible top-level window of the process with that caption, or nullptr.
    HWND WaitForWindow(const std::wstring& caption, int timeoutMs = 10000) const;
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD WaitForExit(int timeoutMs = 10000);
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace testing_app
