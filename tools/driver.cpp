#include "driver.h"

#include <algorithm>
#include <cwchar>

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;
constexpr DWORD kInputPauseMs = 30;

LRESULT Send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result)) return -1;
    return static_cast<LRESULT>(result);
}

bool SameClass(HWND w, const wchar_t* cls) { return _wcsicmp(ClassOf(w).c_str(), cls) == 0; }

BOOL CALLBACK Collect(HWND w, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

POINT Centre(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// SendInput's absolute coordinates run from 0 to 65535 over the screen;
// rounding up makes the system's scaling land back on the same pixel.
LONG Normalise(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

}  // namespace

Process::~Process() {
    if (Running()) Kill();
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool Process::Start(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info_) != FALSE;
}

bool Process::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* code) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (code) GetExitCodeProcess(info_.hProcess, code);
    return true;
}

void Process::Kill() {
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 0xDEAD);
    WaitForSingleObject(info_.hProcess, 5000);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
}

std::wstring Text(HWND w) {
    LRESULT length = Send(w, WM_GETTEXTLENGTH);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = Send(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[256] = {};
    GetClassNameW(w, name, 256);
    return name;
}

std::vector<HWND> TopWindows(DWORD pid) {
    std::vector<HWND> all, found;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND w : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

HWND FindTop(DWORD pid, const std::wstring& caption, const wchar_t* cls) {
    for (HWND w : TopWindows(pid))
        if ((!cls || SameClass(w, cls)) && Text(w) == caption) return w;
    return nullptr;
}

HWND WaitForTop(DWORD pid, const std::wstring& caption, const wchar_t* cls, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTop(pid, caption, cls)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitGone(HWND w, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(w) || !IsWindowVisible(w); }, timeoutMs);
}

std::string Describe(DWORD pid) {
    std::string lines;
    for (HWND w : TopWindows(pid)) {
        lines += "  [" + Narrow(ClassOf(w)) + "] \"" + Narrow(Text(w)) + "\"";
        if (SameClass(w, L"#32770")) lines += " prompt \"" + Narrow(MessagePrompt(w)) + "\"";
        lines += "\n";
    }
    return lines.empty() ? "  (no visible window)\n" : lines;
}

HWND FindChild(HWND parent, const wchar_t* cls, const std::wstring& text) {
    for (HWND w : Children(parent))
        if (SameClass(w, cls) && Text(w) == text) return w;
    return nullptr;
}

HWND FindChild(HWND parent, const wchar_t* cls, int index) {
    for (HWND w : Children(parent))
        if (SameClass(w, cls) && index-- == 0) return w;
    return nullptr;
}

std::vector<HWND> VisibleCheckBoxes(HWND window) {
    std::vector<HWND> boxes;
    for (HWND w : Children(window)) {
        LONG type = GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
        if (SameClass(w, L"Button") && IsWindowVisible(w) &&
            (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE))
            boxes.push_back(w);
    }
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return boxes;
}

bool IsChecked(HWND box) { return Send(box, BM_GETCHECK) == BST_CHECKED; }

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    LRESULT count = Send(list, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = Send(list, LB_GETTEXTLEN, i);
        std::wstring item(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        LRESULT copied = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(item);
    }
    return items;
}

std::wstring MessagePrompt(HWND box) {
    HWND prompt = GetDlgItem(box, 0xFFFF);
    return prompt ? Text(prompt) : std::wstring{};
}

bool PressOk(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    return ok && Click(ok) && WaitGone(box);
}

bool Activate(HWND top) {
    if (GetForegroundWindow() == top) return true;
    SetForegroundWindow(top);
    return WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
}

bool ClickAt(POINT screen) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    auto send = [&](DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = Normalise(screen.x, cx);
        in.mi.dy = Normalise(screen.y, cy);
        in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        return SendInput(1, &in, sizeof in) == 1;
    };
    // Every event carries the position: under Wine a bare press or release
    // may be placed where the pointer was a moment before, and the click is lost.
    if (!send(MOUSEEVENTF_MOVE)) return false;
    WaitUntil([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
    }, 1000);
    Sleep(kInputPauseMs);
    if (!send(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN)) return false;
    Sleep(kInputPauseMs);
    return send(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP);
}

bool Click(HWND control) {
    if (!control) return false;
    Activate(GetAncestor(control, GA_ROOT));  // best effort: the click activates it anyway
    return ClickAt(Centre(control));
}

bool ClickScrollArrow(HWND bar, Arrow arrow) {
    if (!bar) return false;
    Activate(GetAncestor(bar, GA_ROOT));
    RECT r{};
    GetWindowRect(bar, &r);
    int half = std::min<int>(GetSystemMetrics(SM_CYVSCROLL), (r.bottom - r.top) / 2) / 2;
    LONG y = arrow == Arrow::Up ? r.top + half : r.bottom - 1 - half;
    return ClickAt({(r.left + r.right) / 2, y});
}

void PressKey(WORD vk) { PressChord({vk}); }

void PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (WORD vk : keys) in.push_back(Key(vk, false));
    for (auto it = keys.end(); it != keys.begin();) in.push_back(Key(*--it, true));
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

bool SaveBmp(HWND top, const std::wstring& path) {
    RECT r{};
    if (!GetWindowRect(top, &r)) return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || rows != height) return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
              WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

std::wstring ProgramPath() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring dir = module;
    for (size_t cut; (cut = dir.find_last_of(L"\\/")) != std::wstring::npos;) {
        dir.resize(cut);
        std::wstring candidate = dir + L"\\corvane-checklist.exe";
        if (GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    }
    return {};
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace e2e
