// Times the settings dialog's save into a settings file of 1 MB: 100 sections of another
// program's, 200 keys each, before the strip's own sections at the end of the file. Each save
// sets another work time and must read back from the file. Prints "save_ms MEDIAN MIN MAX" and
// "save_bytes SIZE".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/settings_file.h"
#include "win32/profile_file.h"
#include "win32/wide_text.h"

namespace {

// 100 sections of 200 lines of 52 bytes each, and the strip's own two sections after them.
std::string LargeSettings()
{
    std::string text;
    char line[64];
    for (int nSection = 1; nSection <= 100; ++nSection) {
        std::snprintf(line, sizeof line, "[Fremd%03d]\r\n", nSection);
        text += line;
        for (int nKey = 1; nKey <= 200; ++nKey) {
            std::snprintf(line, sizeof line, "Schluessel%03d=Wert des Schluessels %03d in Teil %03d\r\n", nKey, nKey,
                          nSection);
            text += line;
        }
    }
    return text + "[EINHEIT]\r\nArbeit=25\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=Alarm.wav\r\n"
                  "[POS]\r\nX1=-12\r\nY1=0\r\nX2=446\r\nY2=35\r\n";
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    const bool bWritten = hFile != INVALID_HANDLE_VALUE &&
                          ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr) &&
                          nWritten == bytes.size();
    if (hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(hFile);
    return bWritten;
}

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv)
{
    const int nSaves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::wstring exe = ExecutablePath();
    const std::wstring path = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"save_time.ini";
    const std::string bytes = LargeSettings();
    if (!WriteBytes(path, bytes)) {
        std::printf("save_error cannot write the settings file\n");
        return 1;
    }
    const ProgramSettingsFile file(path);
    std::vector<double> times;
    for (int nSave = 0; nSave < nSaves; ++nSave) {
        TimerSettings settings;
        settings.m_strAlarmFile = kAlarmDefaultDialog;
        settings.m_nWorkMins = 30 + nSave;
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        SettingsFile::SaveTimerSettings(settings, file);
        ::QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
        if (SettingsFile::ReadInt(kSectionUnit, kKeyWork, 0, file) != settings.m_nWorkMins) {
            std::printf("save_error save %d did not store its work time\n", nSave + 1);
            return 1;
        }
    }
    ::DeleteFileW(path.c_str());
    std::sort(times.begin(), times.end());
    std::printf("save_ms %.1f %.1f %.1f\n", times[times.size() / 2], times.front(), times.back());
    std::printf("save_bytes %zu\n", bytes.size());
    return 0;
}
