#pragma once
// Drives the program's real windows from inside the test process: messages
// are pumped by the runtime's own DoEvents, so its keyboard handling runs too.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "forms/form.h"
#include "support/player_texts.h"

namespace app {

void Pump(int ms = 30);  // runs pending messages for at least that long
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 3000);
void ResetProgram();          // unloads every window and clears the "program ended" flag
bool ProgramEnded();          // true once the last loaded window has unloaded
std::string LoadedWindows();  // their names, for expectations and failure messages

struct Windows {
    forms::Form &checklist, &todo, &about;
};
Windows Of(const expected::Language& language);
inline const auto kBothLanguages = ::testing::Values(&expected::kEnglish, &expected::kTurkish);
inline std::string LanguageName(const ::testing::TestParamInfo<const expected::Language*>& info) {
    return info.param == &expected::kEnglish ? "English" : "Turkish";
}

forms::Control& Named(forms::Form& form, std::wstring_view name);
std::wstring FocusedName(forms::Form& form);  // "(none)" when no control of it has the focus

void Press(HWND control);  // a click as the control receives it; its handler has run on return

int GdiObjectCount();  // the GDI objects this process holds, for comparing before and after

}  // namespace app
