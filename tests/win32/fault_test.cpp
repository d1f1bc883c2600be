// A run-time error inside a handler: the standard message, then the process
// ends with the error's number. Each fault runs in a child process (this
// executable again, running one of the disabled scenarios below).
#include <gtest/gtest.h>

#include "app/program_windows.h"
#include "forms/program.h"
#include "support/app_driver.h"
#include "support/child_process.h"

using namespace testing_app;

namespace {

void TickWithTotal(const wchar_t* total) {
    ResetProgram();
    frmEnglish().Show();
    Pump(20);
    Named(frmEnglish(), L"lbYuzde").SetCaption(total);
    Click(Named(frmEnglish(), L"Check1").Hwnd());
    Pump(5000);  // not reached: the error ends the process
}

TEST(FaultScenario, DISABLED_TotalIsNotANumber) { TickWithTotal(L"abc"); }
TEST(FaultScenario, DISABLED_TotalOverflows) { TickWithTotal(L"1.79769313486232E+308"); }
struct Fault {
    const char* scenario;
    const wchar_t* message;
    DWORD exitCode;
};

class Faults : public ::testing::TestWithParam<Fault> {};

TEST_P(Faults, ReportTheStandardMessageThenEndTheProcess) {
    const std::wstring filter(GetParam().scenario, GetParam().scenario + strlen(GetParam().scenario));
    ChildProcess child(OwnPath(), L"--gtest_also_run_disabled_tests --gtest_filter=FaultScenario.DISABLED_" + filter);
    HWND box = child.WaitForWindow(forms::kProgramTitle, 20000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), GetParam().message);
    // Only one message, however many timer ticks arrive while it shows.
    Sleep(200);
    int boxes = 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", forms::kProgramTitle));) ++boxes;
    EXPECT_EQ(boxes, 1);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(InHandlers, Faults,
                         ::testing::Values(Fault{"TotalIsNotANumber", L"Run-time error '13':\n\nType mismatch", 13},
                                           Fault{"TotalOverflows", L"Run-time error '6':\n\nOverflow", 6}),
                         [](const auto& info) { return std::string(info.param.scenario); });

}  // namespace
