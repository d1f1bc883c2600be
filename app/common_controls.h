#pragma once
// The themed common controls: InitCommonControlsEx of comctl32.dll, found by
// name at its call rather than imported, so that a system without it still
// starts the program.
#include <windows.h>

#include <commctrl.h>

using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// Finds the function; raises a run-time error when the library or the
// function is missing.
InitCommonControlsExProc BindInitCommonControlsEx();

// Tests replace the binding to reach the "missing" and "failing" paths.
using CommonControlsBinder = InitCommonControlsExProc (*)();
void SetCommonControlsBinder(CommonControlsBinder binder);

// True when no run-time error arose while binding and calling. The result of
// InitCommonControlsEx itself is not looked at.
bool InitCommonControlClasses();
