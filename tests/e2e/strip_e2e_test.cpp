// The real Tarnovell.exe started as a user starts it, from a folder whose name the ANSI code page
// cannot hold: it shows the strip as its settings file says, counts down in real time, and the
// exit button ends it and adds the place to that file, which stays ANSI text.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "strip_window.h"

namespace {

const int kProgress = 1000;
const int kStart = 1004;

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

    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    ::WaitForInputIdle(process.hProcess, 20000);

    // The strip shows itself half-way through its start-up, before its text is set: it is up
    // once its bar carries a text.
    HWND hStrip = nullptr;
    for (int i = 0; i < 200; ++i) {
        hStrip = FindStripWindow(process.dwProcessId);
        if (hStrip && !StripControlText(hStrip, kProgress).empty())
            break;
        ::Sleep(100);
    }
    ASSERT_NE(hStrip, nullptr) << "no strip came up";
    EXPECT_TRUE(::GetWindowLongPtrA(hStrip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(StripControlText(hStrip, kProgress), "10:00 --- Einheit 1");

    // Real seconds pass here: this is the one test that watches the real timer. It counts at
    // most one second for each that passed, and on a busy machine it may count fewer.
    const ULONGLONG started = ::GetTickCount64();
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(kStart, BN_CLICKED), 0);
    int left = 600;
    while (left > 600 - 3 && ::GetTickCount64() - started < 20000) {
        ::Sleep(100);
        left = SecondsLeft(StripControlText(hStrip, kProgress));
    }
    const auto secondsPassed = static_cast<int>((::GetTickCount64() - started) / 1000);
    EXPECT_LE(left, 600 - 3) << "the countdown did not move";
    EXPECT_GE(left, 600 - secondsPassed) << "it counted more seconds than passed";

    RECT rect{};
    ::GetWindowRect(hStrip, &rect);
    ::PostMessageA(hStrip, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0) << "the exit button did not end it";
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);

    EXPECT_EQ(ReadFile(ini), settings + "[POS]\r\nX1=" + std::to_string(rect.left) +
                                 "\r\nY1=" + std::to_string(rect.top) +
                                 "\r\nX2=" + std::to_string(rect.right - rect.left) +
                                 "\r\nY2=" + std::to_string(rect.bottom - rect.top) + "\r\n");
    ::DeleteFileW(ini.c_str());
    ::DeleteFileW(exe.c_str());
    ::RemoveDirectoryW(folder.c_str());
}
