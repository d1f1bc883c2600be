// The program file's version record and manifest, read from
// corvane-checklist.exe as the shell and the loader read them, and the icon
// and common controls that the resources give every window (this test is
// linked with the program's own resources, like the program).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/program_windows.h"
#include "support/app_driver.h"
#include "support/driver.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr WORD kEnglishUs = 1033;

HMODULE File() {  // loaded once as data, the way the shell reads it
    static const HMODULE module = LoadLibraryExW(driver::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

Bytes Resource(WORD type, WORD id, WORD language) {
    HRSRC found = FindResourceExW(File(), MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
    const auto* data = found ? static_cast<const std::uint8_t*>(LockResource(LoadResource(File(), found))) : nullptr;
    return data ? Bytes(data, data + SizeofResource(File(), found)) : Bytes{};
}

std::wstring VersionString(const Bytes& info, const wchar_t* name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) ? text : L"(none)";
}

TEST(ProgramFile, VersionRecordHoldsVersion1010AndTheText101) {
    const Bytes info = Resource(16, 1, kEnglishUs);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &bytes));
    // Signature, structure version, file and product version 1.0.1.0, flags mask, flags, OS, type, subtype, date.
    EXPECT_EQ(std::vector<DWORD>(&fixed->dwSignature, &fixed->dwSignature + 13),
              (std::vector<DWORD>{0xFEEF04BD, 0x10000, 0x10000, 0x10000, 0x10000, 0x10000, 0x3F, 0, 4, 1, 0, 0, 0}));
    EXPECT_EQ(VersionString(info, L"FileVersion") + L" " + VersionString(info, L"ProductVersion"), L"1.01 1.01");
}

TEST(ProgramFile, ManifestAsksForTheCallersRightsAndVersionSixControls) {
    const Bytes bytes = Resource(24, 1, kEnglishUs);
    const std::string xml(bytes.begin(), bytes.end());
    EXPECT_EQ(xml.rfind("<?xml ", 0), 0u) << "no byte-order mark";
    for (const char* part : {R"(level="asInvoker")", R"(uiAccess="false")", R"(processorArchitecture="X86")",
                             R"(name="Microsoft.Windows.Common-Controls")", R"(version="6.0.0.0")"})
        EXPECT_NE(xml.find(part), std::string::npos) << part;
}

TEST(ProgramResources, EveryWindowShowsIconGroupOneAndTheControlsOfVersionSix) {
    app::ResetProgram();
    for (forms::Form* form : {&frmOpen(), &frmEnglish(), &frmTurkish(), &frmTodo(), &frmTodoTR(), &Form1(), &Form2()}) {
        form->Show();
        for (int big : {ICON_BIG, ICON_SMALL}) {
            const int size = GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
            EXPECT_EQ(SendMessageW(form->Hwnd(), WM_GETICON, big, 0),
                      LPARAM(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED)))
                << driver::Narrow(std::wstring(form->Layout().name)) << (big ? " big" : " small");
        }
    }
    SIZE ideal{};  // only the version 6 button answers this
    EXPECT_TRUE(SendMessageW(app::Named(frmOpen(), L"Command1").Hwnd(), BCM_GETIDEALSIZE, 0, LPARAM(&ideal)));
    app::ResetProgram();
}

}  // namespace
