// The checklist window of both languages through its real windows: the
// window, paging, the keyboard, pixels, the result box, run-time errors, and
// an idle window's cost.
#include <string>
#include <vector>

#include "app/program_windows.h"
#include "support/app_driver.h"
#include "support/driver.h"

using namespace app;

namespace {

class Checklist : public ::testing::TestWithParam<const expected::Language*> {
protected:
    void SetUp() override {
        ResetProgram();
        form().Show();
        Pump(50);
    }
    void TearDown() override { ResetProgram(); }

    forms::Form& form() { return Of(*GetParam()).checklist; }
    forms::Control& Item(const wchar_t* prefix, int n) { return Named(form(), prefix + std::to_wstring(n)); }
    void GoToPage(int page) {
        SendMessageW(form().Hwnd(), WM_VSCROLL, page == 2 ? SB_LINEDOWN : SB_LINEUP, LPARAM(Named(form(), L"Scroll").Hwnd()));
        ASSERT_TRUE(PumpUntil([&] { return Item(L"Check", page == 2 ? 15 : 1).Visible(); })) << "page " << page;
    }
    // What rows 1 to 7 show, and the boxes that show, against what the player should see on a page.
    void ExpectPage(int page) {
        std::vector<std::wstring> shown, seen;
        for (int row = 0; row < 7; ++row) {
            const expected::Cells& r = expected::kRows[static_cast<size_t>(row + (page == 1 ? 0 : 14))].*GetParam()->cells;
            seen.push_back(r.category + L"|" + r.objective + L"|" + r.percentage);
            shown.push_back(Item(L"Label", 3 * row + 7).Caption() + L"|" + Item(L"Label", 3 * row + 8).Caption() + L"|" +
                            Item(L"Label", 3 * row + 9).Caption());
        }
        EXPECT_EQ(shown, seen);
        std::wstring boxes, rows;  // Check1 to Check21; the cells of rows 8 to 14
        for (int n = 1; n <= 21; ++n) boxes += IsWindowVisible(Item(L"Check", n).Hwnd()) ? L'x' : L'-';
        for (int n = 28; n <= 48; ++n) rows += Item(L"Label", n).Visible() ? L'x' : L'-';
        EXPECT_EQ(boxes, page == 1 ? L"xxxxxxxxxxxxxx-------" : L"--------------xxxxxxx") << "check boxes shown";
        EXPECT_EQ(rows, std::wstring(21, page == 1 ? L'x' : L'-')) << "cells of rows 8 to 14 shown";
    }
    std::wstring TabWalk(int steps) {
        std::wstring names;
        for (int i = 0; i < steps; ++i) {
            driver::PressChord({VK_TAB});
            Pump(30);
            names += (i ? L" " : L"") + FocusedName(form());
        }
        return names;
    }
};

TEST_P(Checklist, ThePageFollowsTheScrollBarAndTicksSurviveIt) {
    EXPECT_FALSE(Named(form(), L"lbYuzde").Visible()) << "the total never shows";
    ExpectPage(1);  // after the first tick, row 7 reads as the table has it
    GoToPage(2);
    ExpectPage(2);
    Press(Item(L"Check", 17).Hwnd());
    GoToPage(1);
    ExpectPage(1);
    EXPECT_EQ(Item(L"Check", 17).Value(), 1);
    EXPECT_EQ(Named(form(), L"lbYuzde").Caption(), L"5");
}

TEST_P(Checklist, TabRunsThroughTheVisibleControlsOfEachPage) {
    EXPECT_EQ(TabWalk(18), L"Check2 Check3 Check4 Check5 Check6 Check7 Check8 Check9 Check10 Check11 Check12 Check13 "
                           L"Check14 Command1 Command4 Scroll Command2 Check1");
    GoToPage(2);
    SetFocus(Named(form(), L"Command1").Hwnd());
    EXPECT_EQ(TabWalk(11), L"Check15 Check16 Check17 Check18 Check19 Check20 Check21 Command4 Scroll Command2 Command1");
}

// The rectangles stand before the labels in stored order, so they are drawn over them.
TEST_P(Checklist, GridLinesShowWholeOverTheLabels) {
    RedrawWindow(form().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(form().Hwnd());
    int broken = 0;
    for (int y : {120, 336, 360})  // under row 1, where its cells end; the lines closing row 10
        for (int x = 9; x < 456; ++x) broken += GetPixel(dc, x, y) != GetSysColor(COLOR_HIGHLIGHT);
    for (int y = 97; y < 420; ++y)  // the objective column's sides, which the Turkish Label8 crosses
        for (int x : {104, 336}) broken += GetPixel(dc, x, y) != GetSysColor(COLOR_HIGHLIGHT);
    ReleaseDC(form().Hwnd(), dc);
    EXPECT_EQ(broken, 0) << "pixels missing from the grid lines";
}

int g_paints = 0, g_erases = 0, g_buttons = 0;
HWND g_form = nullptr;
HICON g_icon = nullptr;
LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* posted = reinterpret_cast<const MSG*>(lParam);
    g_paints += posted->hwnd == g_form && posted->message == WM_PAINT;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK CountErases(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    g_erases += sent->hwnd == g_form && sent->message == WM_ERASEBKGND;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_P(Checklist, AnIdleWindowPaintsNothingAndAPageSwitchPaintsOnce) {
    g_form = form().Hwnd();
    g_paints = g_erases = 0;
    HHOOK posted = SetWindowsHookExW(WH_GETMESSAGE, CountPaints, nullptr, GetCurrentThreadId()),
          sent = SetWindowsHookExW(WH_CALLWNDPROC, CountErases, nullptr, GetCurrentThreadId());
    Pump(1000);  // about a hundred timer ticks, each rewriting 63 properties with what they hold
    EXPECT_EQ(g_paints + g_erases, 0) << "paints of a window nobody touched";
    GoToPage(2);
    Pump(100);
    UnhookWindowsHookEx(posted);
    UnhookWindowsHookEx(sent);
    EXPECT_EQ(g_paints, 1) << "paints of one page switch";
    EXPECT_EQ(g_erases, 0) << "pieces of the window erased on the way";
}

TEST_P(Checklist, PaintingKeepsNoGdiObject) {
    const int before = GdiObjectCount();
    for (int i = 0; i < 50; ++i) RedrawWindow(form().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GdiObjectCount(), before) << "GDI objects kept by 50 paints";
}

// The result box, read and answered by a timer that runs inside its modal loop.
VOID CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = driver::WaitForTop(GetCurrentProcessId(), expected::kInfoTitle, L"#32770", 0);
    if (!box) return;
    for (HWND icon : driver::Children(box, L"Static"))
        if ((GetWindowLongW(icon, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) g_icon = HICON(SendMessageW(icon, STM_GETICON, 0, 0));
    for (HWND button : driver::Children(box, L"Button")) g_buttons += IsWindowVisible(button);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    KillTimer(nullptr, timer);
}

TEST_P(Checklist, CalculateShowsTheInformationIconAndOneButton) {
    g_icon = nullptr;
    g_buttons = 0;
    SetTimer(nullptr, 0, 50, AnswerTheBox);
    Press(Named(form(), L"Command1").Hwnd());
    EXPECT_EQ(g_icon, LoadIconW(nullptr, IDI_INFORMATION));
    EXPECT_EQ(g_buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Checklist, kBothLanguages, LanguageName);

// A run-time error inside a handler: the standard message, once, then the
// process ends with the error's number. Each fault runs in a child process:
// this executable again, running one of the disabled scenarios.
void TickWithTotal(const wchar_t* total) {
    frmEnglish().Show();
    Named(frmEnglish(), L"lbYuzde").SetCaption(total);
    Press(Named(frmEnglish(), L"Check1").Hwnd());
    Pump(5000);  // not reached: the error ends the process
}

TEST(FaultScenario, DISABLED_TotalIsNotANumber) { TickWithTotal(L"abc"); }
TEST(FaultScenario, DISABLED_TotalOverflows) { TickWithTotal(L"1.79769313486232E+308"); }

TEST(Faults, ReportTheStandardMessageOnceThenEndTheProcessWithTheNumber) {
    const struct { const wchar_t* scenario; const wchar_t* message; DWORD exitCode; } faults[] = {
        {L"TotalIsNotANumber", L"Run-time error '13':\n\nType mismatch", 13},
        {L"TotalOverflows", L"Run-time error '6':\n\nOverflow", 6}};
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (const auto& fault : faults) {
        driver::Process child;
        ASSERT_TRUE(child.Start(self, std::wstring(L"--gtest_also_run_disabled_tests --gtest_filter=*") + fault.scenario));
        HWND box = driver::WaitForTop(child.Id(), expected::kErrorTitle, L"#32770");
        ASSERT_NE(box, nullptr) << driver::Describe(child.Id());
        EXPECT_EQ(driver::Text(GetDlgItem(box, 0xFFFF)), fault.message);
        Sleep(200);  // timer ticks arrive meanwhile: they must raise no second message
        EXPECT_EQ(driver::TopWindows(child.Id()).size(), 2u) << "one message\n" << driver::Describe(child.Id());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        DWORD code = 0;
        EXPECT_TRUE(child.WaitExit(10000, &code) && code == fault.exitCode) << "exit code " << code;
    }
}

}  // namespace
