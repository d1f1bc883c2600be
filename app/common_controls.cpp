#include "app/common_controls.h"

#include "forms/runtime_error.h"

namespace {
CommonControlsBinder g_binder = BindInitCommonControlsEx;
}

InitCommonControlsExProc BindInitCommonControlsEx() {
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (!library) forms::Raise(forms::kFileNotFound, L"comctl32");
    auto proc = reinterpret_cast<InitCommonControlsExProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    if (!proc) forms::Raise(forms::kEntryPointNotFound, L"InitCommonControlsEx in comctl32");
    return proc;
}

void SetCommonControlsBinder(CommonControlsBinder binder) { g_binder = binder ? binder : BindInitCommonControlsEx; }

bool InitCommonControlClasses() {
    // Any failure here is swallowed: the windows work without the themed look.
    try {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = 8;
        controls.dwICC = ICC_USEREX_CLASSES;
        g_binder()(&controls);
        return true;
    } catch (const forms::RuntimeError&) {
        return false;
    }
}
