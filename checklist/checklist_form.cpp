#include "checklist/checklist_form.h"

#include <array>
#include <string>

#include "about/about_form.h"
#include "app/chooser_form.h"
#include "app/windows.h"
#include "checklist/checklist_layout.h"
#include "checklist/completion_total.h"
#include "checklist/objectives.h"
#include "checklist/paging.h"
#include "forms/locale_number.h"
#include "forms/program.h"
#include "todo/todo_form.h"

namespace {

template <size_t N>
std::array<std::wstring, N + 1> NumberedNames(const wchar_t* prefix) {
    std::array<std::wstring, N + 1> names;
    for (size_t n = 1; n <= N; ++n) names[n] = prefix + std::to_wstring(n);
    return names;
}

// Names are built once: the timer looks up 65 controls every millisecond.
const std::wstring& CheckName(int box) {
    static const auto names = NumberedNames<21>(L"Check");
    return names[static_cast<size_t>(box)];
}

const std::wstring& LabelName(int number) {
    static const auto names = NumberedNames<48>(L"Label");
    return names[static_cast<size_t>(number)];
}

constexpr UINT kInformation = 64;  // OK button and the information icon

}  // namespace

const forms::FormSpec& ChecklistForm::Layout() const { return ChecklistFormSpec(language_); }

int ChecklistForm::BoxValue(int box) { return IsLoaded() ? (*this)[CheckName(box)].Value() : 0; }

void ChecklistForm::Click(forms::Control& control) {
    const std::wstring_view name = control.Name();
    if (name.starts_with(L"Check")) Check_Click(std::stoi(std::wstring(name.substr(5))));
    else if (name == L"Command1") Command1_Click();
    else if (name == L"Command2") Command2_Click();
    else if (name == L"Command4") Command4_Click();
}

void ChecklistForm::Timer(forms::Control& control) {
    if (control.Name() == L"Timer1") Timer1_Timer();
}

// One routine for all 21 boxes of both windows: the box's new Value decides
// between adding and subtracting its weight to the total kept in lbYuzde.
void ChecklistForm::Check_Click(int box) {
    auto& self = *this;
    const bool ticked = self[CheckName(box)].Value() == 1;
    forms::Control& total = self[L"lbYuzde"];
    const std::wstring text = total.Caption();
    total.SetCaption(ApplyTick(text, ObjectiveOfBox(box).weight, ticked, forms::UserDecimalSeparator()));
}

void ChecklistForm::Command1_Click() {
    const std::wstring total = (*this)[L"lbYuzde"].Caption();
    const std::wstring prompt = language_ == Language::English ? L"You have completed " + total + L"% of the game!"
                                                               : L"Oyun %" + total + L" bitti!";
    forms::MsgBox(prompt, kInformation, L"Info");
}

void ChecklistForm::Command2_Click() {
    if (language_ == Language::English) frmTodo().Show();
    else frmTodoTR().Show();
}

void ChecklistForm::Command4_Click() {
    if (language_ == Language::English) Form1().Show();
    else Form2().Show();
}

// The grid follows the scroll bar: polled, with no page remembered anywhere.
void ChecklistForm::Timer1_Timer() {
    auto& scroll = (*this)[L"Scroll"];
    if (WritesPageTwo(scroll.Value())) WritePage(2);
    if (WritesPageOne(scroll.Value())) WritePage(1);
}

void ChecklistForm::WritePage(int page) {
    auto& self = *this;
    const bool first = page == 1;
    for (int box = 1; box <= 14; ++box) self[CheckName(box)].SetVisible(first);
    for (int box = 15; box <= 21; ++box) self[CheckName(box)].SetVisible(!first);
    for (int row = 1; row <= 7; ++row) {
        const ObjectiveTexts& texts = ObjectiveAt(page, row)->Texts(language_);
        self[LabelName(3 * row + 4)].SetCaption(texts.category);
        self[LabelName(3 * row + 5)].SetCaption(texts.objective);
        self[LabelName(3 * row + 6)].SetCaption(texts.percentage);
    }
    for (int number = 28; number <= 48; ++number) self[LabelName(number)].SetVisible(first);
}

// Closing the checklist closes the whole program. Unloading a window that is
// not loaded, or this one while it unloads, does nothing.
void ChecklistForm::Form_Unload(int& cancel) {
    (void)cancel;
    frmEnglish().Unload();
    frmTodo().Unload();
    frmOpen().Unload();
    frmTurkish().Unload();
    Form1().Unload();
    Form2().Unload();
    frmTodoTR().Unload();
}
