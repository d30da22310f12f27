// Starts a program as a user does and watches it from outside: the time until its window
// stands painted, its working set, its memory over many countdown ticks, and how long its
// real seconds take. Every result is one line "key value..." on standard output.
//   launch_probe startup RUNS A.exe B.exe   A and B in turn, RUNS times each, after one warm-up
//   launch_probe ticks EXE COUNT BATCH      working set before and after COUNT posted ticks
//   launch_probe drift EXE SECONDS [late]   the real time the strip takes for SECONDS ticks,
//                                           with "late" every timer message of it 20 ms late
//   launch_probe rest EXE SECONDS [counting|waiting] the processor time the program takes over
//                                           SECONDS real seconds, the pointer away from its
//                                           window; with "counting" after a click on Start, with
//                                           "waiting" while unit 2 waits for the user's input
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/status_display.h"
#include "strip_window.h"
#include "core/unit_cycle.h"
#include "resource.h"

namespace {

constexpr DWORD kWaitMs = 20000;

double NowMs()
{
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::string Stem(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool AnswersMessages(HWND hWnd)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

// No paint is pending in the dialog nor in any of its visible controls.
bool NothingToPaint(HWND hDlg)
{
    if (::GetUpdateRect(hDlg, nullptr, FALSE))
        return false;
    BOOL bPending = FALSE;
    ::EnumChildWindows(
        hDlg,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            if (::IsWindowVisible(hChild) && ::GetUpdateRect(hChild, nullptr, FALSE)) {
                *reinterpret_cast<BOOL*>(lParam) = TRUE;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&bPending));
    return !bPending;
}

// Waits until the dialog's thread has taken every message posted to it so far: a paint is
// only handed out once no posted message is left, so the dialog's own repaint marks the end.
bool WaitForPostedMessages(HWND hDlg)
{
    ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
    const double deadline = NowMs() + kWaitMs;
    while (NowMs() < deadline) {
        if (!AnswersMessages(hDlg))
            return false;
        if (!::GetUpdateRect(hDlg, nullptr, FALSE))
            return true;
        ::Sleep(0);
    }
    return false;
}

struct Memory {
    double kbWorkingSet = 0;
    double kbPeakWorkingSet = 0;
};

// One started program, closed as the user would close it when the object goes.
class Target {
public:
    explicit Target(std::string exe) : m_exe(std::move(exe)) {}
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    ~Target() { Close(); }

    // Starts the program and returns once its window stands painted; false if it never does.
    bool StartPainted()
    {
        std::string command = "\"" + m_exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        const double started = NowMs();
        if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &m_process)) {
            std::fprintf(stderr, "launch_probe: cannot start %s (%lu)\n", m_exe.c_str(), ::GetLastError());
            return false;
        }
        const double deadline = started + kWaitMs;
        while (NowMs() < deadline) {
            if (!m_hDlg) {
                m_hDlg = FindStripWindow(m_process.dwProcessId);
                m_msToVisible = NowMs() - started;
            }
            if (m_hDlg && AnswersMessages(m_hDlg) && NothingToPaint(m_hDlg)) {
                m_msToPainted = NowMs() - started;
                return true;
            }
            ::Sleep(1);
        }
        std::fprintf(stderr, "launch_probe: %s showed no painted window\n", m_exe.c_str());
        return false;
    }

    Memory ReadMemory() const
    {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        Memory memory;
        if (::GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof counters)) {
            memory.kbWorkingSet = static_cast<double>(counters.WorkingSetSize) / 1024.0;
            memory.kbPeakWorkingSet = static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
        }
        return memory;
    }

    std::string ProgressText() const { return StripControlText(m_hDlg, IDC_PROGRESS); }

    void Close()
    {
        if (!m_process.hProcess)
            return;
        if (m_hDlg)
            ::PostMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        if (::WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "launch_probe: %s did not close, ended it\n", m_exe.c_str());
            ::TerminateProcess(m_process.hProcess, 1);
            ::WaitForSingleObject(m_process.hProcess, kWaitMs);
        }
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
        m_process = {};
        m_hDlg = nullptr;
    }

    HWND Dialog() const { return m_hDlg; }
    double MsToVisible() const { return m_msToVisible; }
    double MsToPainted() const { return m_msToPainted; }

