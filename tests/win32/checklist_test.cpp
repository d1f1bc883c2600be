// The checklist window of both languages through its real windows: paging,
// the keyboard, pixels, the result box, the note, and an idle window's cost.
#include <string>
#include <vector>

#include "forms/painting.h"
#include "forms/program.h"
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
        std::wstring shownItems;  // Check1 to Check21, then the cells of rows 8 to 14
        for (int n = 1; n <= 21; ++n) shownItems += IsWindowVisible(Item(L"Check", n).Hwnd()) ? L'x' : L'-';
        for (int n = 28; n <= 48; ++n) shownItems += Item(L"Label", n).Visible() ? L'x' : L'-';
        EXPECT_EQ(shownItems, page == 1 ? L"xxxxxxxxxxxxxx-------" + std::wstring(21, L'x') : L"--------------xxxxxxx" + std::wstring(21, L'-'));
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

TEST_P(Checklist, ThePageFollowsTheScrollBar) {
    EXPECT_FALSE(Named(form(), L"lbYuzde").Visible()) << "the total never shows";
    ExpectPage(1);  // after the first tick, row 7 reads as the table has it
    GoToPage(2);
    ExpectPage(2);
    GoToPage(1);
    ExpectPage(1);
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
std::wstring g_prompt;
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

TEST_P(Checklist, AnIdleWindowPaintsNothingAndAPageSwitchPaintsOnceKeepingNoGdiObject) {
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
    g_prompt = driver::Text(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    KillTimer(nullptr, timer);
}

// The user changes the decimal separator while the window is open: the total
// reads on, and the result box and the next tick use the new separator.
TEST_P(Checklist, CalculateShowsTheTotalAsTheUserWritesItNowInAnInformationBox) {
    wchar_t saved[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L".");
    for (int box : {1, 9}) Press(Item(L"Check", box).Hwnd());
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L"::");
    g_icon = nullptr;
    g_buttons = 0;
    SetTimer(nullptr, 0, 50, AnswerTheBox);
    Press(Named(form(), L"Command1").Hwnd());
    EXPECT_EQ(g_prompt, GetParam()->promptBefore + L"61::67" + GetParam()->promptAfter);
    EXPECT_EQ(g_icon, LoadIconW(nullptr, IDI_INFORMATION)) << "the information icon";
    EXPECT_EQ(g_buttons, 1) << "OK alone";
    Press(Item(L"Check", 17).Hwnd());
    EXPECT_EQ(Named(form(), L"lbYuzde").Caption(), L"66::67");
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
}

TEST_P(Checklist, TheNoteUnderTheGridReadsWholeInTwoLines) {
    const std::vector<std::wstring> lines[] = {{L"Note: The calculator usually", L"calculates extra 0,02%."},
                                              {L"Not: Hesaplayıcı genellikle", L"fazladan %0,02 hesaplar."}};
    HDC dc = GetDC(form().Hwnd());
    HGDIOBJ old = SelectObject(dc, forms::DefaultFont());
    const auto shown = forms::LabelLines(dc, Named(form(), L"Label49"));
    SelectObject(dc, old);
    ReleaseDC(form().Hwnd(), dc);
    EXPECT_EQ(std::vector<std::wstring>(shown.begin(), shown.end()), lines[GetParam() == &expected::kTurkish]);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Checklist, kBothLanguages, LanguageName);

}  // namespace
