#pragma once
// Process-wide services of the forms runtime: the message loop, the hidden
// owner window, the default font and icon, the message box and the standard
// report of a run-time error.
#include <windows.h>

#include <string>
#include <string_view>

#include "forms/runtime_error.h"

namespace forms {

// Runs the message loop until the last loaded window unloads; returns the
// process exit code (0).
int Run();

// Processes the messages waiting now, as the message loop would.
void DoEvents();

// The message loop's own handling of a message before dispatch (dialog keys).
bool PreTranslate(const MSG& msg);

// Modal message box owned by the program's active window; the result is not used.
void MsgBox(std::wstring_view prompt, UINT flags, std::wstring_view title);

// Shows "Run-time error 'N':" with its description and ends the process with
// the error number as its exit code.
[[noreturn]] void ReportAndExit(const RuntimeError& error);
// The same for the exception being handled: a run-time error as it is, any
// other as the run-time error it amounts to (out of memory, internal error).
[[noreturn]] void ReportCurrentException();
// True once a run-time error is being reported: no event reaches a handler then.
bool Reporting();

// The windows that have no taskbar button are owned by this hidden window.
HWND HiddenOwner();
HFONT DefaultFont();
HICON ProgramIcon(bool big);

inline constexpr wchar_t kFormClassName[] = L"CorvaneForm";
inline constexpr wchar_t kProgramTitle[] = L"Corvane Checklist";

}  // namespace forms
