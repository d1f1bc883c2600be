#include "app/program_windows.h"

#include "about/about_layout.h"
#include "app/chooser_form.h"
#include "checklist/checklist_form.h"
#include "todo/todo_form.h"

namespace {

ChecklistForm& EnglishChecklist() {
    static ChecklistForm form(kEnglishChecklist, {[] { frmTodo().Show(); }, [] { Form1().Show(); }, UnloadAll});
    return form;
}

ChecklistForm& TurkishChecklist() {
    static ChecklistForm form(kTurkishChecklist, {[] { frmTodoTR().Show(); }, [] { Form2().Show(); }, UnloadAll});
    return form;
}

}  // namespace

forms::Form& frmOpen() {
    static ChooserForm form({[] { frmEnglish().Show(); }, [] { frmTurkish().Show(); }});
    return form;
}

forms::Form& frmEnglish() { return EnglishChecklist(); }

forms::Form& frmTurkish() { return TurkishChecklist(); }

forms::Form& frmTodo() {
    static TodoForm form(kEnglishTodo, {[](int box) { return EnglishChecklist().BoxValue(box); }});
    return form;
}

forms::Form& frmTodoTR() {
    static TodoForm form(kTurkishTodo, {[](int box) { return TurkishChecklist().BoxValue(box); }});
    return form;
}

forms::Form& Form1() {
    static forms::Form form(AboutLayout(kEnglishAbout));
    return form;
}

forms::Form& Form2() {
    static forms::Form form(AboutLayout(kTurkishAbout));
    return form;
}

// Both checklist windows close the program in this order; frmTodoTR, which
// the order leaves free, goes last.
void UnloadAll() {
    frmEnglish().Unload();
    frmTodo().Unload();
    frmOpen().Unload();
    frmTurkish().Unload();
    Form1().Unload();
    Form2().Unload();
    frmTodoTR().Unload();
}