private:
    std::string m_exe;
    PROCESS_INFORMATION m_process{};
    HWND m_hDlg = nullptr;
    double m_msToVisible = 0;
    double m_msToPainted = 0;
};

void PrintMemory(const char* key, const std::string& name, const Memory& memory)
{
    std::printf("%s %s %.0f %.0f\n", key, name.c_str(), memory.kbWorkingSet, memory.kbPeakWorkingSet);
}

int RunStartup(int nRuns, const std::vector<std::string>& exes)
{
    struct Series {
        std::vector<double> ms;
        std::vector<double> msVisible;
        std::vector<double> kbPeak;
    };
    std::vector<Series> series(exes.size());
    // The first start of each reads its files from disk; the ones counted find them cached.
    for (const std::string& exe : exes) {
        Target target(exe);
        if (!target.StartPainted())
            return 1;
    }
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        // In turn, and every other round in the other order, so neither always goes first.
        for (std::size_t k = 0; k < exes.size(); ++k) {
            const std::size_t i = nRun % 2 ? exes.size() - 1 - k : k;
            Target target(exes[i]);
            if (!target.StartPainted())
                return 1;
            series[i].ms.push_back(target.MsToPainted());
            series[i].msVisible.push_back(target.MsToVisible());
            series[i].kbPeak.push_back(target.ReadMemory().kbPeakWorkingSet);
        }
    }
    for (std::size_t i = 0; i < exes.size(); ++i) {
        const std::string name = Stem(exes[i]);
        std::printf("startup_runs_ms %s", name.c_str());
        for (double ms : series[i].ms)
            std::printf(" %.1f", ms);
        std::printf("\nstartup_ms %s %.1f\n", name.c_str(), Median(series[i].ms));
        std::printf("startup_visible_ms %s %.1f\n", name.c_str(), Median(series[i].msVisible));
        std::printf("startup_peak_kb %s %.0f\n", name.c_str(), Median(series[i].kbPeak));
    }
    return 0;
}

// The strip's text after so many ticks from the start with the default settings.
std::string ExpectedStatus(int nTicks)
{
    UnitCycle cycle;
    cycle.Reset(TimerSettings{});
    for (int i = 0; i < nTicks; ++i)
        cycle.Tick();
    return StatusText(cycle).c_str();
}

int RunTicks(const std::string& exe, int nTicks, int nBatch)
{
    const std::string name = Stem(exe);
    Target target(exe);
    if (!target.StartPainted())
        return 1;
    const HWND hDlg = target.Dialog();
    const std::string textBefore = target.ProgressText();
    PrintMemory("ticks_start", name, target.ReadMemory());
    // Ticks count only for a running countdown.
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), 0);
    // The working set at every tenth of the ticks: a leak climbs to the end, a cache levels off.
    std::vector<double> curve;
    const double started = NowMs();
    for (int nDone = 0; nDone < nTicks;) {
        const int n = std::min(nBatch, nTicks - nDone);
        for (int i = 0; i < n; ++i)
            ::PostMessageA(hDlg, WM_TIMER, 0, 0);
        if (!WaitForPostedMessages(hDlg)) {
            std::fprintf(stderr, "launch_probe: %s stopped answering after %d ticks\n", exe.c_str(), nDone);
            return 1;
        }
        if ((nDone + n) * 10 / nTicks != nDone * 10 / nTicks)
            curve.push_back(target.ReadMemory().kbWorkingSet);
        nDone += n;
    }
    const double elapsed = NowMs() - started;
    // Read before the strip's own one-second timer, armed again by every tick, can add one.
    const std::string textAfter = target.ProgressText();
    PrintMemory("ticks_end", name, target.ReadMemory());
    std::printf("ticks_ms %s %.0f\n", name.c_str(), elapsed);
    std::printf("ticks_curve_kb %s", name.c_str());
    for (double kb : curve)
        std::printf(" %.0f", kb);
    std::printf("\n");
    // The bare dialog's bar keeps its template text; the strip's must show every tick counted.
    const bool bStrip = textBefore == ExpectedStatus(0);
    std::printf("ticks_counted %s %s\n", name.c_str(),
                !bStrip ? "n/a" : textAfter == ExpectedStatus(nTicks) ? "yes" : "no");
    return 0;
}

