#include "todo/todo_form.h"

#include "todo/todo_items.h"
#include "todo/todo_layout.h"

namespace {
constexpr int kList = forms::IndexOf(TodoLayout(kEnglishTodo), L"List");
}

TodoForm::TodoForm(const TodoTexts& texts, TodoLinks links)
    : Form(TodoLayout(texts)), texts_(texts), links_(std::move(links)) {}

// A snapshot: the list is built here once and never follows later ticks.
void TodoForm::Form_Load() {
    forms::Control& list = (*this)[kList];
    for (std::wstring_view item : OpenTodoItems(texts_, links_.boxValue)) list.AddItem(item);
}
