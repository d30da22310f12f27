// The settings file beside the executable, or the user's own where that one cannot be written,
// read through the wide profile functions so that any folder name works. A save writes the file's
// own 8-bit ANSI bytes with the lines of its keys changed, whole, into a copy first, so that a
// full disk or a second writer never leaves half a file.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "file_bytes.h"
#include "file_exists.h"
#include "profile_file.h"
#include "wide_text.h"

namespace {

// Found out without a trace: a file that lies there is opened for writing and closed unchanged,
// a missing one is created and goes again as it is closed. A file that another program holds
// open at this moment is still the program's own file.
bool CanWrite(const std::wstring& path)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_NOT_FOUND)
        hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, share, nullptr, CREATE_NEW,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(hFile);
    return true;
}

std::wstring FolderOf(const std::wstring& settingsPath)
{
    return settingsPath.substr(0, settingsPath.find_last_of(L'\\') + 1);
}

std::wstring LocalAppData()
{
    std::wstring value(MAX_PATH, L'\0');
    DWORD nLength = ::GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), static_cast<DWORD>(value.size()));
    if (nLength >= value.size()) {
        value.resize(nLength);
        nLength = ::GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), static_cast<DWORD>(value.size()));
    }
    value.resize(nLength < value.size() ? nLength : 0);
    return value;
}

