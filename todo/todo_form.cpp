#include "todo/todo_form.h"

#include "app/windows.h"
#include "checklist/checklist_form.h"
#include "todo/todo_items.h"

namespace {

using forms::ControlKind;

constexpr forms::ControlSpec kEnglishControls[] = {
    {.name = L"Label1", .kind = ControlKind::Label, .rect = {120, 120, 4455, 255}, .tabIndex = 1,
     .caption = L"You have to do these objectives:"},
    {.name = L"List", .kind = ControlKind::ListBox, .rect = {120, 600, 4455, 2595}, .tabIndex = 0},
};

constexpr forms::ControlSpec kTurkishControls[] = {
    {.name = L"Label1", .kind = ControlKind::Label, .rect = {120, 120, 4455, 255}, .tabIndex = 1,
     .caption = L"Bu görevleri yapmalısınız:"},
    {.name = L"List", .kind = ControlKind::ListBox, .rect = {120, 600, 4455, 2595}, .tabIndex = 0},
};

constexpr forms::FormSpec kEnglishLayout{
    .name = L"frmTodo", .caption = L"To do list", .clientWidth = 4680, .clientHeight = 3495, .controls = kEnglishControls};
constexpr forms::FormSpec kTurkishLayout{
    .name = L"frmTodoTR", .caption = L"Yapılacaklar", .clientWidth = 4680, .clientHeight = 3495, .controls = kTurkishControls};

}  // namespace

const forms::FormSpec& TodoForm::Layout() const {
    return language_ == Language::English ? kEnglishLayout : kTurkishLayout;
}

// A snapshot: the list is built here once and never follows later ticks.
void TodoForm::Form_Load() {
    ChecklistForm& checklist = language_ == Language::English ? frmEnglish() : frmTurkish();
    forms::Control& list = (*this)[L"List"];
    for (std::wstring_view item : OpenTodoItems(language_, [&](int box) { return checklist.BoxValue(box); }))
        list.AddItem(item);
}
