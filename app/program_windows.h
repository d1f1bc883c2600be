#pragma once
// The program's windows: one instance per window class, created on first
// reference (which neither loads nor shows it) and reached by its name. This
// is the one place that builds them and links them to each other.
#include "forms/form.h"

forms::Form& frmOpen();
forms::Form& frmEnglish();
forms::Form& frmTurkish();
forms::Form& frmTodo();
forms::Form& frmTodoTR();
forms::Form& Form1();
forms::Form& Form2();

// Unloads every window of the program in the closing order. Unloading a
// window that is not loaded, or one whose unload is under way, does nothing.
void UnloadAll();