// The user's file starts as a copy of the one beside the executable, so that whoever installed
// the program can hand out settings with it; a copy of a read-only file must not stay read-only.
// Without a file to copy, nothing is made before the first write.
void StartUserSettings(const std::wstring& userPath, const std::wstring& besidePath)
{
    if (!IsSettingsPlace(besidePath) || !IsFile(besidePath))
        return;
    if (::CopyFileW(besidePath.c_str(), userPath.c_str(), TRUE))
        ::SetFileAttributesW(userPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Wine keeps the files it read in a cache and trusts it while a file's time stays the same; this
// drops the file from it, so that the next read sees the disk.
void ForgetCached(const wchar_t* path)
{
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
}

// A value as the profile functions read it, whatever its length.
std::wstring ProfileText(const wchar_t* section, const wchar_t* key, const wchar_t* path)
{
    std::wstring text(256, L'\0');
    for (;;) {
        const DWORD nSize = static_cast<DWORD>(text.size());
        const DWORD nLength = ::GetPrivateProfileStringW(section, key, L"", text.data(), nSize, path);
        if (nLength + 1 < nSize) {
            text.resize(nLength);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// What a text written as a value reads back as: without blanks at either end and without the
// quotes around it.
std::wstring AsRead(std::wstring text)
{
    const std::size_t nFirst = text.find_first_not_of(L" \t");
    if (nFirst == std::wstring::npos)
        return {};
    text = text.substr(nFirst, text.find_last_not_of(L" \t") - nFirst + 1);
    if (text.size() >= 2 && (text[0] == L'"' || text[0] == L'\'') && text.back() == text[0])
        text = text.substr(1, text.size() - 2);
    return text;
}

// Whether each entry of every section passes the check, which is given the section's wide name.
template <class Check>
bool EveryEntry(std::span<const ProfileSection> sections, Check check)
{
    return std::all_of(sections.begin(), sections.end(), [&](const ProfileSection& section) {
        const std::wstring wideSection = WidenAnsi(section.section);
        return std::all_of(section.entries.begin(), section.entries.end(),
                           [&](const ProfileEntry& entry) { return check(wideSection, entry); });
    });
}

// Through the profile functions, key by key: for a file in UTF-16 or with UTF-8's mark, which
// they keep as it is.
bool WriteEntries(const wchar_t* path, std::span<const ProfileSection> sections)
{
    return EveryEntry(sections, [&](const std::wstring& section, const ProfileEntry& entry) {
        return ::WritePrivateProfileStringW(section.c_str(), WidenAnsi(entry.key).c_str(),
                                            WidenAnsi(entry.text).c_str(), path) != FALSE;
    });
}

bool IsUnicodeText(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") || bytes.starts_with("\xEF\xBB\xBF");
}

// What another program's brief hold on the file answers: a virus scanner, an indexer or a sync
// client that opened it just as the save came.
bool IsHeld(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// A step tried again while the file is held, over about half a second; false with the last
// step's error.
template <class Step>
bool Retried(Step step)
{
    for (int nTry = 1;; ++nTry) {
        if (step())
            return true;
        if (nTry == 6 || !IsHeld(::GetLastError()))
            return false;
        ::Sleep(100);
    }
}

// A settings file never grows this large.
constexpr std::size_t kMaxSettingsBytes = std::size_t{64} << 20;

bool WriteAll(HANDLE hFile, const std::string& text)
{
    DWORD nWritten = 0;
    return text.empty() || (::WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &nWritten, nullptr) &&
                            nWritten == text.size());
}

// The settings file as a save finds it.
struct FoundFile {
    std::wstring path;  // of the file itself: what a link names
    std::string bytes;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    // A file of more than one name, or one whose place cannot be told, is written where it lies.
    bool bInPlace = false;
};

// Where the file lies, in the plain form that the copy's name and the profile functions take;
// nothing where that form would be too long.
std::optional<std::wstring> FinalPath(HANDLE hFile)
{
    wchar_t path[MAX_PATH + 8];
    const DWORD nLength =
        ::GetFinalPathNameByHandleW(hFile, path, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (nLength == 0 || nLength >= MAX_PATH + 8)
        return std::nullopt;
    std::wstring plain(path, nLength);
    if (plain.starts_with(L"\\\\?\\UNC\\"))
        plain.replace(0, 8, L"\\\\");
    else if (plain.starts_with(L"\\\\?\\"))
        plain.erase(0, 4);
    if (plain.size() + 4 >= MAX_PATH)
        return std::nullopt;
    return plain;
}

// The file at the path, read while another program lets it be read; a missing file holds nothing.
std::optional<FoundFile> FindFile(const std::wstring& path)
{
    CFile file;
    if (!Retried([&] { return static_cast<bool>(file = OpenFile(path, GENERIC_READ, kShareAll, OPEN_EXISTING)); })) {
        if (::GetLastError() == ERROR_FILE_NOT_FOUND)
            return FoundFile{path, {}, FILE_ATTRIBUTE_NORMAL, false};
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    std::optional<std::string> bytes = ReadAll(file.Get(), kMaxSettingsBytes);
    if (!bytes || !::GetFileInformationByHandle(file.Get(), &info))
        return std::nullopt;
    const std::optional<std::wstring> final = FinalPath(file.Get());
    return FoundFile{final.value_or(path), std::move(*bytes), info.dwFileAttributes, !final || info.nNumberOfLinks > 1};
}

// The whole new text over the file in one write. The file first grows to its new length, so that
// a full disk refuses the save before a byte of it changes.
bool WriteInPlace(const std::wstring& path, std::span<const ProfileSection> sections)
{
    CFile file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
    const std::optional<std::string> bytes = file ? ReadAll(file.Get(), kMaxSettingsBytes) : std::nullopt;
    if (!bytes)
        return false;
    if (IsUnicodeText(*bytes)) {
        file.Reset();
        return WriteEntries(path.c_str(), sections);
    }
    const std::optional<std::string> text = WithSections(*bytes, sections, AnsiCharacterBytes);
    LARGE_INTEGER end{};
    end.QuadPart = text ? static_cast<LONGLONG>(text->size()) : 0;
    const LARGE_INTEGER start{};
    const HANDLE hFile = file.Get();
    return text && (text->size() <= bytes->size() ||
                    (::SetFilePointerEx(hFile, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(hFile))) &&
           ::SetFilePointerEx(hFile, start, nullptr, FILE_BEGIN) && WriteAll(hFile, *text) && ::SetEndOfFile(hFile) &&
           ::FlushFileBuffers(hFile);
}

// A file that an earlier save left under one of its names, even a read-only one, goes.
void RemoveStale(const std::wstring& name)
{
    if (IsFile(name)) {
        ::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(name.c_str());
    }
}

// The copy beside the file, made anew: a stale one is taken over. Nothing where something else
// holds the name (a folder, a file that cannot be deleted) or the folder takes no new file.
CFile NewCopy(const std::wstring& copy)
{
    RemoveStale(copy);
    return OpenFile(copy, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
}

// The text in the copy, on the disk and read back as written; moving it would not flush it.
bool Fill(HANDLE hCopy, const std::string& text)
{
    if (!WriteAll(hCopy, text) || !::FlushFileBuffers(hCopy))
        return false;
    const std::optional<std::string> bytes = ReadAll(hCopy, kMaxSettingsBytes);
    return bytes && *bytes == text;
}

// The copy read as the program will read the file: each entry of every section as it was written.
bool ReadsEntries(const std::wstring& copy, std::span<const ProfileSection> sections)
{
    const bool bRead = EveryEntry(sections, [&](const std::wstring& section, const ProfileEntry& entry) {
        return ProfileText(section.c_str(), WidenAnsi(entry.key).c_str(), copy.c_str()) ==
               AsRead(WidenAnsi(entry.text));
    });
    ForgetCached(copy.c_str());
    return bRead;
}

// The copy in the file's place, the file's attributes and security kept; while another program
// holds the file for a moment, tried again. The old file takes a name of its own for the moment
// of the replace: without one, Wine leaves it behind under a temporary name. Where the system
// cannot replace at all (no file yet, or a volume without it), moved.
bool Replace(const std::wstring& path, const std::wstring& copy, DWORD attributes)
{
    const std::wstring old = path + L".alt";
    RemoveStale(old);
    const bool bReplaced = Retried([&] {
        return ::ReplaceFileW(path.c_str(), copy.c_str(), old.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                              nullptr) != FALSE;
    });
    if (!bReplaced && IsHeld(::GetLastError()))
        return false;
    const bool bStored =
        bReplaced || ::MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // A replace that stopped halfway left the old file under the other name.
    if (!IsFile(path))
        ::MoveFileExW(old.c_str(), path.c_str(), 0);
    ::DeleteFileW(old.c_str());
    // Wine's replace gives the file the copy's attributes; Windows keeps the file's own.
    const DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD kSettable = kKept | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY;
    const DWORD now = ::GetFileAttributesW(path.c_str());
    if (bStored && now != INVALID_FILE_ATTRIBUTES && (now & kKept) != (attributes & kKept)) {
        const DWORD kept = (now & kSettable & ~kKept) | (attributes & kKept);
        ::SetFileAttributesW(path.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return bStored;
}

// What a save through the copy came to: stored, failed with the file as it was, or to be written
// in place since no copy could be made or put in the file's place.
enum class CopySave { kStored, kFailed, kInPlace };

CopySave SaveThroughCopy(const FoundFile& found, std::span<const ProfileSection> sections)
{
    if (IsUnicodeText(found.bytes))
        return CopySave::kInPlace;
    const std::optional<std::string> text = WithSections(found.bytes, sections, AnsiCharacterBytes);
    if (!text)
        return CopySave::kFailed;
    const std::wstring copy = found.path + L".neu";
    CFile file = NewCopy(copy);
    if (!file)
        return CopySave::kInPlace;
    const bool bWhole = Fill(file.Get(), *text);
    file.Reset();
    if (!bWhole || !ReadsEntries(copy, sections)) {
        ::DeleteFileW(copy.c_str());
        return CopySave::kFailed;
    }
    if (Replace(found.path, copy, found.attributes))
        return CopySave::kStored;
    ::DeleteFileW(copy.c_str());
    return CopySave::kInPlace;
}

}  // namespace

// A path that is relative, in a root or too long is never touched: the profile functions would
// take it for a file in the working directory or the Windows directory.
ProgramSettingsFile ProgramSettingsFile::Choose()
{
    const std::wstring beside = SettingsPathFor(ExecutablePath());
    if (IsSettingsPlace(beside) && CanWrite(beside))
        return ProgramSettingsFile(beside);
    const std::wstring user = UserSettingsPathFor(LocalAppData());
    if (IsSettingsPlace(user)) {
        ::CreateDirectoryW(FolderOf(user).c_str(), nullptr);
        if (!IsFile(user))
            StartUserSettings(user, beside);
        if (CanWrite(user))
            return ProgramSettingsFile(user);
        if (IsFile(user))
            return ProgramSettingsFile(user, false);
    }
    // Nowhere to store: the run starts from the file beside the executable, if it may read it.
    return ProgramSettingsFile(IsSettingsPlace(beside) ? beside : std::wstring(), false);
}

ProgramSettingsFile::ProgramSettingsFile(std::wstring path, bool bStore)
    : m_path(std::move(path)), m_bStore(bStore && !m_path.empty())
{
}

int32_t ProgramSettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault) const
{
    if (m_path.empty())
        return nDefault;
    // The profile function hands back the 32 bits of a signed value as unsigned.
    return static_cast<int32_t>(
        ::GetPrivateProfileIntW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), nDefault, m_path.c_str()));
}

std::string ProgramSettingsFile::ReadString(const char* section, const char* key, const char* defaultText) const
{
    if (m_path.empty())
        return defaultText;
    wchar_t buffer[kMaxSettingText + 1];
    const DWORD nLength = ::GetPrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(),
                                                     WidenAnsi(defaultText).c_str(), buffer,
                                                     static_cast<DWORD>(std::size(buffer)), m_path.c_str());
    return NarrowAnsi(std::wstring_view(buffer, nLength));
}

void ProgramSettingsFile::WriteString(const char* section, const char* key, const char* text) const
{
    const ProfileEntry entry{key, text};
    WriteKeys(section, std::span(&entry, 1));
}

bool ProgramSettingsFile::WriteSections(std::span<const ProfileSection> sections) const
{
    if (!m_bStore)
        return false;
    // The user's folder may have gone since the start; a folder in the file's place takes nothing.
    ::CreateDirectoryW(FolderOf(m_path).c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(m_path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::optional<FoundFile> found = FindFile(m_path);
    if (!found)
        return false;
    const CopySave result = found->bInPlace ? CopySave::kInPlace : SaveThroughCopy(*found, sections);
    const bool bStored =
        result == CopySave::kStored || (result == CopySave::kInPlace && WriteInPlace(found->path, sections));
    ForgetCached(m_path.c_str());
    return bStored;
}

CharacterBytes ProgramSettingsFile::CodePage() const
{
    return AnsiCharacterBytes;
}
