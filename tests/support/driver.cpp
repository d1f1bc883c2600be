#include "support/driver.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>

namespace driver {
namespace {

LRESULT Send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result) ? static_cast<LRESULT>(result) : 0;
}

BOOL CALLBACK Collect(HWND w, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

// Every event carries the position: under Wine a bare press or release may be
// placed where the pointer was a moment before, and the click is lost.
bool ClickAt(LONG x, LONG y) {
    auto send = [&](DWORD flags) {
        INPUT in{.type = INPUT_MOUSE};  // absolute coordinates run to 65535; rounding up lands on the pixel
        in.mi.dx = static_cast<LONG>((x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
        in.mi.dy = static_cast<LONG>((y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
        in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        Sleep(30);
        return SendInput(1, &in, sizeof in) == 1;
    };
    POINT at{};
    return send(0) && WaitUntil([&] { return GetCursorPos(&at) && at.x == x && at.y == y; }, 1000) &&
           send(MOUSEEVENTF_LEFTDOWN) && send(MOUSEEVENTF_LEFTUP);
}

}  // namespace

Process::~Process() {
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::Start(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{.cb = sizeof startup};
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info_);
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* code) {
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           (!code || GetExitCodeProcess(info_.hProcess, code));
}

std::wstring ProgramPath() {
    wchar_t module[MAX_PATH] = {};
    std::wstring dir(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
    for (size_t cut; (cut = dir.find_last_of(L"\\/")) != std::wstring::npos;)
        if (dir.resize(cut); GetFileAttributesW((dir + L"\\corvane-checklist.exe").c_str()) != INVALID_FILE_ATTRIBUTES)
            return dir + L"\\corvane-checklist.exe";
    return {};
}

std::string Narrow(const std::wstring& text) {
    std::string out(text.size() * 3, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    for (const ULONGLONG end = GetTickCount64() + timeoutMs; !done(); Sleep(5))
        if (GetTickCount64() >= end) return false;
    return true;
}

std::wstring Text(HWND w) {
    std::wstring text(static_cast<size_t>(Send(w, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<size_t>(Send(w, WM_GETTEXT, text.size(), LPARAM(text.data()))));
    return text;
}

std::wstring ClassName(HWND w) {
    wchar_t name[64] = {};
    return std::wstring(name, static_cast<size_t>(GetClassNameW(w, name, 64)));
}

std::vector<HWND> TopWindows(DWORD pid) {
    std::vector<HWND> all, found;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    DWORD owner = 0;
    std::ranges::copy_if(all, std::back_inserter(found),
                         [&](HWND w) { return GetWindowThreadProcessId(w, &owner) && owner == pid && IsWindowVisible(w); });
    return found;
}

HWND WaitForTop(DWORD pid, const std::wstring& caption, const wchar_t* cls, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w : TopWindows(pid))
            if ((!cls || _wcsicmp(ClassName(w).c_str(), cls) == 0) && Text(w) == caption) return (found = w) != nullptr;
        return false;
    }, timeoutMs);
    return found;
}

bool WaitGone(HWND w) {
    return WaitUntil([&] { return !IsWindowVisible(w); });
}

std::string Describe(DWORD pid) {
    std::string lines;
    for (HWND w : TopWindows(pid))  // a message box with its message
        lines += "  [" + Narrow(ClassName(w)) + "] \"" + Narrow(Text(w)) + "\" " + Narrow(Text(GetDlgItem(w, 0xFFFF))) + "\n";
    return lines.empty() ? "  (no visible window)\n" : lines;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls) {
    std::vector<HWND> all, found;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    std::ranges::copy_if(all, std::back_inserter(found), [&](HWND w) { return _wcsicmp(ClassName(w).c_str(), cls) == 0; });
    return found;
}

HWND FindChild(HWND parent, const wchar_t* cls, const std::wstring& text) {
    for (HWND w : Children(parent, cls))
        if (Text(w) == text) return w;
    return nullptr;
}

std::vector<HWND> VisibleCheckBoxes(HWND window) {
    std::vector<HWND> boxes;
    for (HWND w : Children(window, L"Button"))
        if (IsWindowVisible(w) && (GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) boxes.push_back(w);
    std::ranges::sort(boxes, {}, [](HWND w) { RECT r{}; GetWindowRect(w, &r); return r.top; });
    return boxes;
}

bool IsChecked(HWND box) { return Send(box, BM_GETCHECK) == BST_CHECKED; }

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items(static_cast<size_t>(Send(list, LB_GETCOUNT)));
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].resize(static_cast<size_t>(Send(list, LB_GETTEXTLEN, i)) + 1);
        items[i].resize(static_cast<size_t>(Send(list, LB_GETTEXT, i, LPARAM(items[i].data()))));
    }
    return items;
}

HWND Focused(HWND top) {
    GUITHREADINFO info{.cbSize = sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::wstring Frame(HWND top) {
    RECT client{}, window{};
    GetClientRect(top, &client);
    GetWindowRect(top, &window);
    const LONG style = GetWindowLongW(top, GWL_STYLE), ex = GetWindowLongW(top, GWL_EXSTYLE);
    std::wstring frame = Text(top) + L" " + std::to_wstring(client.right) + L" x " + std::to_wstring(client.bottom);
    const bool centred = std::abs(window.left + window.right - GetSystemMetrics(SM_CXSCREEN)) <= 1 &&
                         std::abs(window.top + window.bottom - GetSystemMetrics(SM_CYSCREEN)) <= 1;
    for (auto [set, word] : {std::pair{(style & WS_THICKFRAME) != 0, L" sizable"}, {(style & WS_MAXIMIZEBOX) != 0, L" maximize"},
                             {(style & WS_MINIMIZEBOX) != 0, L" minimize"}, {(ex & WS_EX_DLGMODALFRAME) != 0, L" dialog"},
                             {GetWindow(top, GW_OWNER) != nullptr, L" owned"}, {centred, L" centred"},
                             {GetForegroundWindow() == top, L" front"}})
        if (set) frame += word;
    return frame;
}

bool Activate(HWND top) {
    SetForegroundWindow(top);
    return WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
}

bool Click(HWND control) {
    RECT r{};
    if (!GetWindowRect(control, &r)) return false;
    Activate(GetAncestor(control, GA_ROOT));  // best effort: the click activates it anyway
    return ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    auto key = [&](WORD vk, DWORD flags) {
        in.push_back({.type = INPUT_KEYBOARD});
        in.back().ki = {vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), flags, 0, 0};
    };
    for (WORD vk : keys) key(vk, 0);
    for (auto it = keys.end(); it != keys.begin();) key(*--it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

}  // namespace driver
