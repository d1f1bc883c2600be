#include "child_process.h"

#include <vector>

namespace testing_app {
namespace {

struct Search {
    DWORD process;
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    if (owner != search->process || !IsWindowVisible(hwnd) || *search->caption != text) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring ProgramFilePath() {
    std::wstring dir = OwnPath();
    for (int up = 0; up < 4; ++up) {
        dir = dir.substr(0, dir.find_last_of(L"\\/"));
        const std::wstring candidate = dir + L"\\corvane-checklist.exe";
        if (GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    }
    return L"corvane-checklist.exe";
}

ChildProcess::ChildProcess(const std::wstring& path, const std::wstring& arguments) {
    std::wstring command = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
}

ChildProcess::~ChildProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND ChildProcess::WaitForWindow(const std::wstring& caption, int timeoutMs) const {
    Search search{info_.dwProcessId, &caption, nullptr};
    for (int waited = 0; info_.hProcess && waited < timeoutMs; waited += 20) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
}

DWORD ChildProcess::WaitForExit(int timeoutMs) {
    if (!info_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

}  // namespace testing_app
