// Measures the program file beside the minimal Win32 program, in the same run,
// and prints both figures with their ratio: file size, time from process
// start to the first visible window, CPU time over ten seconds of idling with
// the main window open, the peak working set, and the cost of a page switch. Under Wine the wineserver
// does part of every program's work, so its CPU time over the idle is shown too.
//
//   bench [program.exe [minimal.exe]]   (default: found beside this program)
#include <windows.h>
#include <ntstatus.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/driver.h"
#include "support/player_texts.h"

namespace {

constexpr int kStartRuns = 7;
constexpr DWORD kIdleMs = 10000;
constexpr DWORD kSettleMs = 1000;

struct Subject {
    const char* name;
    std::wstring path;
    std::wstring firstCaption;  // the first window that shows
    std::wstring idleCaption;   // the window that idles
};

struct Figures {
    double fileKiB = 0, startMs = 0, idleCpuMs = 0, serverCpuMs = -1, peakKiB = 0;
    double switchMs = -1, switchCpuMs = -1;  // one page switch: wall time to the new page, CPU beyond idling
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// User plus kernel time of a process. Wine's GetProcessTimes reports zero for
// other processes, but its process list carries the real figures.
double CpuMs(DWORD pid) {
    std::vector<char> buffer(1 << 16);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(SystemProcessInformation, buffer.data(), ULONG(buffer.size()),
                                              &needed)) == STATUS_INFO_LENGTH_MISMATCH)
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    if (status != 0) return -1;
    for (size_t at = 0;;) {
        auto* entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(buffer.data() + at);
        if (DWORD(ULONG_PTR(entry->UniqueProcessId)) == pid)
            return double(entry->UserTime.QuadPart + entry->KernelTime.QuadPart) / 10000.0;
        if (!entry->NextEntryOffset) return -1;
        at += entry->NextEntryOffset;
    }
}

// Under Wine the Unix file system is drive Z:, so /proc can be read as a file.
std::string ReadUnixFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

