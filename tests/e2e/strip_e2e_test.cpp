// The real Tarnovell.exe started as a user starts it, from a folder whose name the ANSI code page
// cannot hold: it shows the strip as its settings file says, counts down in real time, and the
// exit button ends it and adds the place to that file, which stays ANSI text. Started from a
// downloads folder with DLLs of system names beside it and a settings file that cannot be
// written, it loads none of those DLLs and keeps its settings in the user's own file. A second
// start shows the running strip instead of a second one, and a chord pressed on the keyboard
// reaches the strip from another program. A script drives the strip through the program's actions
// and reads its state.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>

#include "resource.h"
#include "host_program.h"
#include "message_pump.h"
#include "strip_window.h"

namespace {

std::wstring Directory()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

std::string ReadFile(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Starts the exe and waits until its strip is up: it shows itself half-way through its start-up,
// before its text is set, so it is up once its bar carries a text.
HWND StartStrip(const std::wstring& exe, PROCESS_INFORMATION& process, const std::wstring& action = {})
{
    std::wstring command = L"\"" + exe + L"\"" + (action.empty() ? L"" : L" " + action);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    ::WaitForInputIdle(process.hProcess, 20000);
    for (int i = 0; i < 200; ++i) {
        HWND hStrip = FindStripWindow(process.dwProcessId);
        if (hStrip && !StripControlText(hStrip, IDC_PROGRESS).empty())
            return hStrip;
        ::Sleep(100);
    }
    ::TerminateProcess(process.hProcess, 1);
    return nullptr;
}

bool EndStrip(HWND hStrip, const PROCESS_INFORMATION& process)
{
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const bool bEnded = ::WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return bEnded;
}

// The dialog that `owner` opened, once it is up: a visible window that it owns.
HWND WaitForDialog(HWND owner)
{
    for (int i = 0; i < 100; ++i, ::Sleep(100)) {
        for (HWND hWnd = ::GetTopWindow(nullptr); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            if (::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) == owner)
                return hWnd;
        }
    }
    return nullptr;
}

// Waits at most five seconds until the strip is shown or hidden as asked.
bool WaitUntilShown(HWND hStrip, bool bShown)
{
    for (int i = 0; i < 50; ++i, ::Sleep(100)) {
        if ((::IsWindowVisible(hStrip) != FALSE) == bShown)
            return true;
    }
    return false;
}

// What a run of the exe as a script runs it leaves: its exit code, and what it wrote to its
// standard output and error, each redirected to a file.
using ScriptRun = std::tuple<DWORD, std::string, std::string>;

ScriptRun RunAsScript(const std::wstring& exe, const std::wstring& arguments)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const std::wstring paths[2] = {exe + L".out", exe + L".err"};
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    HANDLE* files[2] = {&startup.hStdOutput, &startup.hStdError};
    for (int i = 0; i < 2; ++i)
        *files[i] = ::CreateFileW(paths[i].c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    DWORD nExitCode = STILL_ACTIVE;
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        if (::WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
            ::TerminateProcess(process.hProcess, STILL_ACTIVE);
        ::GetExitCodeProcess(process.hProcess, &nExitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    for (HANDLE* pFile : files)
        ::CloseHandle(*pFile);
    return {nExitCode, ReadFile(paths[0]), ReadFile(paths[1])};
}
}  // namespace

TEST(RealProgram, CountsDownInRealTimeAndTheExitButtonSavesThePlace)
{
    const std::wstring folder = Directory() + L"\u03A9mega\\";
    const std::wstring exe = folder + L"Tarnovell.exe";
    const std::wstring ini = folder + L"Tarnovell.ini";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW((Directory() + L"Tarnovell.exe").c_str(), exe.c_str(), FALSE));
    const std::string settings = "[EINHEIT]\r\nArbeit=10\r\nAlarm=Gl\xF6" "ckchen.wav\r\n";
    std::ofstream(std::filesystem::path(ini), std::ios::binary) << settings;

    PROCESS_INFORMATION process{};
    HWND hStrip = StartStrip(exe, process);
    ASSERT_NE(hStrip, nullptr) << "no strip came up";
    EXPECT_TRUE(::GetWindowLongPtrA(hStrip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(StripControlText(hStrip, IDC_PROGRESS), "10:00 --- Einheit 1");

    // Real seconds pass here: this is the one test that watches the real timer. It counts at
    // most one second for each that passed, and on a busy machine it may count fewer.
    const ULONGLONG started = ::GetTickCount64();
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), 0);
    int left = 600;
    while (left > 600 - 3 && ::GetTickCount64() - started < 20000) {
        ::Sleep(100);
        left = SecondsLeft(StripControlText(hStrip, IDC_PROGRESS));
    }
    const auto secondsPassed = static_cast<int>((::GetTickCount64() - started) / 1000);
    EXPECT_LE(left, 600 - 3) << "the countdown did not move";
    EXPECT_GE(left, 600 - secondsPassed) << "it counted more seconds than passed";

    RECT rect{};
    ::GetWindowRect(hStrip, &rect);
    ASSERT_TRUE(EndStrip(hStrip, process)) << "the exit button did not end it";

    EXPECT_EQ(ReadFile(ini), settings + "[POS]\r\nX1=" + std::to_string(rect.left) +
                                 "\r\nY1=" + std::to_string(rect.top) +
                                 "\r\nX2=" + std::to_string(rect.right - rect.left) +
                                 "\r\nY2=" + std::to_string(rect.bottom - rect.top) + "\r\n");
    ::DeleteFileW(ini.c_str());
    ::DeleteFileW(exe.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

// The folder, its settings file locked even against root and the planted comctl32, winmm and
// comdlg32 (each leaves "<its path>.loaded" when loaded) are set up by the build before the test.
TEST(RealProgram, InADownloadsFolderItLoadsNoDllFromThereAndKeepsSettingsWhereItMayWrite)
{
    const std::wstring folder = Directory() + L"Downloads\\";
    const std::wstring exe = folder + L"Tarnovell (1).exe";
    const std::wstring ini = folder + L"Tarnovell.ini";
    // Only root may lock the file: a run that could not left it writable.
    if (HANDLE hIni = ::CreateFileW(ini.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        hIni != INVALID_HANDLE_VALUE) {
        ::CloseHandle(hIni);
        GTEST_SKIP() << "the settings file is not locked: chattr needs root or sudo";
    }
    wchar_t localAppData[MAX_PATH] = {};
    ASSERT_TRUE(::GetEnvironmentVariableW(L"LOCALAPPDATA", localAppData, MAX_PATH));
    const std::wstring userIni = std::wstring(localAppData) + L"\\Tarnovell\\Tarnovell.ini";
    ::DeleteFileW(userIni.c_str());
    ASSERT_TRUE(::CopyFileW((Directory() + L"Tarnovell.exe").c_str(), exe.c_str(), FALSE));
    const std::string beside = ReadFile(ini);
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ::GetFileAttributesExW(ini.c_str(), GetFileExInfoStandard, &before);
    // Windows' search order for this program in this prefix: a DLL beside it before the system's.
    for (const std::wstring dll : {L"comctl32", L"winmm", L"comdlg32"}) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Tarnovell (1).exe\\DllOverrides",
                          dll.c_str(), REG_SZ, L"native,builtin", sizeof L"native,builtin");
        ::DeleteFileW((folder + dll + L".dll.loaded").c_str());
    }

    PROCESS_INFORMATION process{};
    HWND hStrip = StartStrip(exe, process);
    ASSERT_NE(hStrip, nullptr) << "no strip came up";
    EXPECT_EQ(SecondsLeft(StripControlText(hStrip, IDC_PROGRESS)), 60) << "the user's file starts as a copy";
    // An alarm, the settings dialog and its file dialog, and one more minute for a unit. The start
    // is sent, not posted: a thread takes sent messages before posted ones, so a posted start
    // could come after the first ticks.
    ::SendMessageTimeoutA(hStrip, WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    for (int i = 0; i < 61; ++i)
        ::SendMessageTimeoutA(hStrip, WM_TIMER, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_NE(StripControlText(hStrip, IDC_PROGRESS).find("PAUSE"), std::string::npos);
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS, BN_CLICKED), 0);
    HWND hSettings = WaitForDialog(hStrip);
    ASSERT_NE(hSettings, nullptr) << "no settings dialog came up";
    ::PostMessageA(hSettings, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED), 0);
    HWND hOpen = WaitForDialog(hSettings);
    ASSERT_NE(hOpen, nullptr) << "no file dialog came up";
    ::PostMessageA(hOpen, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ::SendMessageTimeoutA(::GetDlgItem(hSettings, IDC_WORK_PLUS), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    ::SendMessageTimeoutA(hSettings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    ASSERT_TRUE(EndStrip(hStrip, process));
    for (const std::wstring mark : {L"comctl32.dll.loaded", L"winmm.dll.loaded", L"comdlg32.dll.loaded"})
        EXPECT_EQ(::GetFileAttributesW((folder + mark).c_str()), INVALID_FILE_ATTRIBUTES) << mark;

    hStrip = StartStrip(exe, process);
    ASSERT_NE(hStrip, nullptr) << "no strip came up again";
    EXPECT_EQ(SecondsLeft(StripControlText(hStrip, IDC_PROGRESS)), 120) << "the change was not kept";
    ASSERT_TRUE(EndStrip(hStrip, process));
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ::GetFileAttributesExW(ini.c_str(), GetFileExInfoStandard, &after);
    EXPECT_EQ(ReadFile(ini), beside);
    EXPECT_EQ(::CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0);
    EXPECT_NE(ReadFile(userIni).find("Arbeit=2\r\n"), std::string::npos);
    ::DeleteFileW(userIni.c_str());
    ::DeleteFileW(exe.c_str());
}

// A second start with the same settings file, through its short name or a linked folder, shows
// the running strip that its chord hid and ends without a strip of its own, writing nothing; a
// copy with a settings file of its own runs. A start during the strip's exit waits for it and runs,
// and one beside a lock that another program holds runs at once, sending nothing to its windows.
TEST(RealProgram, ASecondStartBringsTheRunningStripIntoViewAndEndsWritingNothing)
{
    const std::wstring folder = Directory() + L"Zweimal gestartet\\";
    const std::wstring other = Directory() + L"Woanders\\";
    const std::string settings = "[EINHEIT]\r\nArbeit=10\r\n";
    for (const std::wstring& dir : {folder, other}) {
        ::CreateDirectoryW(dir.c_str(), nullptr);
        ASSERT_TRUE(::CopyFileW((Directory() + L"Tarnovell.exe").c_str(), (dir + L"Tarnovell.exe").c_str(), FALSE));
        std::ofstream(std::filesystem::path(dir + L"Tarnovell.ini"), std::ios::binary) << settings;
    }
    PROCESS_INFORMATION first{};
    HWND hStrip = StartStrip(folder + L"Tarnovell.exe", first);
    ASSERT_NE(hStrip, nullptr) << "no strip came up";
    ::PostMessageA(::GetWindow(hStrip, GW_OWNER), WM_HOTKEY, 4, 0);
    EXPECT_TRUE(WaitUntilShown(hStrip, false)) << "the chord did not hide the strip";

    // The short name Wine, unlike Windows, tells the program as the long one; the link is made
    // as the Linux side makes one.
    wchar_t shortExe[MAX_PATH] = {};
    ::GetShortPathNameW((folder + L"Tarnovell.exe").c_str(), shortExe, MAX_PATH);
    ASSERT_EQ(std::wstring(shortExe).find(L"Zweimal gestartet"), std::wstring::npos) << "no short name";
    const std::wstring link = Directory() + L"Verknuepft";
    const auto unixPath = [](std::wstring path) {
        std::replace(path.begin(), path.end(), L'\\', L'/');
        return L"\"" + path.substr(2) + L"\"";
    };
    ASSERT_EQ(link.rfind(L"Z:\\", 0), 0u) << "the test's folder is not on Z:, Wine's drive of the root";
    ASSERT_TRUE(StartHostProgram(L"Z:\\bin\\ln", L"ln -sfn " + unixPath(folder) + L" " + unixPath(link)));
    for (int i = 0; i < 50 && ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        ::Sleep(100);
    for (const std::wstring& exe : {std::wstring(shortExe), link + L"\\Tarnovell.exe"}) {
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION second{};
        ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &second));
        EXPECT_EQ(::WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0) << "it did not end: " << exe;
        EXPECT_TRUE(WaitUntilShown(hStrip, true)) << "the running strip was not brought into view";
        EXPECT_EQ(FindStripWindow(second.dwProcessId), nullptr);
        ::CloseHandle(second.hThread);
        ::CloseHandle(second.hProcess);
    }
    StartHostProgram(L"Z:\\bin\\rm", L"rm " + unixPath(link));
    EXPECT_EQ(ReadFile(folder + L"Tarnovell.ini"), settings);

    PROCESS_INFORMATION elsewhere{};
    HWND hOther = StartStrip(other + L"Tarnovell.exe", elsewhere);
    ASSERT_NE(hOther, nullptr) << "a copy with its own settings file did not start";
    EXPECT_NE(hOther, hStrip);
    ASSERT_TRUE(EndStrip(hOther, elsewhere));

    // The exit held up for 3 s, as a busy disk would hold it: longer than a start waits for an answer.
    wchar_t name[64] = {};
    wchar_t hostClass[64] = {};
    ::GetWindowTextW(::GetWindow(hStrip, GW_OWNER), name, 64);
    ::GetClassNameW(::GetWindow(hStrip, GW_OWNER), hostClass, 64);
    ::SuspendThread(first.hThread);
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HANDLE hResume = nullptr;
    ::CreateTimerQueueTimer(&hResume, nullptr, [](void* hThread, BOOLEAN) { ::ResumeThread(hThread); },
                            first.hThread, 3000, 0, WT_EXECUTEONLYONCE);
    PROCESS_INFORMATION third{};
    hStrip = StartStrip(folder + L"Tarnovell.exe", third);
    ASSERT_NE(hStrip, nullptr) << "no strip came up after the first one's exit";
    EXPECT_EQ(::WaitForSingleObject(first.hProcess, 0), WAIT_OBJECT_0);
    ASSERT_TRUE(EndStrip(hStrip, third));
    ::DeleteTimerQueueTimer(nullptr, hResume, nullptr);

    // Windows titled as the host: one of another class, one of the host's class in this program.
    const HANDLE hLock = ::CreateMutexW(nullptr, TRUE, (std::wstring(L"Local\\") + name).c_str());
    static int nHeard = 0;
    HWND hTitled[2] = {};
    for (int i = 0; i < 2; ++i) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = [](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            nHeard += message == WM_APP + 1;
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        };
        windowClass.lpszClassName = i == 0 ? hostClass : L"Fremd";
        ::RegisterClassW(&windowClass);
        hTitled[i] = ::CreateWindowExW(0, windowClass.lpszClassName, name, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       nullptr, nullptr);
    }
    const ULONGLONG nStarted = ::GetTickCount64();
    hStrip = StartStrip(folder + L"Tarnovell.exe", third);
    ASSERT_NE(hStrip, nullptr) << "no strip came up beside the held lock";
    EXPECT_LT(::GetTickCount64() - nStarted, 8000u) << "it waited for the lock";
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(nHeard, 0) << "a window titled as the host heard from the start";
    ASSERT_TRUE(EndStrip(hStrip, third));
    for (HWND hWnd : hTitled)
        ::DestroyWindow(hWnd);
    ::CloseHandle(hLock);
    ::CloseHandle(first.hThread);
    ::CloseHandle(first.hProcess);
    for (const std::wstring& dir : {folder, other}) {
        ::DeleteFileW((dir + L"Tarnovell.ini").c_str());
        ::DeleteFileW((dir + L"Tarnovell.exe").c_str());
        ::RemoveDirectoryW(dir.c_str());
    }
}

// Under Wine a chord fires only while a window of Wine has the X focus: the test's own window
// takes it, and the chord is pressed through the X server.
TEST(RealProgram, AChordPressedOnTheKeyboardReachesTheStripFromAnotherProgram)
{
    const std::wstring folder = Directory() + L"Tasten\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW((Directory() + L"Tarnovell.exe").c_str(), (folder + L"Tarnovell.exe").c_str(), FALSE));
    PROCESS_INFORMATION process{};
    HWND hStrip = StartStrip(folder + L"Tarnovell.exe", process);
    ASSERT_NE(hStrip, nullptr) << "no strip came up";

    HWND hOwn = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 20, 600, 80, 40, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    PumpUntil([] { return false; }, 100);
    const auto xWindow = reinterpret_cast<UINT_PTR>(::GetPropA(hOwn, "__wine_x11_whole_window"));
    ASSERT_NE(xWindow, 0u) << "the test's window has no X window";
    const std::wstring press = L"xdotool windowfocus " + std::to_wstring(xWindow) + L" key ctrl+alt+t";
    for (const bool bShown : {false, true}) {
        // The window takes the focus only once the X server shows it: a press that found it not
        // yet shown is pressed again, ten times at most.
        for (int nTry = 0; nTry < 10 && (::IsWindowVisible(hStrip) != FALSE) != bShown; ++nTry) {
            ASSERT_TRUE(StartHostProgram(L"Z:\\usr\\bin\\xdotool", press)) << "no xdotool (apt package xdotool)";
            PumpUntil([&] { return (::IsWindowVisible(hStrip) != FALSE) == bShown; }, 1000);
        }
        EXPECT_EQ(::IsWindowVisible(hStrip) != FALSE, bShown) << "the chord did not reach the strip";
    }
    ::DestroyWindow(hOwn);
    ASSERT_TRUE(EndStrip(hStrip, process));
    ::DeleteFileW((folder + L"Tarnovell.ini").c_str());
    ::DeleteFileW((folder + L"Tarnovell.exe").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

// Each action reaches the strip, hidden or shown, and the run ends with 0, writing nothing but the
// line of /status and nothing to the settings file; a tick sent to the strip tells whether the
// countdown or the stopwatch runs. A record of another version and an unknown call do nothing.
TEST(RealProgram, AScriptDrivesTheRunningStripThroughItsActionsAndReadsItsState)
{
    const std::wstring folder = Directory() + L"Aufrufe\\";
    const std::wstring exe = folder + L"Tarnovell.exe";
    const std::string settings = "[EINHEIT]\r\nArbeit=10\r\n";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW((Directory() + L"Tarnovell.exe").c_str(), exe.c_str(), FALSE));
    std::ofstream(std::filesystem::path(folder + L"Tarnovell.ini"), std::ios::binary) << settings;
    EXPECT_EQ(RunAsScript(exe, L"/status"), ScriptRun(1, "Tarnovell l\xC3\xA4uft nicht\r\n", ""));
    for (const wchar_t* arguments : {L"/los", L"/start -Pause", L"/weiter /weiter"}) {
        EXPECT_EQ(RunAsScript(exe, arguments),
                  ScriptRun(2, "", "Tarnovell kennt diese Aufrufe: /start /pause /weiter /stoppuhr /zeigen /status\r\n"));
    }

    PROCESS_INFORMATION process{};
    HWND hStrip = StartStrip(exe, process);
    ASSERT_NE(hStrip, nullptr) << "no strip came up";
    const auto ticks = [&hStrip](int nControl, WPARAM nTimer) {
        const std::string before = StripControlText(hStrip, nControl);
        ::SendMessageTimeoutA(hStrip, WM_TIMER, nTimer, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        return StripControlText(hStrip, nControl) != before;
    };
    // Timer 0 is the countdown's, 1 the stopwatch's.
    const auto counts = [&] { return ticks(IDC_PROGRESS, 0); };
    const auto stopwatchCounts = [&] { return ticks(IDC_STOPWATCH_TEXT, 1); };
    ::PostMessageA(::GetWindow(hStrip, GW_OWNER), WM_HOTKEY, 4, 0);
    ASSERT_TRUE(WaitUntilShown(hStrip, false)) << "the chord did not hide the strip";
    const struct {
        const wchar_t* arguments;
        std::string out;
        std::function<bool()> state;
    } rows[] = {
        {L"/status", "10:00 --- Einheit 1; pausiert; Stoppuhr 00:00:00 steht\r\n", [&] { return !counts(); }},
        {L"-PAUSE", "", [&] { return !counts(); }},      {L"/Start", "", counts},
        {L"/start", "", counts},                          {L"\"/pause\"", "", [&] { return !counts(); }},
        {L"/stoppuhr", "", stopwatchCounts},              {L"-Stoppuhr", "", [&] { return !stopwatchCounts(); }},
        {L"/weiter", "", [&] { return StripControlText(hStrip, IDC_PROGRESS) == "5:00 --- PAUSE" && !counts(); }},
        {L"/ZEIGEN", "", [&] { return ::IsWindowVisible(hStrip) != FALSE; }},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RunAsScript(exe, row.arguments), ScriptRun(0, row.out, "")) << row.arguments;
        EXPECT_TRUE(row.state()) << row.arguments;
    }

    // The record laid out by hand: "TNVL", a version, its 24 bytes, /start, no reply window. Only
    // version 1 is answered as shown, and starts the countdown.
    for (const uint32_t nVersion : {2u, 1u}) {
        uint32_t record[6] = {0x4C564E54, nVersion, 24, 1, 0, 0};
        COPYDATASTRUCT data{0x5441524E, sizeof record, record};
        DWORD_PTR nAnswer = 7;
        ::SendMessageTimeoutW(::GetWindow(hStrip, GW_OWNER), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG, 5000, &nAnswer);
        EXPECT_EQ(std::pair(nAnswer == 1, counts()), std::pair(nVersion == 1, nVersion == 1)) << nVersion;
    }
    EXPECT_EQ(ReadFile(folder + L"Tarnovell.ini"), settings);
    ASSERT_TRUE(EndStrip(hStrip, process));

    // Without a strip, an action starts one and is carried out on it.
    hStrip = StartStrip(exe, process, L"-start");
    ASSERT_NE(hStrip, nullptr) << "/start started no strip";
    EXPECT_TRUE(counts());
    ASSERT_TRUE(EndStrip(hStrip, process));
    for (const wchar_t* file : {L"Tarnovell.ini", L"Tarnovell.exe", L"Tarnovell.exe.out", L"Tarnovell.exe.err"})
        ::DeleteFileW((folder + file).c_str());
    ::RemoveDirectoryW(folder.c_str());
}
