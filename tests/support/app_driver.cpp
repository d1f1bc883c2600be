#include "support/app_driver.h"

#include <stdexcept>

#include "app/program_windows.h"
#include "forms/program.h"
#include "support/driver.h"

namespace app {
namespace {
bool g_ended = false;
}

void Pump(int ms) {
    for (const DWORD end = GetTickCount() + static_cast<DWORD>(ms); static_cast<LONG>(end - GetTickCount()) > 0; Sleep(1))
        forms::DoEvents();
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    for (const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs); !condition(); Pump(1))
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    return true;
}

void ResetProgram() {
    forms::WindowInstance::OnLastUnloaded([] { g_ended = true; });
    UnloadAll();
    Pump(10);
    g_ended = false;
}

bool ProgramEnded() { return g_ended; }

std::string LoadedWindows() {
    std::string names;
    for (forms::Form* form : {&frmOpen(), &frmEnglish(), &frmTurkish(), &frmTodo(), &frmTodoTR(), &Form1(), &Form2()})
        if (form->IsLoaded()) names += driver::Narrow(std::wstring(form->Layout().name)) + " ";
    return names.empty() ? "(none)" : names;
}

Windows Of(const expected::Language& language) {
    if (&language == &expected::kEnglish) return {frmEnglish(), frmTodo(), Form1()};
    return {frmTurkish(), frmTodoTR(), Form2()};
}

forms::Control& Named(forms::Form& form, std::wstring_view name) {
    for (const auto& control : form.Controls())
        if (control->Name() == name) return *control;
    throw std::runtime_error("no loaded control " + driver::Narrow(std::wstring(name)));
}

std::wstring FocusedName(forms::Form& form) {
    for (const auto& control : form.Controls())
        if (control->Hwnd() && control->Hwnd() == GetFocus()) return std::wstring(control->Name());
    return L"(none)";
}

void Press(HWND control) {
    SendMessageW(control, BM_CLICK, 0, 0);
    forms::DoEvents();
}

int GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(count);
    // Wine reports 0 there, but takes a handle's low word, its slot, alone.
    int count = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) count += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return count;
}

}  // namespace app