// Puts the message hook `hookName` of the DLL `dllName`, beside the probe, on the thread of the
// window; false if it cannot.
bool PutHook(HWND hWnd, const char* dllName, const char* hookName)
{
    HMODULE hHookDll = ::LoadLibraryA(dllName);
    auto* pfnHook = hHookDll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(hHookDll, hookName)))
                             : nullptr;
    const DWORD nThread = ::GetWindowThreadProcessId(hWnd, nullptr);
    // The hook stays until the probe ends; the DLL is loaded into the program at its next message.
    if (!pfnHook || !::SetWindowsHookExA(WH_GETMESSAGE, pfnHook, hHookDll, nThread))
        return false;
    ::PostMessageA(hWnd, WM_NULL, 0, 0);
    return true;
}

int RunDrift(const std::string& exe, int nSeconds, bool bLate)
{
    Target target(exe);
    if (!target.StartPainted())
        return 1;
    if (bLate && !PutHook(target.Dialog(), "late_timer.dll", "LateTimerHook")) {
        std::fprintf(stderr, "launch_probe: cannot make the strip's timer messages late\n");
        return 1;
    }
    const int nLeftAtStart = SecondsLeft(target.ProgressText());
    ::PostMessageA(target.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), 0);
    const double clicked = NowMs();
    double firstTick = 0;
    int nLeftAtFirst = -1;
    const double deadline = clicked + (nSeconds + 10) * 1000.0;
    while (NowMs() < deadline) {
        const int nLeft = SecondsLeft(target.ProgressText());
        const double now = NowMs();
        if (nLeftAtFirst < 0 && nLeft != nLeftAtStart) {
            firstTick = now;
            nLeftAtFirst = nLeft;
        } else if (nLeftAtFirst >= 0 && nLeft <= nLeftAtFirst - nSeconds) {
            const double elapsed = now - firstTick;
            std::printf("drift_first_tick_ms %.0f\n", firstTick - clicked);
            std::printf("drift_seconds_counted %d\n", nLeftAtFirst - nLeft);
            std::printf("drift_elapsed_ms %.0f\n", elapsed);
            std::printf("drift_ms %.0f\n", elapsed - nSeconds * 1000.0);
            return 0;
        }
        ::Sleep(10);
    }
    std::fprintf(stderr, "launch_probe: the strip did not count %d seconds in time\n", nSeconds);
    return 1;
}

// The processor time, user and kernel, that the program with process_times.dll on its thread has
// taken so far, as it reads it itself; below zero if it does not answer.
double ProcessorMs(HWND hWnd)
{
    static const UINT kProcessTimesMessage = ::RegisterWindowMessageA("Tarnovell bench: processor time");
    MSG msg{};
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the probe's thread gets its queue
    ::PostMessageA(hWnd, kProcessTimesMessage, ::GetCurrentThreadId(), 0);
    const double deadline = NowMs() + kWaitMs;
    while (NowMs() < deadline) {
        if (::PeekMessageA(&msg, nullptr, kProcessTimesMessage, kProcessTimesMessage, PM_REMOVE))
            return static_cast<double>(msg.lParam) / 1000.0;
        ::Sleep(1);
    }
    return -1;
}

