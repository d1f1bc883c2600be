#include "forms/program.h"

#include <new>
#include <string>

#include "forms/form.h"
#include "forms/window_instance.h"

namespace forms {
namespace {

bool g_reporting = false;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int Run() {
    WindowInstance::OnLastUnloaded([] { PostQuitMessage(0); });
    if (WindowInstance::LoadedCount() == 0) return 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the loop that owns the run
            return;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_RETURN)) return false;
    Form* form = Form::FromHwnd(GetAncestor(msg.hwnd, GA_ROOT));
    return form && form->HandleDialogKey(msg);
}

void MsgBox(std::wstring_view prompt, UINT flags, std::wstring_view title) {
    const std::wstring text(prompt), caption(title);
    HWND owner = GetActiveWindow();
    if (!Form::FromHwnd(owner)) owner = nullptr;
    MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void ReportAndExit(const RuntimeError& error) {
    if (!g_reporting) {
        g_reporting = true;  // events that arrive while the message shows are not dispatched
        const std::wstring text = L"Run-time error '" + std::to_wstring(error.number) + L"':\n\n" + error.description;
        MessageBoxW(nullptr, text.c_str(), kProgramTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    ExitProcess(static_cast<UINT>(error.number));
}

void ReportCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        ReportAndExit(error);
    } catch (const std::bad_alloc&) {
        ReportAndExit({kOutOfMemory, std::wstring(ErrorMessage(kOutOfMemory))});
    } catch (...) {
        ReportAndExit({kInternalError, std::wstring(ErrorMessage(kInternalError))});
    }
}

bool Reporting() { return g_reporting; }

HWND HiddenOwner() {
    static HWND owner = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvaneOwner";
        RegisterClassW(&wc);
        HWND hwnd = CreateWindowExW(0, wc.lpszClassName, kProgramTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    wc.hInstance, nullptr);
        RaiseIfFailed(hwnd != nullptr, L"CreateWindow");
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(true)));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(false)));
        return hwnd;
    }();
    return owner;
}

HFONT DefaultFont() {
    // The classic toolkit's MS Sans Serif, 8 points: a bitmap face, and in its
    // Turkish code page it holds every letter of both languages. Where that
    // face is missing, the system's dialog font stands in.
    static const HFONT font = [] {
        HDC screen = GetDC(nullptr);
        LOGFONTW wanted{.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), .lfWeight = FW_NORMAL,
                        .lfCharSet = TURKISH_CHARSET, .lfFaceName = L"MS Sans Serif"};
        HFONT created = CreateFontIndirectW(&wanted);
        HGDIOBJ old = SelectObject(screen, created);
        wchar_t face[LF_FACESIZE] = {};
        TEXTMETRICW metrics{};
        const bool found = GetTextFaceW(screen, LF_FACESIZE, face) && lstrcmpiW(face, wanted.lfFaceName) == 0 &&
                           GetTextMetricsW(screen, &metrics) && metrics.tmCharSet == TURKISH_CHARSET;
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        if (found) return created;
        DeleteObject(created);
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

HICON ProgramIcon(bool big) {
    // Icon group 1 of the program file, looked up once per size.
    static const auto load = [](int metric) {
        const int size = GetSystemMetrics(metric);
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED));
        return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
    };
    static const HICON largeIcon = load(SM_CXICON), smallIcon = load(SM_CXSMICON);
    return big ? largeIcon : smallIcon;
}

}  // namespace forms
