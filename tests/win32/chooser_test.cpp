// The start-up and the language chooser, through its real windows.
#include <gtest/gtest.h>

#include "app/common_controls.h"
#include "app/main.h"
#include "app/program_windows.h"
#include "forms/program.h"
#include "support/app_driver.h"
#include "support/child_process.h"

using namespace testing_app;

namespace {

class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgram();
        Main();
        ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(frmOpen().Hwnd()) != FALSE; }));
    }
    void TearDown() override {
        SetCommonControlsBinder(nullptr);
        ResetProgram();
    }
    HWND Button(const wchar_t* name) { return Named(frmOpen(), name).Hwnd(); }
};

TEST_F(Chooser, OpensAsAFixedCentredWindowWithBothLanguages) {
    HWND hwnd = frmOpen().Hwnd();
    EXPECT_EQ(WindowText(hwnd), L"Language/Dil");
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, 305);
    EXPECT_EQ(client.cy, 184);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

    RECT window;
    GetWindowRect(hwnd, &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    EXPECT_EQ(WindowText(Button(L"Command1")), L"English");
    EXPECT_EQ(WindowText(Button(L"Command2")), L"Türkçe");
    EXPECT_EQ(Named(frmOpen(), L"Label2").Caption(), L"Choose Your Language/Dilini Seç");
    EXPECT_EQ(Named(frmOpen(), L"Label1").Caption(), L"Lang/Dil");
}

TEST_F(Chooser, FocusStartsOnTheUnseenButtonSoSpaceAndEnterChooseNothing) {
    ASSERT_NE(FocusedControl(frmOpen()), nullptr);
    EXPECT_EQ(FocusedControl(frmOpen())->Name(), L"Command3");
    RECT client, button;
    GetClientRect(frmOpen().Hwnd(), &client);
    GetWindowRect(Button(L"Command3"), &button);
    MapWindowPoints(nullptr, frmOpen().Hwnd(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_GE(button.top, client.bottom);

    PressKey(VK_SPACE);
    PressKey(VK_RETURN);
    Pump(50);
    EXPECT_TRUE(frmOpen().IsLoaded());
    EXPECT_FALSE(frmEnglish().IsLoaded());
    EXPECT_FALSE(frmTurkish().IsLoaded());
}

TEST_F(Chooser, TabGoesTurkishThenEnglishThenBack) {
    const wchar_t* expected[] = {L"Command2", L"Command1", L"Command3", L"Command2"};
    for (const wchar_t* name : expected) {
        PressKey(VK_TAB);
        ASSERT_NE(FocusedControl(frmOpen()), nullptr);
        EXPECT_EQ(FocusedControl(frmOpen())->Name(), name);
    }
    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedControl(frmOpen())->Name(), L"Command3");
    // Tab to "Türkçe", then Enter chooses it.
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([] { return frmTurkish().IsLoaded(); }));
    EXPECT_FALSE(frmOpen().IsLoaded());
}

TEST_F(Chooser, EachButtonOpensItsLanguageAndTheChooserCloses) {
    Click(Button(L"Command1"));
    ASSERT_TRUE(frmEnglish().IsLoaded());
    EXPECT_FALSE(frmTurkish().IsLoaded());
    EXPECT_FALSE(frmOpen().IsLoaded());
    EXPECT_EQ(frmOpen().Hwnd(), nullptr);
    EXPECT_EQ(WindowText(frmEnglish().Hwnd()), L"Corvane 100% Checklist Calculator");
    EXPECT_EQ(GetForegroundWindow(), frmEnglish().Hwnd());
    EXPECT_FALSE(ProgramEnded());

    ResetProgram();
    Main();
    Click(Named(frmOpen(), L"Command2").Hwnd());
    ASSERT_TRUE(frmTurkish().IsLoaded());
    EXPECT_FALSE(frmEnglish().IsLoaded());
    EXPECT_FALSE(frmOpen().IsLoaded());
    EXPECT_EQ(WindowText(frmTurkish().Hwnd()), L"Corvane %100 Kontrol Listesi Hesaplayıcısı");
}

TEST_F(Chooser, ClosingItEndsTheProgramWithoutAChecklist) {
    SendMessageW(frmOpen().Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(frmOpen().IsLoaded());
    EXPECT_FALSE(frmEnglish().IsLoaded());
    EXPECT_FALSE(frmTurkish().IsLoaded());
    EXPECT_TRUE(ProgramEnded());
}

InitCommonControlsExProc MissingFunction() {
    forms::Raise(forms::kEntryPointNotFound);
}

BOOL WINAPI FailingInit(const INITCOMMONCONTROLSEX*) { return FALSE; }
InitCommonControlsExProc FailingFunction() { return FailingInit; }

const INITCOMMONCONTROLSEX* g_seen = nullptr;
INITCOMMONCONTROLSEX g_copy{};
BOOL WINAPI RecordingInit(const INITCOMMONCONTROLSEX* record) {
    g_copy = *record;
    g_seen = record;
    return TRUE;
}
InitCommonControlsExProc RecordingFunction() { return RecordingInit; }

TEST(CommonControls, PassesTheUserExRecordAndSwallowsEveryFailure) {
    SetCommonControlsBinder(RecordingFunction);
    EXPECT_TRUE(InitCommonControlClasses());
    ASSERT_NE(g_seen, nullptr);
    EXPECT_EQ(g_copy.dwSize, 8u);
    EXPECT_EQ(g_copy.dwICC, 0x200u);

    SetCommonControlsBinder(FailingFunction);
    EXPECT_TRUE(InitCommonControlClasses());  // a FALSE result is never looked at
    SetCommonControlsBinder(MissingFunction);
    EXPECT_FALSE(InitCommonControlClasses());
    SetCommonControlsBinder(nullptr);
    EXPECT_TRUE(InitCommonControlClasses());  // the real comctl32
}

TEST_F(Chooser, StartUpGoesOnWhenTheCommonControlsAreMissingOrFail) {
    for (CommonControlsBinder binder : {MissingFunction, FailingFunction}) {
        ResetProgram();
        SetCommonControlsBinder(binder);
        Main();
        ASSERT_TRUE(frmOpen().IsLoaded());
        Click(Named(frmOpen(), L"Command1").Hwnd());
        EXPECT_TRUE(frmEnglish().IsLoaded());
    }
}

TEST(ProgramFile, ClosingTheChooserEndsTheProcessWithExitCodeZero) {
    ChildProcess program(ProgramFilePath());
    HWND chooser = program.WaitForWindow(L"Language/Dil");
    ASSERT_NE(chooser, nullptr);
    PostMessageW(chooser, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
