#pragma once
// frmEnglish / frmTurkish: the objective grid, the running total and the
// buttons. Both windows run this same code; their texts record is all that
// differs, and what they open is given to them when they are built.
#include <functional>
#include <string>

#include "checklist/checklist_texts.h"
#include "forms/form.h"

struct ChecklistLinks {
    std::function<void()> showTodo;   // the to-do window of the same language
    std::function<void()> showAbout;  // the About window of the same language
    std::function<void()> unloadAll;  // every window of the program, in the closing order
};

class ChecklistForm : public forms::Form {
public:
    ChecklistForm(const ChecklistTexts& texts, ChecklistLinks links);

    // CheckN's Value, or its design value 0 while the window is not loaded.
    int BoxValue(int box);

private:
    void Event(int place) override;
    void Form_Unload() override;

    void Check_Click(int box);
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Timer1_Timer();
    void WritePage(int page);

    const ChecklistTexts& texts_;
    ChecklistLinks links_;
    // The decimal separator of the total's text: the user may change it while
    // the window is open, and the total must still read.
    std::wstring writtenWith_ = L".";
};
