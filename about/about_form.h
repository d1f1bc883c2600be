#pragma once
#include "checklist/language.h"
#include "forms/form.h"

// Form1 / Form2: the About text, read-only; the window has no code of its own.
class AboutForm : public forms::Form {
public:
    explicit AboutForm(Language language) : language_(language) {}
    const forms::FormSpec& Layout() const override;

private:
    Language language_;
};
