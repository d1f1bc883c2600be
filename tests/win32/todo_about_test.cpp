// The to-do and About windows, the buttons that open them, and closing the
// program from the checklist window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/about_texts.h"
#include "app/program_windows.h"
#include "forms/program.h"
#include "support/app_driver.h"
#include "support/child_process.h"
#include "todo/todo_items.h"
#include "todo/todo_texts.h"

using namespace testing_app;

namespace {

class Windows : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        ResetProgram();
        checklist().Show();
        Pump(20);
    }
    void TearDown() override { ResetProgram(); }

    bool english() const { return GetParam() == Language::English; }
    forms::Form& checklist() { return english() ? frmEnglish() : frmTurkish(); }
    forms::Form& todo() { return english() ? frmTodo() : frmTodoTR(); }
    forms::Form& about() { return english() ? Form1() : Form2(); }
    std::wstring_view AboutText() const { return (english() ? kEnglishAbout : kTurkishAbout).text; }
    void Tick(int box) { Click(Named(checklist(), L"Check" + std::to_wstring(box)).Hwnd()); }
    void Press(const wchar_t* button) { Click(Named(checklist(), button).Hwnd()); }

    std::vector<std::wstring> Items() {
        HWND list = Named(todo(), L"List").Hwnd();
        std::vector<std::wstring> items;
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::vector<std::wstring> OpenExcept(std::initializer_list<int> ticked) {
        std::vector<std::wstring> items;
        for (std::wstring_view item : OpenTodoItems(english() ? kEnglishTodo : kTurkishTodo, [&](int box) {
                 return std::find(ticked.begin(), ticked.end(), box) != ticked.end() ? 1 : 0;
             }))
            items.emplace_back(item);
        return items;
    }
    int TopLevelWindowsCaptioned(const std::wstring& caption) {
        int count = 0;
        for (HWND hwnd = nullptr; (hwnd = FindWindowExW(nullptr, hwnd, forms::kFormClassName, caption.c_str()));)
            count += IsWindowVisible(hwnd) ? 1 : 0;
        return count;
    }
};

TEST_P(Windows, TheToDoListIsASnapshotOfTheOpenObjectives) {
    Tick(1);
    Tick(5);
    ClickScrollArrow(Named(checklist(), L"Scroll").Hwnd(), true);
    ASSERT_TRUE(PumpUntil([&] { return Named(checklist(), L"Check17").Visible(); }));
    Tick(17);
    Press(L"Command2");
    ASSERT_TRUE(todo().IsLoaded());
    HWND hwnd = todo().Hwnd();
    EXPECT_EQ(WindowText(hwnd), english() ? L"To do list" : L"Yapılacaklar");
    EXPECT_EQ(ClientSize(hwnd).cx, 312);
    EXPECT_EQ(ClientSize(hwnd).cy, 233);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(Named(todo(), L"Label1").Caption(), english() ? L"You have to do these objectives:" : L"Bu görevleri yapmalısınız:");
    EXPECT_EQ(GetFocus(), Named(todo(), L"List").Hwnd());
    EXPECT_EQ(Items(), OpenExcept({1, 5, 17}));

    // Ticking while it is open, and pressing the button again, change nothing in it.
    Tick(2);
    Press(L"Command2");
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    EXPECT_EQ(Items(), OpenExcept({1, 5, 17}));
    EXPECT_EQ(TopLevelWindowsCaptioned(WindowText(hwnd)), 1);

    // Closed and opened again, it lists the ticks of that moment.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(todo().IsLoaded());
    EXPECT_TRUE(checklist().IsLoaded());
    EXPECT_FALSE(ProgramEnded());
    Press(L"Command2");
    EXPECT_EQ(Items(), OpenExcept({1, 2, 5, 17}));
}

TEST_P(Windows, EverythingTickedLeavesAnEmptyList) {
    for (int box = 1; box <= 21; ++box) Tick(box);  // hidden boxes take clicks too
    EXPECT_TRUE(Named(checklist(), L"lbYuzde").Caption() == L"100.02" || Named(checklist(), L"lbYuzde").Caption() == L"100,02");
    Press(L"Command2");
    EXPECT_TRUE(Items().empty());
}

