#include <windows.h>

#include "app/main.h"
#include "forms/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Main();
    } catch (const forms::RuntimeError& error) {
        forms::ReportAndExit(error);
    }
    return forms::Run();
}
