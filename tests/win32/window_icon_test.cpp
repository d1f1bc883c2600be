// Built with the program's own resources: every window carries the program
// icon, and the manifest binds the common controls of version 6.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <vector>

#include "app/common_controls.h"
#include "app/program_windows.h"
#include "forms/program.h"
#include "support/app_driver.h"
#include "support/child_process.h"

using namespace testing_app;

namespace {

std::vector<BYTE> Pixels(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, bitmap.bmHeight, 1, 32, BI_RGB};
    std::vector<BYTE> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight * 4);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

TEST(ProgramIcon, IsTheIconOfTheProgramFile) {
    HMODULE file = LoadLibraryExW(ProgramFilePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(file, nullptr);
    for (bool big : {true, false}) {
        const int size = GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
        HICON fromFile = static_cast<HICON>(LoadImageW(file, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(fromFile, nullptr);
        const auto expected = Pixels(fromFile);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(Pixels(forms::ProgramIcon(big)), expected) << "big " << big;
        EXPECT_NE(Pixels(LoadIconW(nullptr, IDI_APPLICATION)), expected);
        DestroyIcon(fromFile);
    }
    FreeLibrary(file);
}

TEST(ProgramIcon, EveryWindowShowsItBigAndSmall) {
    ResetProgram();
    std::vector<forms::Form*> forms{&frmOpen(), &frmEnglish(), &frmTurkish(), &frmTodo(), &frmTodoTR(), &Form1(), &Form2()};
    for (forms::Form* form : forms) {
        form->Show();
        HWND hwnd = form->Hwnd();
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)), forms::ProgramIcon(true));
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0)), forms::ProgramIcon(false));
        EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON)), forms::ProgramIcon(true));
    }
    ResetProgram();
}

// Only the version 6 button answers BCM_GETIDEALSIZE.
TEST(CommonControls, TheManifestBindsVersionSix) {
    ASSERT_TRUE(InitCommonControlClasses());
    ResetProgram();
    frmOpen().Show();
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(Named(frmOpen(), L"Command1").Hwnd(), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
    ResetProgram();
}

TEST(CommonControls, TheProgramFileLoadsVersionSix) {
    ChildProcess program(ProgramFilePath());
    ASSERT_NE(program.WaitForWindow(L"Language/Dil"), nullptr);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id());
    ASSERT_NE(process, nullptr);
    HMODULE modules[512];
    DWORD bytes = 0;
    ASSERT_TRUE(EnumProcessModules(process, modules, sizeof modules, &bytes));
    std::wstring comctl;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameExW(process, modules[i], path, MAX_PATH);
        std::wstring name(path);
        if (name.size() >= 12 && lstrcmpiW(name.c_str() + name.size() - 12, L"comctl32.dll") == 0) comctl = name;
    }
    CloseHandle(process);
    // Bound through the manifest: the side-by-side assembly, not the system's copy.
    CharLowerW(comctl.data());
    EXPECT_NE(comctl.find(L"\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
        << std::string(comctl.begin(), comctl.end());
}

}  // namespace
