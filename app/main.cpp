#include "app/main.h"

#include "app/common_controls.h"
#include "app/program_windows.h"

void Main() {
    InitCommonControlClasses();
    frmOpen().Show();
}
