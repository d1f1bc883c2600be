#include "app/main.h"

#include "app/common_controls.h"
#include "app/program_windows.h"
#include "forms/program.h"

void Main() {
    InitCommonControlClasses();
    frmOpen().Show();
}

int RunProgram() {
    try {
        Main();
    } catch (...) {
        forms::ReportCurrentException();
    }
    return forms::Run();
}
