#pragma once
// frmOpen: asks once, in both languages, which checklist to open.
#include <functional>

#include "forms/form.h"

struct ChooserLinks {
    std::function<void()> showEnglish;  // the English checklist window
    std::function<void()> showTurkish;  // the Turkish checklist window
};

class ChooserForm : public forms::Form {
public:
    explicit ChooserForm(ChooserLinks links);

private:
    void Event(int place) override;
    void Command1_Click();
    void Command2_Click();

    ChooserLinks links_;
};
