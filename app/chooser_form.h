#pragma once
#include "forms/form.h"

// frmOpen: asks once, in both languages, which checklist to open.
class ChooserForm : public forms::Form {
public:
    const forms::FormSpec& Layout() const override;
    void Click(forms::Control& control) override;

private:
    void Command1_Click();
    void Command2_Click();
};
