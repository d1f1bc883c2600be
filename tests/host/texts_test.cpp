// The texts of the windows as they load, where no window shows them whole to
// another program (labels are painted, not windows), and the weight of each
// box, against the tests' own copy of what the player sees.
#include <gtest/gtest.h>

#include <string>

#include "app/chooser_layout.h"
#include "checklist/checklist_layout.h"
#include "checklist/objectives.h"
#include "support/player_texts.h"
#include "todo/todo_layout.h"

namespace {

std::wstring CaptionOf(const forms::FormSpec& form, const std::wstring& name) {
    for (const forms::ControlSpec& control : form.controls)
        if (control.name == name) return std::wstring(control.caption);
    return L"(no control " + name + L")";
}

TEST(ChecklistWindow, LoadsWithTheTextsThePlayerSees) {
    for (const auto& [seen, texts] : {std::pair{&expected::kEnglish, &kEnglishChecklist}, {&expected::kTurkish, &kTurkishChecklist}}) {
        const forms::FormSpec form = ChecklistLayout(*texts);
        EXPECT_EQ(std::wstring(form.caption), seen->caption);
        const std::pair<const wchar_t*, std::wstring> fixed[] = {
            {L"Label1", seen->help}, {L"Label2", seen->helpParagraph}, {L"Label3", seen->headings[0]},
            {L"Label4", seen->headings[1]}, {L"Label5", seen->headings[2]}, {L"Label6", seen->headings[3]},
            {L"Label49", seen->note}, {L"Command1", seen->calculate}, {L"Command2", seen->toDoList},
            {L"Command4", seen->about}, {L"lbYuzde", L"0"}};
        for (const auto& [name, text] : fixed) EXPECT_EQ(CaptionOf(form, name), text);
        // Three cells a row, numbered left to right in rows 1 to 10 and right to left in rows 11 to 14.
        for (int row = 1; row <= 14; ++row) {
            const expected::Cells& r = expected::kRows[static_cast<size_t>(row - 1)].*seen->cells;
            const int left = row <= 10 ? 3 * row + 4 : 3 * row + 6, right = row <= 10 ? 3 * row + 6 : 3 * row + 4;
            EXPECT_EQ(CaptionOf(form, L"Label" + std::to_wstring(left)), r.category) << "row " << row;
            EXPECT_EQ(CaptionOf(form, L"Label" + std::to_wstring(3 * row + 5)), row == 7 ? seen->row7AtLoad : r.objective);
            EXPECT_EQ(CaptionOf(form, L"Label" + std::to_wstring(right)), r.percentage) << "row " << row;
        }
    }
}

TEST(ChooserAndToDoWindows, LoadWithTheTextsThePlayerSees) {
    EXPECT_EQ(CaptionOf(ChooserLayout(), L"Label2"), expected::kChooserTitle);
    EXPECT_EQ(CaptionOf(ChooserLayout(), L"Label1"), expected::kChooserFrame);
    EXPECT_EQ(CaptionOf(TodoLayout(kEnglishTodo), L"Label1"), expected::kEnglish.todoHeading);
    EXPECT_EQ(CaptionOf(TodoLayout(kTurkishTodo), L"Label1"), expected::kTurkish.todoHeading);
}

TEST(Objectives, EachBoxWeighsWhatItsPercentageSays) {
    for (const expected::Row& row : expected::kRows)
        EXPECT_EQ(ObjectiveOfBox(row.box).weight, row.hundredths / 100.0) << "Check" << row.box;
}

}  // namespace
