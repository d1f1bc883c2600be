// The checklist window of both languages through its real windows: layout,
// ticking and the total, the result message, paging and the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_windows.h"
#include "checklist/checklist_texts.h"
#include "checklist/objectives.h"
#include "support/app_driver.h"

using namespace testing_app;

namespace {

struct Case {
    Language language;
    const wchar_t* caption;
    std::wstring (*prompt)(const std::wstring& total);
};

const Case kCases[] = {
    {Language::English, L"Corvane 100% Checklist Calculator",
     [](const std::wstring& t) { return L"You have completed " + t + L"% of the game!"; }},
    {Language::Turkish, L"Corvane %100 Kontrol Listesi Hesaplayıcısı",
     [](const std::wstring& t) { return L"Oyun %" + t + L" bitti!"; }},
};

std::wstring Name(const wchar_t* prefix, int n) { return prefix + std::to_wstring(n); }

class Checklist : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        ResetProgram();
        frmOpen().Show();
        Click(Named(frmOpen(), GetParam().language == Language::English ? L"Command1" : L"Command2").Hwnd());
        ASSERT_TRUE(form().IsLoaded());
        Pump(30);
    }
    void TearDown() override { ResetProgram(); }

    forms::Form& form() { return GetParam().language == Language::English ? frmEnglish() : frmTurkish(); }
    forms::Control& box(int n) { return Named(form(), Name(L"Check", n)); }
    forms::Control& label(int n) { return Named(form(), Name(L"Label", n)); }
    std::wstring total() { return Named(form(), L"lbYuzde").Caption(); }
    std::wstring dot(std::wstring text) {  // the total as the user's locale writes it
        wchar_t sep[8] = {};
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
        for (auto& c : text)
            if (c == L'.') c = sep[0];
        return text;
    }
    void GoToPage(int page) {
        ClickScrollArrow(Named(form(), L"Scroll").Hwnd(), page == 2);
        ASSERT_TRUE(PumpUntil([&] { return box(page == 2 ? 15 : 1).Visible(); }));
    }
    std::wstring Calculate() {
        MessageBoxAnswer answer;
        Click(Named(form(), L"Command1").Hwnd());
        EXPECT_TRUE(answer.Wait());
        EXPECT_EQ(answer.title, L"Info");
        return answer.prompt;
    }
};

TEST_P(Checklist, OpensWithItsCaptionSizeAndFourteenClearedBoxes) {
    HWND hwnd = form().Hwnd();
    EXPECT_EQ(WindowText(hwnd), GetParam().caption);
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, 491);
    EXPECT_EQ(client.cy, 474);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);

    for (int n = 1; n <= 21; ++n) {
        EXPECT_EQ(IsWindowVisible(box(n).Hwnd()) != FALSE, n <= 14) << n;
        EXPECT_EQ(box(n).Value(), 0) << n;
    }
    EXPECT_FALSE(Named(form(), L"lbYuzde").Visible());
    EXPECT_EQ(total(), L"0");
    ASSERT_NE(FocusedControl(form()), nullptr);
    EXPECT_EQ(FocusedControl(form())->Name(), L"Check1");
}

TEST_P(Checklist, TicksByMouseAndSpaceMoveTheTotalAndCalculateReportsIt) {
    EXPECT_EQ(Calculate(), GetParam().prompt(L"0"));
    SetFocus(box(1).Hwnd());
    PressKey(VK_SPACE);  // Check1 has the focus
    EXPECT_EQ(box(1).Value(), 1);
    EXPECT_EQ(total(), L"60");
    Click(box(9).Hwnd());
    EXPECT_EQ(total(), dot(L"61.67"));
    EXPECT_EQ(Calculate(), GetParam().prompt(dot(L"61.67")));
    EXPECT_EQ(Calculate(), GetParam().prompt(dot(L"61.67")));  // reading changes nothing
    Click(box(9).Hwnd());
    Click(box(1).Hwnd());
    EXPECT_EQ(total(), L"0");
}

TEST_P(Checklist, ClearingTheMainStoryLeavesTheExactSumNotADriftingOne) {
    const wchar_t* expected[] = {L"60", L"61.67", L"63.34", L"65.01", L"66.68"};
    const int ticks[] = {1, 6, 7, 8, 9};
    for (int i = 0; i < 5; ++i) {
        Click(box(ticks[i]).Hwnd());
        EXPECT_EQ(total(), dot(expected[i]));
    }
    const wchar_t* afterClears[] = {L"6.68", L"5.01", L"3.34", L"1.67", L"0"};
    for (int i = 0; i < 5; ++i) {
        Click(box(ticks[i]).Hwnd());
        EXPECT_EQ(total(), dot(afterClears[i]));
    }
    EXPECT_EQ(Calculate(), GetParam().prompt(L"0"));
}

