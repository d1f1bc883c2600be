// 10,000 random actions through the real windows. After each one the total
// must be the exact sum of the ticked weights, every to-do list opened must
// list exactly the open objectives, and the process must hold no more
// windows or GDI objects at the end than at the start.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/program_windows.h"
#include "checklist/objectives.h"
#include "forms/gdi.h"
#include "forms/program.h"
#include "support/app_driver.h"
#include "todo/todo_items.h"
#include "todo/todo_texts.h"

using namespace testing_app;

namespace {

struct Counts {
    DWORD user, gdi;
    int windows, runtimeGdi;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, CountWindow, count);
    return TRUE;
}

// The windows of this thread, child windows included.
int LiveWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

Counts Measure() {
    return {GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            LiveWindows(), forms::LiveGdiObjects()};
}

void Print(const char* when, const Counts& c) {
    std::printf("%s: USER objects %lu, GDI objects %lu (as the system reports them); windows %d, runtime GDI objects %d\n",
                when, c.user, c.gdi, c.windows, c.runtimeGdi);
}

// The total as it must read: the exact sum in hundredths, the user's separator.
std::wstring ExpectedTotal(int hundredths) {
    wchar_t sep[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
    std::wstring text = std::to_wstring(hundredths / 100);
    if (const int cents = hundredths % 100) {
        text += sep[0];
        text += static_cast<wchar_t>(L'0' + cents / 10);
        if (cents % 10) text += static_cast<wchar_t>(L'0' + cents % 10);
    }
    return text;
}

class Soak : public ::testing::TestWithParam<Language> {
protected:
    bool english() const { return GetParam() == Language::English; }
    forms::Form& checklist() { return english() ? frmEnglish() : frmTurkish(); }
    forms::Form& todo() { return english() ? frmTodo() : frmTodoTR(); }
    forms::Form& about() { return english() ? Form1() : Form2(); }
    forms::Control& box(int n) { return Named(checklist(), L"Check" + std::to_wstring(n)); }
};

TEST_P(Soak, FiveThousandRandomActionsKeepTheTotalAndListsExact) {
    const char* fromEnv = std::getenv("CORVANE_SOAK_SEED");
    const unsigned seed = fromEnv ? static_cast<unsigned>(std::strtoul(fromEnv, nullptr, 10))
                                  : 20261206u + static_cast<unsigned>(GetParam());
    SCOPED_TRACE("seed " + std::to_string(seed) + " (rerun with CORVANE_SOAK_SEED)");
    std::mt19937 random(seed);

    ResetProgram();
    checklist().Show();
    forms::HiddenOwner();  // made once, at the first About window
    Pump(50);
    const Counts start = Measure();
    Print("start", start);

    std::array<bool, 22> ticked{};
    int page = 1, hundredths = 0;
    std::array<int, 5> done{};
    const char* actionsEnv = std::getenv("CORVANE_SOAK_ACTIONS");
    const int actions = actionsEnv ? std::atoi(actionsEnv) : 5000;
    const auto began = std::chrono::steady_clock::now();
    for (int action = 0; action < actions; ++action) {
        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 70) {  // tick or clear a box, mostly on the page shown, else turning to its page first
            const bool shown = std::uniform_int_distribution<int>(0, 99)(random) < 85;
            const int n = shown == (page == 1) ? std::uniform_int_distribution<int>(1, 14)(random)
                                               : std::uniform_int_distribution<int>(15, 21)(random);
            const int boxPage = n >= 15 ? 2 : 1;
            if (boxPage != page) {
                ClickScrollArrow(Named(checklist(), L"Scroll").Hwnd(), boxPage == 2);
                ASSERT_TRUE(PumpUntil([&] { return box(n).Visible(); })) << "action " << action;
                page = boxPage;
            }
            Click(box(n).Hwnd());
            ticked[n] = !ticked[n];
            const int weight = static_cast<int>(ObjectiveOfBox(n).weight * 100 + 0.5);
            hundredths += ticked[n] ? weight : -weight;
            ++done[0];
        } else if (kind < 78) {  // turn the page
            page = 3 - page;
            ClickScrollArrow(Named(checklist(), L"Scroll").Hwnd(), page == 2);
            ASSERT_TRUE(PumpUntil([&] { return box(page == 2 ? 15 : 1).Visible(); })) << "action " << action;
            ++done[1];
        } else if (kind < 84) {  // Calculate, then dismiss the message
            MessageBoxAnswer answer;
            Click(Named(checklist(), L"Command1").Hwnd());
            ASSERT_TRUE(answer.Wait()) << "action " << action;
            const std::wstring total = ExpectedTotal(hundredths);
            EXPECT_EQ(answer.prompt, english() ? L"You have completed " + total + L"% of the game!"
                                               : L"Oyun %" + total + L" bitti!");
            ++done[2];
        } else if (kind < 92) {  // open the to-do list, check it, close it
            Click(Named(checklist(), L"Command2").Hwnd());
            std::vector<std::wstring> expected, shown;
            for (auto item : OpenTodoItems(english() ? kEnglishTodo : kTurkishTodo, [&](int n) { return ticked[n] ? 1 : 0; })) expected.emplace_back(item);
            HWND list = Named(todo(), L"List").Hwnd();
            const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t text[256] = {};
                SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                shown.push_back(text);
            }
            ASSERT_EQ(shown, expected) << "action " << action;
            SendMessageW(todo().Hwnd(), WM_CLOSE, 0, 0);
            ++done[3];
        } else {  // open and close the About window
            Click(Named(checklist(), L"Command4").Hwnd());
            ASSERT_TRUE(about().IsLoaded());
            SendMessageW(about().Hwnd(), WM_CLOSE, 0, 0);
            ++done[4];
        }
        ASSERT_EQ(Named(checklist(), L"lbYuzde").Caption(), ExpectedTotal(hundredths)) << "action " << action;
    }
    Pump(50);
    const Counts end = Measure();
    Print("end", end);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("seed %u: %d ticks/clears, %d page turns, %d results, %d to-do lists, %d About windows in %.1f s\n", seed,
                done[0], done[1], done[2], done[3], done[4], seconds);
    EXPECT_LE(end.user, start.user);
    EXPECT_LE(end.gdi, start.gdi);
    EXPECT_EQ(end.windows, start.windows);
    EXPECT_EQ(end.runtimeGdi, start.runtimeGdi);
    ResetProgram();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Soak, ::testing::Values(Language::English, Language::Turkish),
                         [](const auto& info) { return info.param == Language::English ? "English" : "Turkish"; });

}  // namespace
