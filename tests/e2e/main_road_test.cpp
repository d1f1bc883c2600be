// The main road, driven from outside as a player would: the program file runs
// as its own process, and everything happens through real clicks and key
// presses on its windows and through what those windows show.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "driver.h"

namespace {

using e2e::Narrow;

constexpr int kReadingOrder[21] = {1, 2, 5, 4, 3, 10, 9, 8, 7, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};

struct Road {
    const wchar_t* languageButton;
    const wchar_t* caption;
    const wchar_t* calculate;
    const wchar_t* todoButton;
    const wchar_t* todoCaption;
    const wchar_t* aboutButton;
    const wchar_t* aboutCaption;
    const wchar_t* aboutFirstLine;
    const wchar_t* promptBefore;  // the message reads promptBefore + total + promptAfter
    const wchar_t* promptAfter;
    const wchar_t* todo[21];      // to-do texts in reading order
};

const Road kEnglish = {
    L"English", L"Corvane 100% Checklist Calculator", L"Calculate", L"To Do List", L"To do list", L"About",
    L"About", L"About:", L"You have completed ", L"% of the game!",
    {L"Complete the main story missions", L"Drug deliveries for Jacob", L"Races for Brucie",
     L"Exotic Imports for Brucie", L"Assassinations", L"Complete all 30 car thefts", L"Brucie - Special ability",
     L"Jacob - Special ability", L"Packie - Special ability", L"Brucie - Do all available activities",
     L"Jacob - Do all available activities", L"Packie - Do all available activities",
     L"Beat computer or friend pool", L"Beat computer or friend darts",
     L"Beat computer/friend bowling (FULL GAME)", L"Get the high score in the Cub3d arcade game",
     L"Do all random character missions", L"Kill 10 most wanted on each island", L"Bust random 20 criminals",
     L"Kill all 200 Pigeons", L"Complete all 50 unique stunts"},
};

const Road kTurkish = {
    L"Türkçe", L"Corvane %100 Kontrol Listesi Hesaplayıcısı", L"Hesapla", L"Yapılacaklar", L"Yapılacaklar",
    L"Hakkında", L"Hakkında", L"Hakkında:", L"Oyun %", L" bitti!",
    {L"Ana hikaye görevlerini bitir", L"Jacob için uyuşturucu teslimatları", L"Brucie için yarışlar",
     L"Brucie için araba hırsızlığı", L"Suikastler", L"Stevie için 30 araba hırsızlığı", L"Brucie - Özel Yetenek",
     L"Jacob - Özel Yetenek", L"Packie - Özel Yetenek", L"Brucie - Mümkün olan tüm aktiviteleri yap",
     L"Jacob - Mümkün olan tüm aktiviteleri yap", L"Packie - Mümkün olan tüm aktiviteleri yap",
     L"Bilardoda bilgisayarı/arkadaşını yen", L"Dartta bilgisayarı/arkadaşını yen",
     L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)", L"Cub3d oyununda en yüksek skoru al",
     L"Tüm rastgele karakter görevlerini yap", L"Her adada 10 en çok arananı öldür", L"Rastgele 20 suçluyu öldür",
     L"Toplam 200 tane güvercin öldür", L"50 tane akrobasi uçuşu yap"},
};

std::wstring UserDecimal() {
    wchar_t separator[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator;
}

// Sets the user's decimal separator for the programs started meanwhile, and puts it back.
class UserDecimalSeparator {
public:
    explicit UserDecimalSeparator(const wchar_t* separator) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old_, 8);
        set_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator) != FALSE;
    }
    ~UserDecimalSeparator() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old_); }
    bool Set() const { return set_; }

private:
    wchar_t old_[8] = {};
    bool set_ = false;
};

std::vector<std::string> OpenTodo(const Road& road, const std::set<int>& ticked) {
    std::vector<std::string> open;
    for (int i = 0; i < 21; ++i)
        if (!ticked.count(kReadingOrder[i])) open.push_back(Narrow(road.todo[i]));
    return open;
}

std::vector<std::string> Narrow(const std::vector<std::wstring>& texts) {
    std::vector<std::string> out;
    for (const auto& text : texts) out.push_back(e2e::Narrow(text));
    return out;
}

