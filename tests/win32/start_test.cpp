// Start-up and the chooser's close box, inside the test process.
#include "app/common_controls.h"
#include "app/main.h"
#include "app/program_windows.h"
#include "forms/runtime_error.h"
#include "support/app_driver.h"

using namespace app;

namespace {

class Start : public ::testing::Test {
protected:
    void SetUp() override { ResetProgram(); }
    void TearDown() override {
        SetCommonControlsBinder(nullptr);
        ResetProgram();
    }
};

TEST_F(Start, ClosingTheChooserEndsTheProgramWithoutAChecklist) {
    Main();
    SendMessageW(frmOpen().Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(LoadedWindows(), "(none)");
    EXPECT_TRUE(ProgramEnded());
}

InitCommonControlsExProc MissingFunction() { forms::Raise(forms::kEntryPointNotFound); }
BOOL WINAPI FailingInit(const INITCOMMONCONTROLSEX*) { return FALSE; }
InitCommonControlsExProc FailingFunction() { return FailingInit; }

TEST_F(Start, GoesOnWhenTheCommonControlsAreMissingOrFail) {
    for (CommonControlsBinder binder : {MissingFunction, FailingFunction}) {
        ResetProgram();
        SetCommonControlsBinder(binder);
        Main();
        Press(Named(frmOpen(), L"Command1").Hwnd());
        EXPECT_EQ(LoadedWindows(), "frmEnglish ");
    }
}

}  // namespace
