#include "app/windows.h"

#include "about/about_form.h"
#include "app/chooser_form.h"
#include "checklist/checklist_form.h"
#include "todo/todo_form.h"

ChooserForm& frmOpen() {
    static ChooserForm form;
    return form;
}

ChecklistForm& frmEnglish() {
    static ChecklistForm form(Language::English);
    return form;
}

ChecklistForm& frmTurkish() {
    static ChecklistForm form(Language::Turkish);
    return form;
}

TodoForm& frmTodo() {
    static TodoForm form(Language::English);
    return form;
}

TodoForm& frmTodoTR() {
    static TodoForm form(Language::Turkish);
    return form;
}

AboutForm& Form1() {
    static AboutForm form(Language::English);
    return form;
}

AboutForm& Form2() {
    static AboutForm form(Language::Turkish);
    return form;
}
