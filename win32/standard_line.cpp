// The line as UTF-8 bytes or as the console's wide characters.
#include "standard_line.h"

#include <string>

#include "file_bytes.h"

namespace {

// False where the handle is no console.
bool WriteToConsole(HANDLE hConsole, std::string_view line)
{
    DWORD nMode = 0;
    if (!::GetConsoleMode(hConsole, &nMode))
        return false;
    // UTF-8 takes at least as many bytes as UTF-16 takes units.
    std::wstring text(line.size(), L'\0');
    text.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                                               text.data(), static_cast<int>(text.size()))));
    text += L"\r\n";
    DWORD nWritten = 0;
    ::WriteConsoleW(hConsole, text.data(), static_cast<DWORD>(text.size()), &nWritten, nullptr);
    return true;
}

}  // namespace

void WriteStandardLine(DWORD nStdHandle, std::string_view line)
{
    const HANDLE hStandard = ::GetStdHandle(nStdHandle);
    if (hStandard && hStandard != INVALID_HANDLE_VALUE) {
        if (WriteToConsole(hStandard, line))
            return;
        const std::string bytes = std::string(line) + "\r\n";
        DWORD nWritten = 0;
        ::WriteFile(hStandard, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr);
        return;
    }
    // A window program started from a console is handed no standard handles, but may write to
    // the console of the program that started it.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const CFile console = OpenFile(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   OPEN_EXISTING);
    if (console)
        WriteToConsole(console.Get(), line);
}