TEST_P(Checklist, ThePageFollowsTheScrollBarAndTicksSurviveIt) {
    const Language language = GetParam().language;
    GoToPage(2);
    for (int n = 1; n <= 21; ++n) EXPECT_EQ(IsWindowVisible(box(n).Hwnd()) != FALSE, n >= 15) << n;
    for (int row = 1; row <= 7; ++row) {
        const ObjectiveTexts& texts = ObjectiveAt(2, row)->*(language == Language::English ? kEnglishChecklist : kTurkishChecklist).grid;
        EXPECT_EQ(label(3 * row + 4).Caption(), texts.category);
        EXPECT_EQ(label(3 * row + 5).Caption(), texts.objective);
        EXPECT_EQ(label(3 * row + 6).Caption(), texts.percentage);
    }
    for (int n = 28; n <= 48; ++n) EXPECT_FALSE(label(n).Visible()) << n;

    Click(box(17).Hwnd());  // page 2, row 3: 5 points
    GoToPage(1);
    for (int n = 1; n <= 21; ++n) EXPECT_EQ(IsWindowVisible(box(n).Hwnd()) != FALSE, n <= 14) << n;
    for (int row = 1; row <= 14; ++row) {
        const ObjectiveTexts& texts = ObjectiveAt(1, row)->*(language == Language::English ? kEnglishChecklist : kTurkishChecklist).grid;
        const int first = row <= 10 ? 3 * row + 4 : 3 * row + 6;  // rows 11 to 14 run right to left
        EXPECT_EQ(label(first).Caption(), texts.category) << row;
        EXPECT_EQ(label(3 * row + 5).Caption(), texts.objective) << row;
        EXPECT_TRUE(label(3 * row + 5).Visible()) << row;
    }
    EXPECT_EQ(box(17).Value(), 1);
    Click(box(1).Hwnd());
    EXPECT_EQ(Calculate(), GetParam().prompt(L"65"));

    GoToPage(2);
    Click(box(17).Hwnd());
    EXPECT_EQ(total(), L"60");
}

TEST_P(Checklist, TabRunsThroughTheVisibleControlsOfEachPage) {
    auto walk = [&](int steps) {
        std::vector<std::wstring> names;
        for (int i = 0; i < steps; ++i) {
            PressKey(VK_TAB);
            forms::Control* focused = FocusedControl(form());
            names.push_back(focused ? std::wstring(focused->Name()) : L"?");
        }
        return names;
    };
    std::vector<std::wstring> page1;
    for (int n = 2; n <= 14; ++n) page1.push_back(Name(L"Check", n));
    for (const wchar_t* n : {L"Command1", L"Command4", L"Scroll", L"Command2", L"Check1"}) page1.push_back(n);
    EXPECT_EQ(walk(static_cast<int>(page1.size())), page1);

    GoToPage(2);
    SetFocus(Named(form(), L"Command1").Hwnd());
    std::vector<std::wstring> page2;
    for (int n = 15; n <= 21; ++n) page2.push_back(Name(L"Check", n));
    for (const wchar_t* n : {L"Command4", L"Scroll", L"Command2", L"Command1"}) page2.push_back(n);
    EXPECT_EQ(walk(static_cast<int>(page2.size())), page2);
}

TEST_P(Checklist, GridLinesShowWholeOverTheLabels) {
    RedrawWindow(form().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(form().Hwnd());
    const COLORREF line = GetSysColor(COLOR_HIGHLIGHT);
    // The line under row 1 (its cells' bottom pixel row) and the lines closing row 10.
    for (int y : {120, 336, 360})
        for (int x = 9; x < 456; x += 7) EXPECT_EQ(GetPixel(dc, x, y), line) << x << "," << y;
    // The side lines of the objective column, also where Turkish Label8 crosses them.
    for (int y = 97; y < 420; y += 3) {
        EXPECT_EQ(GetPixel(dc, 104, y), line) << y;
        EXPECT_EQ(GetPixel(dc, 336, y), line) << y;
    }
    ReleaseDC(form().Hwnd(), dc);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Checklist, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.language == Language::English ? "English" : "Turkish"; });

TEST(TurkishChecklist, TheFirstTickCorrectsTheRow7Caption) {
    ResetProgram();
    frmTurkish().Show();
    EXPECT_EQ(Named(frmTurkish(), L"Label26").Caption(), L"Brucie - Özel yetenek");
    Pump(30);
    EXPECT_EQ(Named(frmTurkish(), L"Label26").Caption(), L"Brucie - Özel Yetenek");
    EXPECT_EQ(Named(frmTurkish(), L"Label29").Caption(), L"Jacob - Özel yetenek");
    ResetProgram();
}

TEST(ChecklistLocale, TheTotalFollowsTheUsersDecimalSeparator) {
    wchar_t saved[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L","));
    ResetProgram();
    frmEnglish().Show();
    Click(Named(frmEnglish(), L"Check1").Hwnd());
    Click(Named(frmEnglish(), L"Check9").Hwnd());
    EXPECT_EQ(Named(frmEnglish(), L"lbYuzde").Caption(), L"61,67");
    MessageBoxAnswer answer;
    Click(Named(frmEnglish(), L"Command1").Hwnd());
    EXPECT_TRUE(answer.Wait());
    EXPECT_EQ(answer.prompt, L"You have completed 61,67% of the game!");
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
    ResetProgram();
}

}  // namespace
