// The main road, driven from outside as a player would: the program file runs
// as its own process, and everything happens through real clicks and key
// presses on its windows and through what those windows show. The Turkish
// road runs under a locale whose decimal separator is a comma.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/driver.h"
#include "support/player_texts.h"

namespace {

class MainRoad : public ::testing::Test {
protected:
    void TearDown() override { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
    std::string Windows() const { return "windows of the program:\n" + driver::Describe(program_.Id()); }
    HWND Top(const std::wstring& caption) { return driver::WaitForTop(program_.Id(), caption); }
    void Keys(std::initializer_list<WORD> chord, HWND focusOn) {
        driver::PressChord(chord);
        EXPECT_TRUE(driver::WaitUntil([&] { return driver::Focused(focusOn) == focusOn; }, 2000))
            << "the focus is on " << driver::Text(driver::Focused(focusOn));
    }
    std::vector<HWND> Page(HWND main, size_t boxes) {
        EXPECT_TRUE(driver::WaitUntil([&] { return driver::VisibleCheckBoxes(main).size() == boxes; })) << Windows();
        return driver::VisibleCheckBoxes(main);
    }
    void Tick(HWND box, bool ticked, bool bySpace = false) {
        if (bySpace) driver::PressChord({VK_SPACE});
        else driver::Click(box);
        EXPECT_TRUE(driver::WaitUntil([&] { return driver::IsChecked(box) == ticked; })) << Windows();
    }
    void ExpectMessage(HWND calculate, const std::wstring& prompt) {
        driver::Click(calculate);
        HWND info = driver::WaitForTop(program_.Id(), expected::kInfoTitle, L"#32770");
        EXPECT_EQ(driver::Text(GetDlgItem(info, 0xFFFF)), prompt) << Windows();
        driver::Click(GetDlgItem(info, IDOK));
        EXPECT_TRUE(driver::WaitGone(info)) << Windows();
    }
    static std::vector<std::wstring> OpenExcept(const expected::Language& seen, std::initializer_list<int> boxes) {
        return expected::TodoList(seen, [&](int box) { return std::find(boxes.begin(), boxes.end(), box) == boxes.end(); });
    }

    void Drive(const expected::Language& seen, const wchar_t* separator) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator));
        ASSERT_TRUE(program_.Start(driver::ProgramPath())) << "corvane-checklist.exe not found above this test";

        // The chooser: Space and Enter on the unseen Command3 choose nothing; Tab goes Türkçe, English, back.
        HWND chooser = Top(expected::kChooserCaption);
        EXPECT_EQ(driver::Frame(chooser), expected::kChooserCaption + L" 305 x 184 minimize centred front");
        HWND english = driver::FindChild(chooser, L"Button", expected::kEnglish.chooserButton),
             turkish = driver::FindChild(chooser, L"Button", expected::kTurkish.chooserButton);
        ASSERT_TRUE(english && turkish && driver::Activate(chooser)) << Windows();
        EXPECT_EQ(driver::Text(driver::Focused(chooser)), L"Command3");
        for (WORD key : {VK_SPACE, VK_RETURN}) driver::PressChord({key});
        for (HWND next : {turkish, english, driver::FindChild(chooser, L"Button", L"Command3"), turkish}) Keys({VK_TAB}, next);
        Keys({VK_SHIFT, VK_TAB}, driver::FindChild(chooser, L"Button", L"Command3"));
        EXPECT_EQ(driver::TopWindows(program_.Id()).size(), 1u) << "no language chosen yet\n" << Windows();
        driver::Click(&seen == &expected::kEnglish ? english : turkish);
        HWND main = Top(seen.caption);
        ASSERT_TRUE(main && driver::WaitGone(chooser)) << Windows();
        EXPECT_EQ(driver::Frame(main), seen.caption + L" 491 x 474 minimize centred front");
        HWND calculate = driver::FindChild(main, L"Button", seen.calculate), scroll = driver::Children(main, L"ScrollBar").at(0);

        // Page 1: the focus starts on row 1's box, so Space ticks it; row 7 holds 1.67.
        const std::vector<HWND> page1 = Page(main, 14);
        ASSERT_EQ(page1.size(), 14u);
        Tick(page1[0], true, true);
        Tick(page1[6], true);
        ExpectMessage(calculate, seen.promptBefore + L"61" + separator + L"67" + seen.promptAfter);

        // Page 2, by a click on the scroll bar: row 7 ticked by mouse and cleared by Space, row 3 (5) ticked.
        driver::Click(scroll);
        const std::vector<HWND> page2 = Page(main, 7);
        ASSERT_EQ(page2.size(), 7u);
        Tick(page2[6], true);
        Tick(page2[6], false, true);
        Tick(page2[2], true);
        driver::Click(scroll);
        EXPECT_EQ(Page(main, 14), page1);
        ExpectMessage(calculate, seen.promptBefore + L"66" + separator + L"67" + seen.promptAfter);

        // The to-do list: every objective but rows 1 and 7 of page 1 and row 3 of page 2, as it was on loading.
        driver::Click(driver::FindChild(main, L"Button", seen.toDoList));
        HWND todo = Top(seen.todoCaption);
        ASSERT_TRUE(todo && todo != main) << Windows();
        EXPECT_EQ(driver::Frame(todo), seen.todoCaption + L" 312 x 233 minimize centred front");
        HWND list = driver::Children(todo, L"ListBox").at(0);
        EXPECT_EQ(driver::Focused(todo), list);
        EXPECT_EQ(driver::ListItems(list), OpenExcept(seen, {1, 9, 17}));
        Tick(page1[1], true);  // a snapshot: the list stays as it was loaded
        EXPECT_EQ(driver::ListItems(list), OpenExcept(seen, {1, 9, 17}));

        // About: its text fixed and read-only.
        driver::Click(driver::FindChild(main, L"Button", seen.about));
        HWND about = Top(seen.aboutCaption), text = driver::Children(about, L"Edit").at(0);
        EXPECT_EQ(driver::Frame(about), seen.aboutCaption + L" 307 x 206 dialog owned centred front");
        EXPECT_EQ(driver::Focused(about), text);
        EXPECT_EQ(driver::Text(text), seen.aboutText);
        EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY);

        // Alt+F4 on the checklist window closes every window; the process ends with 0.
        driver::Activate(main);
        driver::PressChord({VK_MENU, VK_F4});
        DWORD code = 0;
        ASSERT_TRUE(program_.WaitExit(driver::kWaitMs, &code)) << "the program did not end\n" << Windows();
        EXPECT_EQ(code, 0u);
    }

    driver::Process program_;
    wchar_t saved_[8] = L".";
};

TEST_F(MainRoad, EnglishUnderAFullStop) { Drive(expected::kEnglish, L"."); }

TEST_F(MainRoad, TurkishUnderADecimalComma) { Drive(expected::kTurkish, L","); }

}  // namespace