class MainRoad : public testing::Test {
protected:
    void Start() {
        const std::wstring path = e2e::ProgramPath();
        ASSERT_FALSE(path.empty()) << "corvane-checklist.exe not found above the test program";
        ASSERT_TRUE(program_.Start(path));
    }

    DWORD Pid() const { return program_.Id(); }
    std::string Windows() const { return "windows of the program:\n" + e2e::Describe(Pid()); }

    // Chooses the language by a mouse click; the chooser gives way to the checklist window.
    HWND Choose(const Road& road) {
        HWND chooser = e2e::WaitForTop(Pid(), L"Language/Dil");
        EXPECT_TRUE(chooser) << Windows();
        if (!chooser) return nullptr;
        EXPECT_TRUE(e2e::Click(e2e::FindChild(chooser, L"Button", road.languageButton)));
        HWND main = e2e::WaitForTop(Pid(), road.caption);
        EXPECT_TRUE(main) << Windows();
        EXPECT_TRUE(e2e::WaitGone(chooser)) << Windows();
        return main;
    }

    void Tick(HWND box, bool checked) {
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::IsChecked(box) == checked; })) << Windows();
    }

    std::vector<HWND> WaitPage(HWND main, size_t boxes) {
        EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::VisibleCheckBoxes(main).size() == boxes; }))
            << "expected " << boxes << " visible check boxes\n" << Windows();
        return e2e::VisibleCheckBoxes(main);
    }

    // "Calculate" shows the total in the Info message box, which OK dismisses.
    void ExpectTotal(HWND main, const Road& road, const std::wstring& total) {
        ASSERT_TRUE(e2e::Click(e2e::FindChild(main, L"Button", road.calculate))) << Windows();
        HWND info = e2e::WaitForTop(Pid(), L"Info", L"#32770");
        ASSERT_TRUE(info) << Windows();
        EXPECT_EQ(Narrow(e2e::MessagePrompt(info)), Narrow(road.promptBefore + total + road.promptAfter));
        ASSERT_TRUE(e2e::PressOk(info)) << Windows();
    }

    // Alt+F4 on the checklist window closes every window and ends the process with 0.
    void CloseAndExpectExit(HWND main) {
        ASSERT_TRUE(e2e::Activate(main)) << Windows();
        e2e::PressChord({VK_MENU, VK_F4});
        DWORD code = 0;
        ASSERT_TRUE(program_.WaitExit(e2e::kWaitMs, &code)) << "the program did not end\n" << Windows();
        EXPECT_EQ(code, 0u);
    }

    void DriveMainRoad(const Road& road) {
        ASSERT_NO_FATAL_FAILURE(Start());
        const std::wstring dot = UserDecimal();
        HWND main = Choose(road);
        ASSERT_TRUE(main);
        std::vector<HWND> page1 = WaitPage(main, 14);
        ASSERT_EQ(page1.size(), 14u);
        for (HWND box : page1) EXPECT_FALSE(e2e::IsChecked(box));

        // The focus starts on the box of row 1 (Check1): Space ticks it.
        ASSERT_TRUE(e2e::Activate(main));
        e2e::PressKey(VK_SPACE);
        ASSERT_NO_FATAL_FAILURE(Tick(page1[0], true));
        // Row 7 holds Check9 (1.67).
        ASSERT_TRUE(e2e::Click(page1[6]));
        ASSERT_NO_FATAL_FAILURE(Tick(page1[6], true));
        ASSERT_NO_FATAL_FAILURE(ExpectTotal(main, road, L"61" + dot + L"67"));

        // Page 2 by the scroll bar's lower arrow: rows 1 to 7 hold Check15 to Check21.
        HWND scroll = e2e::FindChild(main, L"ScrollBar", 0);
        ASSERT_TRUE(scroll) << "no scroll bar";
        ASSERT_TRUE(e2e::ClickScrollArrow(scroll, e2e::Arrow::Down));
        std::vector<HWND> page2 = WaitPage(main, 7);
        ASSERT_EQ(page2.size(), 7u);
        for (HWND box : page2) {
            EXPECT_EQ(std::count(page1.begin(), page1.end(), box), 0) << "a page-1 box still shows";
            EXPECT_FALSE(e2e::IsChecked(box));
        }
        // Row 7 (Check21) ticked by mouse and cleared by Space; row 3 (Check17, 5) ticked.
        ASSERT_TRUE(e2e::Click(page2[6]));
        ASSERT_NO_FATAL_FAILURE(Tick(page2[6], true));
        e2e::PressKey(VK_SPACE);
        ASSERT_NO_FATAL_FAILURE(Tick(page2[6], false));
        ASSERT_TRUE(e2e::Click(page2[2]));
        ASSERT_NO_FATAL_FAILURE(Tick(page2[2], true));

        // Back to page 1: its ticks stayed, and page 2's tick counts too.
        ASSERT_TRUE(e2e::ClickScrollArrow(scroll, e2e::Arrow::Up));
        EXPECT_EQ(WaitPage(main, 14), page1);
        EXPECT_TRUE(e2e::IsChecked(page1[0]));
        EXPECT_TRUE(e2e::IsChecked(page1[6]));
        ASSERT_NO_FATAL_FAILURE(ExpectTotal(main, road, L"66" + dot + L"67"));

        // The to-do list holds every objective but Check1, Check9 and Check17, in reading order.
        ASSERT_TRUE(e2e::Click(e2e::FindChild(main, L"Button", road.todoButton))) << Windows();
        HWND todo = e2e::WaitForTop(Pid(), road.todoCaption);
        ASSERT_TRUE(todo && todo != main) << Windows();
        HWND list = e2e::FindChild(todo, L"ListBox", 0);
        ASSERT_TRUE(list) << "no list box in the to-do window";
        EXPECT_EQ(Narrow(e2e::ListItems(list)), OpenTodo(road, {1, 9, 17}));

        // About: nine lines, each ending in CR LF.
        ASSERT_TRUE(e2e::Click(e2e::FindChild(main, L"Button", road.aboutButton))) << Windows();
        HWND about = e2e::WaitForTop(Pid(), road.aboutCaption);
        ASSERT_TRUE(about && about != main) << Windows();
        HWND text = e2e::FindChild(about, L"Edit", 0);
        ASSERT_TRUE(text) << "no text box in the About window";
        std::wstring aboutText = e2e::Text(text);
        EXPECT_EQ(Narrow(aboutText.substr(0, aboutText.find(L"\r\n"))), Narrow(road.aboutFirstLine));
        size_t lines = 0;
        for (size_t at = 0; (at = aboutText.find(L"\r\n", at)) != std::wstring::npos; at += 2) ++lines;
        EXPECT_EQ(lines, 9u);
        EXPECT_TRUE(aboutText.ends_with(L"\r\n"));

        // Closing the checklist window takes the to-do and About windows with it.
        ASSERT_NO_FATAL_FAILURE(CloseAndExpectExit(main));
    }

    e2e::Process program_;
};