TEST_P(Windows, TheAboutTextIsFixedAndReadOnly) {
    Press(L"Command4");
    Press(L"Command4");
    ASSERT_TRUE(about().IsLoaded());
    HWND hwnd = about().Hwnd();
    EXPECT_EQ(TopLevelWindowsCaptioned(english() ? L"About" : L"Hakkında"), 1);
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    EXPECT_EQ(ClientSize(hwnd).cx, 307);
    EXPECT_EQ(ClientSize(hwnd).cy, 206);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE), ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(ex & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));  // no taskbar button, yet a normal title bar
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), forms::HiddenOwner());

    HWND text = Named(about(), L"Text1").Hwnd();
    EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(WindowText(text), AboutText());
    EXPECT_EQ(GetFocus(), text);

    // Typing, deleting and pasting leave the text as it was.
    PressKey('X');
    PressKey(VK_DELETE);
    PressKey(VK_BACK);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 8);
        lstrcpyW(static_cast<wchar_t*>(GlobalLock(data)), L"zz");
        GlobalUnlock(data);
        SetClipboardData(CF_UNICODETEXT, data);
        CloseClipboard();
    }
    SendMessageW(text, EM_SETSEL, 0, -1);
    SendMessageW(text, WM_PASTE, 0, 0);
    SendMessageW(text, WM_CUT, 0, 0);
    SendMessageW(text, WM_CLEAR, 0, 0);
    Pump(20);
    EXPECT_EQ(WindowText(text), AboutText());

    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(about().IsLoaded());
    EXPECT_FALSE(ProgramEnded());
    Press(L"Command4");
    EXPECT_EQ(WindowText(Named(about(), L"Text1").Hwnd()), AboutText());
}

TEST_P(Windows, ClosingTheChecklistClosesEveryWindowAndEndsTheProgram) {
    Press(L"Command2");
    Press(L"Command4");
    ASSERT_TRUE(todo().IsLoaded());
    ASSERT_TRUE(about().IsLoaded());
    SendMessageW(checklist().Hwnd(), WM_CLOSE, 0, 0);
    for (forms::Form* form : std::initializer_list<forms::Form*>{&frmOpen(), &frmEnglish(), &frmTurkish(), &frmTodo(),
                                                                  &frmTodoTR(), &Form1(), &Form2()})
        EXPECT_FALSE(form->IsLoaded());
    EXPECT_TRUE(ProgramEnded());
}

HHOOK g_hook = nullptr;
int g_created = 0;
LRESULT CALLBACK CountTopLevel(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !(reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->style & WS_CHILD)) ++g_created;
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_P(Windows, ClosingAloneOpensNothingOnTheWay) {
    g_created = 0;
    g_hook = SetWindowsHookExW(WH_CBT, CountTopLevel, nullptr, GetCurrentThreadId());
    SendMessageW(checklist().Hwnd(), WM_CLOSE, 0, 0);
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(g_created, 0);
    EXPECT_TRUE(ProgramEnded());
    EXPECT_FALSE(todo().IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Windows, ::testing::Values(Language::English, Language::Turkish),
                         [](const auto& info) { return info.param == Language::English ? "English" : "Turkish"; });

TEST(ProgramFile, ClosingTheChecklistWithEveryWindowOpenEndsTheProcessWithZero) {
    for (const wchar_t* language : {L"English", L"Türkçe"}) {
        ChildProcess program(ProgramFilePath());
        HWND chooser = program.WaitForWindow(L"Language/Dil");
        ASSERT_NE(chooser, nullptr);
        PostMessageW(FindWindowExW(chooser, nullptr, L"Button", language), BM_CLICK, 0, 0);
        const bool english = language[0] == L'E';
        HWND checklist = program.WaitForWindow(english ? L"Corvane 100% Checklist Calculator"
                                                       : L"Corvane %100 Kontrol Listesi Hesaplayıcısı");
        ASSERT_NE(checklist, nullptr);
        PostMessageW(FindWindowExW(checklist, nullptr, L"Button", english ? L"To Do List" : L"Yapılacaklar"), BM_CLICK, 0, 0);
        ASSERT_NE(program.WaitForWindow(english ? L"To do list" : L"Yapılacaklar"), nullptr);
        PostMessageW(FindWindowExW(checklist, nullptr, L"Button", english ? L"About" : L"Hakkında"), BM_CLICK, 0, 0);
        ASSERT_NE(program.WaitForWindow(english ? L"About" : L"Hakkında"), nullptr);
        PostMessageW(checklist, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0u) << language;
    }
}

}  // namespace
