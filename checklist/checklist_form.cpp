#include "checklist/checklist_form.h"

#include <array>
#include <string>

#include "checklist/checklist_layout.h"
#include "checklist/completion_total.h"
#include "checklist/objectives.h"
#include "checklist/paging.h"
#include "forms/events.h"
#include "forms/locale_number.h"
#include "forms/number_text.h"
#include "forms/program.h"

namespace {

// The places of the controls the code uses, found in the layout while
// compiling: both languages share one stored order.
struct Places {
    int total, scroll, timer, calculate, toDoList, about;
    std::array<int, kObjectiveCount + 1> box;  // at [N] for CheckN
    std::array<int, 49> label;                 // at [N] for LabelN, 7..48
};

constexpr Places FindPlaces() {
    const forms::FormSpec layout = ChecklistLayout(kEnglishChecklist);
    Places at{forms::IndexOf(layout, L"lbYuzde"),  forms::IndexOf(layout, L"Scroll"),
              forms::IndexOf(layout, L"Timer1"),   forms::IndexOf(layout, L"Command1"),
              forms::IndexOf(layout, L"Command2"), forms::IndexOf(layout, L"Command4"), {}, {}};
    for (int n = 1; n <= kObjectiveCount; ++n) at.box[n] = forms::IndexOf(layout, L"Check", n);
    for (int n = 7; n <= 48; ++n) at.label[n] = forms::IndexOf(layout, L"Label", n);
    return at;
}

constexpr Places kAt = FindPlaces();

}  // namespace

ChecklistForm::ChecklistForm(const ChecklistTexts& texts, ChecklistLinks links)
    : Form(ChecklistLayout(texts)), texts_(texts), links_(std::move(links)) {}

int ChecklistForm::BoxValue(int box) { return IsLoaded() ? (*this)[kAt.box[box]].Value() : 0; }

void ChecklistForm::Event(int place) {
    static constexpr auto kHandlers = [] {
        std::array<forms::Handler<ChecklistForm>, kObjectiveCount + 4> handlers{};
        for (int box = 1; box <= kObjectiveCount; ++box)
            handlers[box - 1] = {kAt.box[box], &ChecklistForm::Check_Click, box};
        handlers[21] = {kAt.calculate, &ChecklistForm::Command1_Click};
        handlers[22] = {kAt.toDoList, &ChecklistForm::Command2_Click};
        handlers[23] = {kAt.about, &ChecklistForm::Command4_Click};
        handlers[24] = {kAt.timer, &ChecklistForm::Timer1_Timer};
        return handlers;
    }();
    forms::Dispatch<ChecklistForm>(kHandlers, *this, place);
}

// One routine for all 21 boxes of both windows: the box's new Value decides
// between adding and subtracting its weight to the total kept in lbYuzde.
void ChecklistForm::Check_Click(int box) {
    auto& self = *this;
    const bool ticked = self[kAt.box[box]].Value() == 1;
    forms::Control& total = self[kAt.total];
    const std::wstring text = total.Caption(), separator = forms::UserDecimalSeparator();
    total.SetCaption(ApplyTick(text, writtenWith_, ObjectiveOfBox(box).weight, ticked, separator));
    writtenWith_ = separator;
}

void ChecklistForm::Command1_Click() {
    std::wstring total = (*this)[kAt.total].Caption();
    // The total as the user's separator writes it now, whichever it was written with.
    if (const std::wstring separator = forms::UserDecimalSeparator(); separator != writtenWith_)
        total = forms::NumberToText(forms::TextToNumber(total, writtenWith_), separator);
    const std::wstring prompt = std::wstring(texts_.promptBefore) + total + std::wstring(texts_.promptAfter);
    forms::MsgBox(prompt, MB_OK | MB_ICONINFORMATION, L"Info");
}

void ChecklistForm::Command2_Click() { links_.showTodo(); }

void ChecklistForm::Command4_Click() { links_.showAbout(); }

// The grid follows the scroll bar: polled, with no page remembered anywhere.
void ChecklistForm::Timer1_Timer() {
    auto& scroll = (*this)[kAt.scroll];
    if (WritesPageTwo(scroll.Value())) WritePage(2);
    if (WritesPageOne(scroll.Value())) WritePage(1);
}

void ChecklistForm::WritePage(int page) {
    auto& self = *this;
    const bool first = page == 1;
    for (int box = 1; box <= 14; ++box) self[kAt.box[box]].SetVisible(first);
    for (int box = 15; box <= 21; ++box) self[kAt.box[box]].SetVisible(!first);
    for (int row = 1; row <= 7; ++row) {
        const ObjectiveTexts& texts = ObjectiveAt(page, row)->*texts_.grid;
        self[kAt.label[3 * row + 4]].SetCaption(texts.category);
        self[kAt.label[3 * row + 5]].SetCaption(texts.objective);
        self[kAt.label[3 * row + 6]].SetCaption(texts.percentage);
    }
    for (int number = 28; number <= 48; ++number) self[kAt.label[number]].SetVisible(first);
}

// Closing the checklist closes the whole program.
void ChecklistForm::Form_Unload() { links_.unloadAll(); }
