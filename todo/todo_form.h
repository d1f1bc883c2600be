#pragma once
// frmTodo / frmTodoTR: the open objectives of the checklist window of the
// same language, as they were when this window loaded.
#include <functional>

#include "forms/form.h"
#include "todo/todo_texts.h"

struct TodoLinks {
    std::function<int(int box)> boxValue;  // CheckN's Value in the checklist window of the same language
};

class TodoForm : public forms::Form {
public:
    TodoForm(const TodoTexts& texts, TodoLinks links);

private:
    void Form_Load() override;

    const TodoTexts& texts_;
    TodoLinks links_;
};
