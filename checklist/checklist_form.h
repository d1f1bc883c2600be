#pragma once
#include "checklist/language.h"
#include "forms/form.h"

// frmEnglish / frmTurkish: the objective grid, the running total and the
// buttons. Both windows run this same code; only the language differs.
class ChecklistForm : public forms::Form {
public:
    explicit ChecklistForm(Language language) : language_(language) {}

    Language WindowLanguage() const { return language_; }
    const forms::FormSpec& Layout() const override;
    void Click(forms::Control& control) override;
    void Timer(forms::Control& control) override;

    // CheckN's Value, or its design value 0 while the window is not loaded.
    int BoxValue(int box);

private:
    void Check_Click(int box);
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Timer1_Timer();
    void WritePage(int page);
    void Form_Unload(int& cancel) override;

    Language language_;
};
