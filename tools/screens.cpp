// Walks the program to each of its windows, in both languages, and saves one
// BMP per window into the given folder (chooser, <lang>-page1, -page2, -info,
// -todo, -about). A window that cannot be reached is reported and skipped.
// With --chooser-only it saves the opening window as run-chooser.bmp.
//
//   screens OUTPUT_FOLDER [--chooser-only]
#include <cstdio>
#include <string>

#include "driver.h"

namespace {

struct Language {
    const wchar_t* prefix;
    const wchar_t* button;  // in the chooser
    const wchar_t* caption;
    const wchar_t* calculate;
    const wchar_t* todo;
    const wchar_t* todoCaption;
    const wchar_t* about;
    const wchar_t* aboutCaption;
};

constexpr Language kLanguages[] = {
    {L"english", L"English", L"Corvane 100% Checklist Calculator", L"Calculate", L"To Do List", L"To do list",
     L"About", L"About"},
    {L"turkish", L"Türkçe", L"Corvane %100 Kontrol Listesi Hesaplayıcısı", L"Hesapla", L"Yapılacaklar",
     L"Yapılacaklar", L"Hakkında", L"Hakkında"},
};

constexpr DWORD kShortWaitMs = 5000;
std::wstring folder;

// Brings the window to the front, gives it time to paint, and saves it.
void Save(HWND window, const std::wstring& name) {
    e2e::Activate(window);
    Sleep(400);
    std::wstring path = folder + L"\\" + name + L".bmp";
    if (e2e::SaveBmp(window, path)) std::printf("saved %s\n", e2e::Narrow(name).c_str());
    else std::printf("FAILED to save %s\n", e2e::Narrow(name).c_str());
}

void Skip(const std::wstring& name, const char* why) {
    std::printf("skipped %s: %s\n", e2e::Narrow(name).c_str(), why);
}

// Opens a window with a button of `owner`, saves it and closes it again.
void SaveOpened(e2e::Process& program, HWND owner, const wchar_t* button, const wchar_t* caption,
                const std::wstring& name) {
    HWND opener = e2e::FindChild(owner, L"Button", button);
    if (!opener) return Skip(name, "no such button");
    e2e::Click(opener);
    HWND window = e2e::WaitForTop(program.Id(), caption, nullptr, kShortWaitMs);
    if (!window || window == owner) return Skip(name, "the button opened no window");
    Save(window, name);
    PostMessageW(window, WM_CLOSE, 0, 0);
    e2e::WaitGone(window, kShortWaitMs);
}

void Walk(const Language& language, bool saveChooser) {
    const std::wstring lang = language.prefix;
    e2e::Process program;
    if (!program.Start(e2e::ProgramPath())) return Skip(lang + L"-*", "the program did not start");
    HWND chooser = e2e::WaitForTop(program.Id(), L"Language/Dil");
    if (!chooser) return Skip(saveChooser ? L"chooser" : lang + L"-*", "no chooser window");
    if (saveChooser) Save(chooser, L"chooser");

    e2e::Click(e2e::FindChild(chooser, L"Button", language.button));
    HWND main = e2e::WaitForTop(program.Id(), language.caption, nullptr, kShortWaitMs);
    if (!main) return Skip(lang + L"-*", "no checklist window");
    Save(main, lang + L"-page1");

    HWND scroll = e2e::FindChild(main, L"ScrollBar", 0);
    auto onPage2 = [&] { return e2e::VisibleCheckBoxes(main).size() == 7; };
    if (scroll && e2e::ClickScrollArrow(scroll, e2e::Arrow::Down) && e2e::WaitUntil(onPage2, kShortWaitMs)) {
        Save(main, lang + L"-page2");
        e2e::ClickScrollArrow(scroll, e2e::Arrow::Up);
        e2e::WaitUntil([&] { return e2e::VisibleCheckBoxes(main).size() == 14; }, kShortWaitMs);
    } else {
        Skip(lang + L"-page2", "the scroll bar did not reach page 2");
    }

    // Rows 1 and 7 of page 1 ticked, so that the message shows a total.
    auto boxes = e2e::VisibleCheckBoxes(main);
    if (boxes.size() == 14) {
        e2e::Click(boxes[0]);
        e2e::Click(boxes[6]);
        e2e::WaitUntil([&] { return e2e::IsChecked(boxes[0]) && e2e::IsChecked(boxes[6]); }, kShortWaitMs);
    }
    if (HWND calculate = e2e::FindChild(main, L"Button", language.calculate)) {
        e2e::Click(calculate);
        if (HWND info = e2e::WaitForTop(program.Id(), L"Info", L"#32770", kShortWaitMs)) {
            Save(info, lang + L"-info");
            e2e::PressOk(info);
        } else {
            Skip(lang + L"-info", "Calculate showed no message");
        }
    } else {
        Skip(lang + L"-info", "no Calculate button");
    }

    SaveOpened(program, main, language.todo, language.todoCaption, lang + L"-todo");
    SaveOpened(program, main, language.about, language.aboutCaption, lang + L"-about");

    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!program.WaitExit(kShortWaitMs)) {
        std::printf("note: the program did not end after its checklist window closed:\n%s",
                    e2e::Describe(program.Id()).c_str());
    }
}

void ChooserOnly() {
    e2e::Process program;
    if (!program.Start(e2e::ProgramPath())) return Skip(L"run-chooser", "the program did not start");
    HWND chooser = e2e::WaitForTop(program.Id(), L"Language/Dil");
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
    if (e2e::ProgramPath().empty()) {
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