// The strip's settings for a rest of its own: none, or a pause of no length after which the next
// unit waits for the first input, reading it once a second.
class RestSettings {
public:
    RestSettings(const std::string& exe, bool bWaiting)
        : m_path(bWaiting ? exe.substr(0, exe.find_last_of("\\/") + 1) + kSettingsFileName : std::string())
    {
        static constexpr char kWaiting[] =
            "[EINHEIT]\r\nKPause=0\r\n[ABLAUF]\r\nEinheitVonSelbst=0\r\nEinheitBeiEingabe=1\r\n";
        HANDLE hFile = bWaiting ? ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)
                                : INVALID_HANDLE_VALUE;
        DWORD nWritten = 0;
        if (hFile != INVALID_HANDLE_VALUE) {
            ::WriteFile(hFile, kWaiting, sizeof kWaiting - 1, &nWritten, nullptr);
            ::CloseHandle(hFile);
        }
    }
    RestSettings(const RestSettings&) = delete;
    RestSettings& operator=(const RestSettings&) = delete;
    ~RestSettings()
    {
        if (!m_path.empty())
            ::DeleteFileA(m_path.c_str());
    }

private:
    std::string m_path;
};

int RunRest(const std::string& exe, int nSeconds, const std::string& mode)
{
    const bool bCounting = mode == "counting";
    const RestSettings settings(exe, mode == "waiting");
    Target target(exe);
    if (!target.StartPainted())
        return 1;
    // The pointer in the screen's far corner, off the centred window: no tooltip tracks it.
    RECT rcWindow{};
    ::GetWindowRect(target.Dialog(), &rcWindow);
    const POINT corner{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1};
    if (::PtInRect(&rcWindow, corner) || !::SetCursorPos(corner.x, corner.y) ||
        !PutHook(target.Dialog(), "process_times.dll", "ProcessTimesHook")) {
        std::fprintf(stderr, "launch_probe: cannot put the pointer away from %s or ask its times\n", exe.c_str());
        return 1;
    }
    if (mode == "waiting")
        ::PostMessageA(target.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), 0);
    if (bCounting || mode == "waiting")
        ::PostMessageA(target.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), 0);
    // The pause of no length ends with the first tick, a second after the start.
    for (int i = 0; i < 50 && mode == "waiting" && target.ProgressText() != "25:00 --- Einheit 2"; ++i)
        ::Sleep(100);
    // A second for what the start and the click still do once; then only the rest is counted.
    ::Sleep(1000);
    const std::string textBefore = target.ProgressText();
    const double before = ProcessorMs(target.Dialog());
    ::Sleep(static_cast<DWORD>(nSeconds) * 1000);
    const double after = ProcessorMs(target.Dialog());
    if (before < 0 || after < 0) {
        std::fprintf(stderr, "launch_probe: no processor times of %s\n", exe.c_str());
        return 1;
    }
    // The strip counting must have counted; the stopped one and the bare dialog keep their text,
    // and the one that waits still waits at the start of unit 2.
    if ((target.ProgressText() != textBefore) != bCounting ||
        (mode == "waiting" && textBefore != "25:00 --- Einheit 2")) {
        std::fprintf(stderr, "launch_probe: %s did not count as asked (\"%s\", then \"%s\")\n", exe.c_str(),
                     textBefore.c_str(), target.ProgressText().c_str());
        return 1;
    }
    std::printf("rest_cpu_ms %s %s %.0f %d\n", Stem(exe).c_str(), mode.c_str(), after - before,
                nSeconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 4)
        return RunStartup(std::atoi(argv[2]), std::vector<std::string>(argv + 3, argv + argc));
    if (mode == "ticks" && argc == 5)
        return RunTicks(argv[2], std::atoi(argv[3]), std::max(1, std::atoi(argv[4])));
    if (mode == "drift" && (argc == 4 || (argc == 5 && std::strcmp(argv[4], "late") == 0)))
        return RunDrift(argv[2], std::atoi(argv[3]), argc == 5);
    const std::string rest = argc == 5 ? argv[4] : "stopped";
    if (mode == "rest" && argc >= 4 && argc <= 5 && (rest == "stopped" || rest == "counting" || rest == "waiting"))
        return RunRest(argv[2], std::atoi(argv[3]), rest);
    std::fprintf(stderr,
                 "usage: launch_probe startup RUNS EXE...\n"
                 "       launch_probe ticks EXE COUNT BATCH\n"
                 "       launch_probe drift EXE SECONDS [late]\n"
                 "       launch_probe rest EXE SECONDS [counting|waiting]\n");
    return 2;
}
