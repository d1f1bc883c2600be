// The windows' layouts: their texts as they load, where no window shows them
// whole to another program (labels are painted, not windows), against the
// tests' own copy of what the player sees; the page rule; the grid's lines.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/chooser_layout.h"
#include "checklist/checklist_layout.h"
#include "checklist/paging.h"
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

// The timer's page rule: 11 runs both writes and so ends on page 1.
TEST(Paging, TheScrollBarsValueSelectsTheWrites) {
    for (const auto& [value, two, one] : {std::tuple{-1, false, true}, {10, false, true}, {11, true, true}, {12, true, false}}) {
        EXPECT_EQ(WritesPageTwo(value), two) << value;
        EXPECT_EQ(WritesPageOne(value), one) << value;
    }
}

// At 96, 120 and 144 DPI, a line 15 twips wide that two rectangles (or a
// rectangle and the cells that end on it) share lies on one pixel row or
// column for both: the last pixel of each is where a line starting 15 twips
// before its edge starts.
TEST(Grid, SharedLinesStayOnePixelAtEveryDpi) {
    for (int dpi : {96, 120, 144}) {
        for (const forms::ControlSpec& c : ChecklistLayout(kTurkishChecklist).controls) {
            if (c.kind != forms::ControlKind::Shape && !(c.kind == forms::ControlKind::Label && c.rect.top >= 1200)) continue;
            const forms::PixelRect r = forms::ToPixels(c.rect, dpi);
            EXPECT_EQ(r.right - 1, forms::TwipsToPixels(c.rect.left + c.rect.width - 15, dpi)) << std::wstring(c.name) << ", " << dpi;
            EXPECT_EQ(r.bottom - 1, forms::TwipsToPixels(c.rect.top + c.rect.height - 15, dpi)) << std::wstring(c.name) << ", " << dpi;
        }
    }
}

}  // namespace