// The /proc folder of the wineserver that serves this prefix (named
// wineserver or wineserver32), or nothing when there is none (not under Wine).
std::wstring FindWineserver() {
    char prefix[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    const std::string wanted = std::string("WINEPREFIX=") + prefix;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::wstring found;
    do {
        std::wstring dir = std::wstring(L"Z:\\proc\\") + entry.cFileName;
        if (!iswdigit(entry.cFileName[0]) || ReadUnixFile(dir + L"\\comm").rfind("wineserver", 0) != 0) continue;
        std::string environment = ReadUnixFile(dir + L"\\environ");
        bool samePrefix = !*prefix || environment.find(wanted + '\0') != std::string::npos;
        if (samePrefix) found = dir;
    } while (found.empty() && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// utime + stime of a Unix process, fields 14 and 15 of its stat line, in ms
// (Linux counts them in ticks of 1/100 s).
double UnixCpuMs(const std::wstring& procDir) {
    std::string stat = ReadUnixFile(procDir + L"\\stat");
    size_t close = stat.rfind(')');
    if (procDir.empty() || close == std::string::npos) return -1;
    unsigned long long utime = 0, stime = 0;
    if (std::sscanf(stat.c_str() + close + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime,
                    &stime) != 2)
        return -1;
    return double(utime + stime) * 10.0;
}

// Polls without sending the starting process any message, so that the poll
// neither waits for it nor slows it down.
bool Shown(DWORD pid, const std::wstring& caption) {
    for (HWND w : driver::TopWindows(pid)) {
        wchar_t text[256] = {};
        InternalGetWindowText(w, text, 256);
        if (caption == text) return true;
    }
    return false;
}

HWND WaitFirstWindow(driver::Process& process, const std::wstring& caption) {
    return driver::WaitForTop(process.Id(), caption, nullptr, 60000);
}

void Close(driver::Process& process) {
    for (HWND w : driver::TopWindows(process.Id())) PostMessageW(w, WM_CLOSE, 0, 0);
    process.WaitExit(10000);  // killed on destruction if it did not end
}

// Milliseconds from CreateProcess to the first visible window, polled every millisecond.
double StartupMs(const Subject& subject) {
    driver::Process process;
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    if (!process.Start(subject.path)) return -1;
    bool appeared = false;
    for (int i = 0; i < 60000 && !(appeared = Shown(process.Id(), subject.firstCaption)); ++i) Sleep(1);
    QueryPerformanceCounter(&shown);
    Close(process);
    return appeared ? Seconds(start, shown) * 1000.0 : -1;
}

// Opens the idling window (for the program: "English" in the chooser), lets it
// settle, then measures ten seconds of doing nothing, and the peak working set.
bool Idle(const Subject& subject, Figures& figures) {
    driver::Process process;
    if (!process.Start(subject.path)) return false;
    HWND first = WaitFirstWindow(process, subject.firstCaption);
    if (!first) return false;
    if (subject.idleCaption != subject.firstCaption) {
        driver::Click(driver::FindChild(first, L"Button", expected::kEnglish.chooserButton));
        if (!driver::WaitForTop(process.Id(), subject.idleCaption)) {
            std::fprintf(stderr, "%s: no window \"%s\" after choosing English:\n%s", subject.name,
                         driver::Narrow(subject.idleCaption).c_str(), driver::Describe(process.Id()).c_str());
            Close(process);
            return false;
        }
    }
    Sleep(kSettleMs);
    const std::wstring server = FindWineserver();
    double cpu0 = CpuMs(process.Id()), server0 = UnixCpuMs(server);
    Sleep(kIdleMs);
    double cpu1 = CpuMs(process.Id()), server1 = UnixCpuMs(server);
    figures.idleCpuMs = cpu1 - cpu0;
    figures.serverCpuMs = server0 < 0 || server1 < 0 ? -1 : server1 - server0;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.Handle(), &memory, sizeof memory))
        figures.peakKiB = double(memory.PeakWorkingSetSize) / 1024.0;
    Close(process);
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Pages the checklist's grid back and forth through its scroll bar, by the
// notification the bar sends its window (no input events, whose own cost
// would hide the switch's): the median time from the notification to the
// other page's boxes, which includes the wait for the next timer tick, and
// the CPU time (program and wineserver) one switch costs beyond idling.
void PageSwitches(const Subject& subject, Figures& figures) {
    constexpr int kSwitches = 100;
    driver::Process process;
    if (!process.Start(subject.path)) return;
    HWND chooser = WaitFirstWindow(process, subject.firstCaption);
    driver::Click(driver::FindChild(chooser, L"Button", expected::kEnglish.chooserButton));
    HWND main = driver::WaitForTop(process.Id(), subject.idleCaption);
    const auto bars = main ? driver::Children(main, L"ScrollBar") : std::vector<HWND>{};
    const auto page1 = main ? driver::VisibleCheckBoxes(main) : std::vector<HWND>{};
    if (bars.empty() || page1.size() != 14) return Close(process);
    HWND row14 = page1.back();  // on page 1 only: watching it alone keeps the watching cheap
    Sleep(kSettleMs);
    const std::wstring server = FindWineserver();
    auto cpu = [&] { return CpuMs(process.Id()) + std::max(0.0, UnixCpuMs(server)); };
    std::vector<double> times;
    LARGE_INTEGER start, posted, switched;
    QueryPerformanceCounter(&start);
    const double cpu0 = cpu();
    for (int i = 0; i < kSwitches; ++i) {
        QueryPerformanceCounter(&posted);
        PostMessageW(main, WM_VSCROLL, i % 2 ? SB_PAGEUP : SB_PAGEDOWN, reinterpret_cast<LPARAM>(bars.front()));
        for (int polls = 0; polls < 5000 && (IsWindowVisible(row14) != FALSE) != (i % 2 == 1); ++polls) Sleep(1);
        QueryPerformanceCounter(&switched);
        times.push_back(Seconds(posted, switched) * 1000.0);
    }
    const double busy = cpu() - cpu0, idle = (figures.idleCpuMs + std::max(0.0, figures.serverCpuMs)) / kIdleMs;
    figures.switchMs = Median(times);
    figures.switchCpuMs = (busy - idle * Seconds(start, switched) * 1000.0) / kSwitches;
    Close(process);
}

double FileKiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return double((ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 1024.0;
}

void Row(const char* label, double program, double minimal, const char* target) {
    char ratio[32] = "-";
    if (program >= 0 && minimal > 0) std::snprintf(ratio, sizeof ratio, "%.2fx", program / minimal);
    auto cell = [](double v, char* out) {
        if (v < 0) std::snprintf(out, 24, "n/a");
        else std::snprintf(out, 24, "%.1f", v);
    };
    char a[24], b[24];
    cell(program, a);
    cell(minimal, b);
    std::printf("%-44s %10s %10s %8s  %s\n", label, a, b, ratio, target);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring program = argc > 1 ? argv[1] : driver::ProgramPath();
    std::wstring minimal = argc > 2 ? argv[2] : std::wstring{};
    if (minimal.empty() && !program.empty())
        minimal = program.substr(0, program.find_last_of(L"\\/") + 1) + L"bench-minimal.exe";
    if (program.empty() || GetFileAttributesW(minimal.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "bench: corvane-checklist.exe or bench-minimal.exe not found\n");
        return 2;
    }
    Subject subjects[2] = {
        {"program", program, expected::kChooserCaption, expected::kEnglish.caption},
        {"minimal", minimal, L"Minimal", L"Minimal"},
    };
    Figures figures[2];

    // Start-up: one unmeasured start each to warm the caches, then alternate.
    std::vector<double> starts[2];
    for (int run = -1; run < kStartRuns; ++run)
        for (int i = 0; i < 2; ++i) {
            double ms = StartupMs(subjects[i]);
            if (run >= 0 && ms >= 0) starts[i].push_back(ms);
        }
    for (int i = 0; i < 2; ++i) {
        figures[i].fileKiB = FileKiB(subjects[i].path);
        figures[i].startMs = Median(starts[i]);
        if (!Idle(subjects[i], figures[i])) figures[i].idleCpuMs = figures[i].peakKiB = -1;
    }
    PageSwitches(subjects[0], figures[0]);

    std::printf("%-44s %10s %10s %8s  %s\n", "", "program", "minimal", "ratio", "target");
    Row("program file size (KiB)", figures[0].fileKiB, figures[1].fileKiB, "");
    char label[64];
    std::snprintf(label, sizeof label, "start-up to first window (ms, median of %d)", kStartRuns);
    Row(label, figures[0].startMs, figures[1].startMs, "<= 1.2x");
    Row("CPU time idling 10 s (ms)", figures[0].idleCpuMs, figures[1].idleCpuMs, "<= 1.5x");
    Row("wineserver CPU time over that idle (ms)", figures[0].serverCpuMs, figures[1].serverCpuMs, "");
    Row("peak working set (KiB)", figures[0].peakKiB, figures[1].peakKiB, "<= 1.5x");
    Row("page switch, to the next tick and through it (ms, median)", figures[0].switchMs, -1, "");
    Row("CPU time of a page switch, wineserver's included (ms)", figures[0].switchCpuMs, -1, "");
    std::printf("(Under Wine, CPU times come in steps of 10 ms; a wineserver figure of n/a means none was found.)\n");
    return 0;
}
