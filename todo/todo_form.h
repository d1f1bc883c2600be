#pragma once
#include "checklist/language.h"
#include "forms/form.h"

// frmTodo / frmTodoTR: the open objectives of the checklist window of the
// same language, as they were when this window loaded.
class TodoForm : public forms::Form {
public:
    explicit TodoForm(Language language) : language_(language) {}
    const forms::FormSpec& Layout() const override;

private:
    void Form_Load() override;
    Language language_;
};
