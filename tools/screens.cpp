// Walks the program to each of its windows, in both languages, and saves one
// BMP per window into the given folder (chooser, <lang>-page1, -page2, -info,
// -todo, -about). A window that cannot be reached is reported and skipped.
// With --chooser-only it saves the opening window as run-chooser.bmp.
//
//   screens OUTPUT_FOLDER [--chooser-only]
#include <cstdio>
#include <string>
#include <vector>

#include "support/driver.h"
#include "support/player_texts.h"

namespace {

// Each language's pictures, named with its prefix; the texts that find the
// windows are the tests' own copy of what the player sees.
struct Language {
    const wchar_t* prefix;
    const expected::Language& texts;
};

const Language kLanguages[] = {{L"english", expected::kEnglish}, {L"turkish", expected::kTurkish}};

constexpr DWORD kShortWaitMs = 5000;
std::wstring folder;

// Saves a top-level window, title bar included, as it stands on the screen.
bool SaveBmp(HWND top, const std::wstring& path) {
    RECT r{};
    if (!GetWindowRect(top, &r)) return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || rows != height) return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
              WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

// Brings the window to the front, gives it time to paint, and saves it.
void Save(HWND window, const std::wstring& name) {
    driver::Activate(window);
    Sleep(400);
    std::wstring path = folder + L"\\" + name + L".bmp";
    if (SaveBmp(window, path)) std::printf("saved %s\n", driver::Narrow(name).c_str());
    else std::printf("FAILED to save %s\n", driver::Narrow(name).c_str());
}

void Skip(const std::wstring& name, const char* why) {
    std::printf("skipped %s: %s\n", driver::Narrow(name).c_str(), why);
}

// Opens a window with a button of `owner`, saves it and closes it again.
void SaveOpened(driver::Process& program, HWND owner, const std::wstring& button, const std::wstring& caption,
                const std::wstring& name) {
    HWND opener = driver::FindChild(owner, L"Button", button);
    if (!opener) return Skip(name, "no such button");
    driver::Click(opener);
    HWND window = driver::WaitForTop(program.Id(), caption, nullptr, kShortWaitMs);
    if (!window || window == owner) return Skip(name, "the button opened no window");
    Save(window, name);
    PostMessageW(window, WM_CLOSE, 0, 0);
    driver::WaitGone(window);
}

void Walk(const Language& language, bool saveChooser) {
    const std::wstring lang = language.prefix;
    const expected::Language& seen = language.texts;
    driver::Process program;
    if (!program.Start(driver::ProgramPath())) return Skip(lang + L"-*", "the program did not start");
    HWND chooser = driver::WaitForTop(program.Id(), expected::kChooserCaption);
    if (!chooser) return Skip(saveChooser ? L"chooser" : lang + L"-*", "no chooser window");
    if (saveChooser) Save(chooser, L"chooser");

    driver::Click(driver::FindChild(chooser, L"Button", seen.chooserButton));
    HWND main = driver::WaitForTop(program.Id(), seen.caption, nullptr, kShortWaitMs);
    if (!main) return Skip(lang + L"-*", "no checklist window");
    Save(main, lang + L"-page1");

    const auto bars = driver::Children(main, L"ScrollBar");
    HWND scroll = bars.empty() ? nullptr : bars.front();
    auto onPage2 = [&] { return driver::VisibleCheckBoxes(main).size() == 7; };
    if (scroll && driver::Click(scroll) && driver::WaitUntil(onPage2, kShortWaitMs)) {
        Save(main, lang + L"-page2");
        driver::Click(scroll);
        driver::WaitUntil([&] { return driver::VisibleCheckBoxes(main).size() == 14; }, kShortWaitMs);
    } else {
        Skip(lang + L"-page2", "the scroll bar did not reach page 2");
    }

    // Rows 1 and 7 of page 1 ticked, so that the message shows a total.
    auto boxes = driver::VisibleCheckBoxes(main);
    if (boxes.size() == 14) {
        driver::Click(boxes[0]);
        driver::Click(boxes[6]);
        driver::WaitUntil([&] { return driver::IsChecked(boxes[0]) && driver::IsChecked(boxes[6]); }, kShortWaitMs);
    }
    if (HWND calculate = driver::FindChild(main, L"Button", seen.calculate)) {
        driver::Click(calculate);
        if (HWND info = driver::WaitForTop(program.Id(), expected::kInfoTitle, L"#32770", kShortWaitMs)) {
            Save(info, lang + L"-info");
            driver::Click(GetDlgItem(info, IDOK));
            driver::WaitGone(info);
        } else {
            Skip(lang + L"-info", "Calculate showed no message");
        }
    } else {
        Skip(lang + L"-info", "no Calculate button");
    }

    SaveOpened(program, main, seen.toDoList, seen.todoCaption, lang + L"-todo");
    SaveOpened(program, main, seen.about, seen.aboutCaption, lang + L"-about");

    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!program.WaitExit(kShortWaitMs)) {
        std::printf("note: the program did not end after its checklist window closed:\n%s",
                    driver::Describe(program.Id()).c_str());
    }
}

void ChooserOnly() {
    driver::Process program;
    if (!program.Start(driver::ProgramPath())) return Skip(L"run-chooser", "the program did not start");
    HWND chooser = driver::WaitForTop(program.Id(), expected::kChooserCaption);
    if (!chooser) return Skip(L"run-chooser", "no chooser window");
    Save(chooser, L"run-chooser");
    PostMessageW(chooser, WM_CLOSE, 0, 0);
    program.WaitExit(kShortWaitMs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screens OUTPUT_FOLDER [--chooser-only]\n");
        return 2;
    }
    folder = argv[1];
    if (driver::ProgramPath().empty()) {
        std::fprintf(stderr, "screens: corvane-checklist.exe not found above this program\n");
        return 2;
    }
    if (argc > 2 && std::wstring(argv[2]) == L"--chooser-only") {
        ChooserOnly();
        return 0;
    }
    for (const Language& language : kLanguages) Walk(language, &language == kLanguages);
    return 0;
}