TEST_F(MainRoad, English) { DriveMainRoad(kEnglish); }

TEST_F(MainRoad, Turkish) { DriveMainRoad(kTurkish); }

TEST_F(MainRoad, TotalFollowsTheUserLocaleDecimalComma) {
    UserDecimalSeparator comma(L",");
    ASSERT_TRUE(comma.Set());
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND main = Choose(kEnglish);
    ASSERT_TRUE(main);
    std::vector<HWND> page1 = WaitPage(main, 14);
    ASSERT_EQ(page1.size(), 14u);
    ASSERT_TRUE(e2e::Click(page1[0]));
    ASSERT_TRUE(e2e::Click(page1[6]));
    ASSERT_NO_FATAL_FAILURE(Tick(page1[0], true));
    ASSERT_NO_FATAL_FAILURE(Tick(page1[6], true));
    ASSERT_NO_FATAL_FAILURE(ExpectTotal(main, kEnglish, L"61,67"));
    ASSERT_NO_FATAL_FAILURE(CloseAndExpectExit(main));
}

TEST_F(MainRoad, ClosingTheChooserEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND chooser = e2e::WaitForTop(Pid(), L"Language/Dil");
    ASSERT_TRUE(chooser) << Windows();
    ASSERT_TRUE(e2e::Activate(chooser));
    e2e::PressChord({VK_MENU, VK_F4});
    DWORD code = 0;
    ASSERT_TRUE(program_.WaitExit(e2e::kWaitMs, &code)) << "the program did not end\n" << Windows();
    EXPECT_EQ(code, 0u);
}

}  // namespace
