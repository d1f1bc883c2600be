#pragma once
// The program's windows: one instance per window class, created on first
// reference (which neither loads nor shows it) and reached by its name.

class ChooserForm;
class ChecklistForm;
class TodoForm;
class AboutForm;

ChooserForm& frmOpen();
ChecklistForm& frmEnglish();
ChecklistForm& frmTurkish();
TodoForm& frmTodo();
TodoForm& frmTodoTR();
AboutForm& Form1();
AboutForm& Form2();
