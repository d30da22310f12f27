// The settings dialog run modally and driven from inside its own message loop: what it shows,
// what its buttons do and what it leaves in the settings file; and the file-open dialog behind
// its browse button.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings_file.h"
#include "modal_driver.h"
#include "resource.h"
#include "settings_file_access.h"
#include "ui/settings_dlg.h"
#include "win32/file_dialog.h"
#include "win32/profile_file.h"
#include "win32/wide_text.h"

namespace {

// The file name box of the common file-open dialog, its list of file types and its
// read-only check box.
constexpr int kFileNameBox = 1148;
constexpr int kFileTypeList = 1136;
constexpr int kReadOnlyBox = 1040;

// The file-open dialog of this thread once it is on the screen, or null.
HWND ShownFileDialog(HWND hOther)
{
    return FindThreadWindowIf([hOther](HWND hWnd) {
        return hWnd != hOther && IsDialogWindow(hWnd) && ::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, kFileNameBox);
    });
}

std::string ItemText(HWND hDlg, int nId)
{
    HWND hItem = ::GetDlgItem(hDlg, nId);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(hItem)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetDlgItemTextA(hDlg, nId, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A mouse click on a button: the button notifies its dialog as it does for the user.
void Click(HWND hDlg, int nId)
{
    ::SendMessageA(::GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

// Replaces the text of an edit control the way typing does: select everything, then one
// character after the other.
void Type(HWND hEdit, std::string_view text)
{
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_KEYDOWN, VK_DELETE, 0);
    for (char ch : text)
        ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(ch), 1);
}

int CheckState(HWND hDlg)
{
    return static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_STOPWATCH_CHECK, BM_GETCHECK, 0, 0));
}

// The four number displays, work, short pause, long pause, units.
std::vector<std::string> Displays(HWND hDlg)
{
    return {ItemText(hDlg, IDC_WORK_TEXT), ItemText(hDlg, IDC_SHORT_TEXT), ItemText(hDlg, IDC_LONG_TEXT),
            ItemText(hDlg, IDC_UNITS_TEXT)};
}

// The buttons of the four numbers, in the same order.
const std::vector<int> kPlus = {IDC_WORK_PLUS, IDC_SHORT_PLUS, IDC_LONG_PLUS, IDC_UNITS_PLUS};
const std::vector<int> kMinus = {IDC_WORK_MINUS, IDC_SHORT_MINUS, IDC_LONG_MINUS, IDC_UNITS_MINUS};

enum class Close { Ok, CancelButton, Escape, CloseBox };

const char* Name(Close close)
{
    switch (close) {
    case Close::Ok:
        return "OK";
    case Close::CancelButton:
        return "Abbrechen";
    case Close::Escape:
        return "Escape";
    case Close::CloseBox:
        return "close box";
    }
    return "?";
}

void CloseDialog(HWND hDlg, Close close)
{
    switch (close) {
    case Close::Ok:
        Click(hDlg, IDOK);
        break;
    case Close::CancelButton:
        Click(hDlg, IDCANCEL);
        break;
    case Close::Escape:
        PressEscape(hDlg);
        break;
    case Close::CloseBox:
        ::SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
}

// The dialog on the test program's file, counting the saves it makes and keeping the alarms it
// would play, each with its level, in place of the sound.
class TracedSettingsDlg : private ProfileFile, public CSettingsDlg {
public:
    TracedSettingsDlg() : CSettingsDlg(static_cast<const ProfileFile&>(*this)) {}
    mutable int m_nSaves = 0;
    std::vector<std::pair<std::wstring, int32_t>> m_played;

private:
    int32_t ReadInt(const char* s, const char* k, int32_t n) const override { return TestSettingsFile().ReadInt(s, k, n); }
    std::string ReadString(const char* s, const char* k, const char* d) const override
    {
        return TestSettingsFile().ReadString(s, k, d);
    }
    void WriteString(const char* s, const char* k, const char* text) const override { WriteKeys(s, {{{k, text}}}); }
    bool WriteSections(std::span<const ProfileSection> sections) const override
    {
        return ++m_nSaves, TestSettingsFile().WriteSections(sections);
    }
    void PlayAlarm(const std::wstring& file, int32_t nLevel) override { m_played.emplace_back(file, nLevel); }
};

// Runs the settings dialog modally; once it is on the screen, `body` gets its window from
// inside the modal loop, and then the dialog is closed as `close` says. Whatever the body
// asserts, the dialog ends; a dialog that does not end on `close` is a failure.
INT_PTR RunSettingsDialog(const std::function<void(HWND)>& body, Close close = Close::Ok,
                          TracedSettingsDlg* pDlg = nullptr)
{
    TracedSettingsDlg own;
    TracedSettingsDlg& dlg = pDlg ? *pDlg : own;
    IdleStep drive([&] {
        HWND hDlg = dlg.GetSafeHwnd();
        if (!hDlg || !::IsWindowVisible(hDlg))
            return false;
        body(hDlg);
        CloseDialog(hDlg, close);
        return true;
    });
    const Rescue rescue([&](bool bTimedOut) -> std::string {
        if (drive.Done())
            return std::string("the dialog was still open after ") + Name(close);
        return bTimedOut ? "the dialog never came up on the screen" : "";
    });
    return dlg.DoModal();
}

// Runs the file-open dialog that the next step opens: `check` sees it on the screen, then the
// name is typed into its file name box and OK pressed, or "Abbrechen" without a name.
class FileDialogDriver {
public:
    FileDialogDriver(HWND hOwner, const wchar_t* name, std::function<void(HWND)> check = {})
        : m_step([this, hOwner, name, check] {
              HWND hFileDlg = ShownFileDialog(hOwner);
              if (!hFileDlg)
                  return false;
              m_bSeen = true;
              if (check)
                  check(hFileDlg);
              if (name) {
                  ::SetDlgItemTextW(hFileDlg, kFileNameBox, name);
                  Click(hFileDlg, IDOK);
              } else {
                  Click(hFileDlg, IDCANCEL);
              }
              return true;
          })
    {
    }
    bool Seen() const { return m_bSeen; }

private:
    bool m_bSeen = false;
    IdleStep m_step;
};

std::string ExeDirectory()
{
    char path[MAX_PATH] = {};
    const std::string exe(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

// An empty file beside the test program for as long as the object lives. The file-open
// dialog adds the default extension to a typed name only when that names an existing file.
class ScratchFile {
public:
    explicit ScratchFile(std::string path) : m_strPath(std::move(path)) { std::ofstream(m_strPath, std::ios::binary); }
    ~ScratchFile() { ::DeleteFileA(m_strPath.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

private:
    std::string m_strPath;
};

// Section EINHEIT as OK writes it into a file without it.
const std::string kUnitDefaults =
    "[EINHEIT]\r\nArbeit=25\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=Alarm.wav\r\n";

// Section ABLAUF with its nine keys in the order OK writes them, set to the values (split at
// blanks; "~" stands for an empty one).
std::string Ablauf(const std::string& values)
{
    std::istringstream in(values);
    std::string text = "[ABLAUF]\r\n", value;
    for (const char* key : {"PauseVonSelbst", "EinheitVonSelbst", "EinheitBeiEingabe", "Wiederholen", "Vorwarnung",
                            "Warnton", "PausenAlarm", "Lautstaerke", "BeimStart"}) {
        in >> value;
        text += std::string(key) + "=" + (value == "~" ? "" : value) + "\r\n";
    }
    return text;
}

// The group "Ablauf" as the user sees it: the boxes Pause, Einheit, Eingabe (with "-" while it is
// greyed) and Start as 1 or 0, then the repeat, the warning, the level and the pause's alarm.
std::string Group(HWND hDlg)
{
    const auto box = [&](int nId) { return std::to_string(::SendDlgItemMessageA(hDlg, nId, BM_GETCHECK, 0, 0)); };
    return box(IDC_PAUSE_BY_SELF) + box(IDC_UNIT_BY_SELF) + box(IDC_UNIT_AT_INPUT) +
           (::IsWindowEnabled(::GetDlgItem(hDlg, IDC_UNIT_AT_INPUT)) ? "" : "-") + box(IDC_START_AT_ONCE) + " " +
           ItemText(hDlg, IDC_REPEAT_EDIT) + " " + ItemText(hDlg, IDC_WARNING_EDIT) + " " +
           std::to_string(::SendDlgItemMessageA(hDlg, IDC_LEVEL, TBM_GETPOS, 0, 0)) + " " +
           ItemText(hDlg, IDC_PAUSE_ALARM_EDIT);
}

// A file that sets the four numbers and nothing else.
std::string Numbers(int32_t nLength, int32_t nUnits)
{
    const std::string length = std::to_string(nLength);
    return "[EINHEIT]\r\nArbeit=" + length + "\r\nKPause=" + length + "\r\nLPause=" + length +
           "\r\nAnzahl=" + std::to_string(nUnits) + "\r\n";
}

class SettingsDlgTest : public testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    static std::vector<int32_t> NumbersInFile()
    {
        const TimerSettings settings = SettingsFile::LoadTimerSettings("", TestSettingsFile());
        return {settings.m_nWorkMins, settings.m_nShortPauseMins, settings.m_nLongPauseMins,
                settings.m_nUnitsPerLongPause};
    }
};

}  // namespace

TEST_F(SettingsDlgTest, TemplateHasItsCaptionSizeControlsAndFocusOnOk)
{
    struct Control {
        int nId;
        const char* className;
        const char* text;
    };
    // In template order, which is the order of the child windows and the tab order; the
    // displays and the path field show the values of a missing file.
    const Control kControls[] = {
        {IDOK, "Button", "OK"},
        {IDCANCEL, "Button", "Abbrechen"},
        {IDC_WORK_PLUS, "Button", "+"},
        {IDC_WORK_MINUS, "Button", "-"},
        {IDC_SHORT_PLUS, "Button", "+"},
        {IDC_SHORT_MINUS, "Button", "-"},
        {IDC_LONG_PLUS, "Button", "+"},
        {IDC_LONG_MINUS, "Button", "-"},
        {IDC_UNITS_PLUS, "Button", "+"},
        {IDC_UNITS_MINUS, "Button", "-"},
        {IDC_STOPWATCH_CHECK, "Button", "Stoppuhr verwenden"},
        {IDC_ALARM_EDIT, "Edit", "Alarm.wav"},
        {IDC_BROWSE, "Button", "Durchsuchen"},
        {IDC_WORK_TEXT, "Static", "25"},
        {-1, "Button", "Arbeitszeit in Minuten"},
        {IDC_SHORT_TEXT, "Static", " 5"},
        {-1, "Button", "Kurze Pause in Minuten"},
        {IDC_LONG_TEXT, "Static", "30"},
        {-1, "Button", "Lange Pause in Minuten"},
        {IDC_UNITS_TEXT, "Static", " 4"},
        {-1, "Button", "Lange Pause nach Einheiten"},
        {-1, "Button", "Alarm Signal"},
        {IDC_PAUSE_BY_SELF, "Button", "Pause beginnt von selbst"},
        {IDC_UNIT_BY_SELF, "Button", "Arbeitseinheit beginnt von selbst"},
        {IDC_UNIT_AT_INPUT, "Button", "\x85 oder mit der ersten Eingabe"}, {-1, "Static", "Alarm wiederholen alle"},
        {IDC_REPEAT_EDIT, "Edit", "0"}, {IDC_REPEAT_SPIN, "msctls_updown32", ""}, {-1, "Static", "s"},
        {-1, "Static", "Vorwarnung"}, {IDC_WARNING_EDIT, "Edit", "0"}, {IDC_WARNING_SPIN, "msctls_updown32", ""},
        {-1, "Static", "min vor dem Ende"}, {-1, "Static", "Lautst\xE4rke"}, {IDC_LEVEL, "msctls_trackbar32", ""},
        {-1, "Static", "Alarm nach der Pause"}, {IDC_PAUSE_ALARM_EDIT, "Edit", ""},
        {IDC_PAUSE_BROWSE, "Button", "Durchsuchen"}, {IDC_START_AT_ONCE, "Button", "Beim Start sofort z\xE4hlen"},
        {-1, "Button", "Ablauf"},
    };
    const INT_PTR nResult = RunSettingsDialog(
        [&](HWND hDlg) {
            char caption[64] = {};
            ::GetWindowTextA(hDlg, caption, sizeof caption);
            EXPECT_STREQ(caption, "Einstellungen");

            RECT rcExpected{0, 0, 288, 301};
            ::MapDialogRect(hDlg, &rcExpected);
            RECT rcClient{};
            ::GetClientRect(hDlg, &rcClient);
            EXPECT_EQ(rcClient.right, rcExpected.right);
            EXPECT_EQ(rcClient.bottom, rcExpected.bottom);
            const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hDlg, GWL_STYLE));
            EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

            EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDOK)) << "OK has the focus when the dialog opens";
            EXPECT_EQ(::SendMessageA(hDlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));

            HWND hChild = ::GetWindow(hDlg, GW_CHILD);
            for (const Control& control : kControls) {
                ASSERT_NE(hChild, nullptr) << "missing control " << control.text;
                char className[32] = {};
                char text[64] = {};
                ::GetClassNameA(hChild, className, sizeof className);
                ::GetWindowTextA(hChild, text, sizeof text);
                // Template ids are 16 bits wide: a control without one has 0xFFFF.
                EXPECT_EQ(LOWORD(::GetDlgCtrlID(hChild)), LOWORD(control.nId)) << control.text;
                EXPECT_STRCASEEQ(className, control.className) << control.text;
                EXPECT_STREQ(text, control.text);
                EXPECT_TRUE(::IsWindowVisible(hChild)) << control.text;
                hChild = ::GetWindow(hChild, GW_HWNDNEXT);
            }
            EXPECT_EQ(hChild, nullptr) << "more controls than the template has";
        },
        Close::CancelButton);
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(SettingsDlgTest, MissingFileShowsTheDefaultsAndOkWritesThemAll)
{
    const INT_PTR nResult = RunSettingsDialog([](HWND hDlg) {
        EXPECT_EQ(Displays(hDlg), (std::vector<std::string>{"25", " 5", "30", " 4"}));
        EXPECT_EQ(CheckState(hDlg), BST_CHECKED);
        EXPECT_EQ(ItemText(hDlg, IDC_ALARM_EDIT), "Alarm.wav");
        EXPECT_FALSE(SettingsExist()) << "opening the dialog wrote the file";
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(SettingsBytes(), kUnitDefaults + Ablauf("1 1 0 0 0 ~ ~ 100 0"));
}

TEST_F(SettingsDlgTest, OkWithoutAChangeStillWritesEveryKey)
{
    // Keys the file lacks are added with the values shown; the other section stays as it was.
    WriteSettings("[POS]\r\nX1=5\r\n[EINHEIT]\r\nAnzahl=7\r\nAlarm=C:\\Gong.wav\r\n");
    const INT_PTR nResult = RunSettingsDialog([](HWND hDlg) {
        EXPECT_EQ(Displays(hDlg), (std::vector<std::string>{"25", " 5", "30", " 7"}));
        EXPECT_EQ(ItemText(hDlg, IDC_ALARM_EDIT), "C:\\Gong.wav");
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(SettingsBytes(), "[POS]\r\nX1=5\r\n[EINHEIT]\r\nAnzahl=7\r\nAlarm=C:\\Gong.wav\r\n"
                               "Arbeit=25\r\nKPause=5\r\nLPause=30\r\nStoppuhr=1\r\n" +
                                   Ablauf("1 1 0 0 0 ~ ~ 100 0"));
}

TEST_F(SettingsDlgTest, EachButtonStepsItsOwnNumberWithinItsBoundsFromWhatTheFileHolds)
{
    struct Step {
        std::vector<int> buttons;  // each clicked `nClicks` times, one after the other
        int nClicks;
        std::vector<std::string> shown;  // all four displays afterwards
    };
    struct Case {
        std::string file;  // empty: no file
        std::vector<Step> steps;
        std::vector<int32_t> written;
    };
    const std::vector<std::string> kTop = {"60", "60", "60", "10"};
    const std::vector<std::string> kBottom = {" 1", " 1", " 1", " 1"};
    const Case kCases[] = {
        // From the defaults 25, 5, 30, 4, one button at a time.
        {"",
         {{{IDC_WORK_PLUS}, 1, {"26", " 5", "30", " 4"}}, {{IDC_WORK_PLUS}, 1, {"27", " 5", "30", " 4"}},
          {{IDC_SHORT_MINUS}, 1, {"27", " 4", "30", " 4"}}, {{IDC_LONG_PLUS}, 1, {"27", " 4", "31", " 4"}},
          {{IDC_UNITS_MINUS}, 1, {"27", " 4", "31", " 3"}}, {{IDC_UNITS_MINUS}, 1, {"27", " 4", "31", " 2"}},
          {{IDC_WORK_MINUS}, 1, {"26", " 4", "31", " 2"}}, {{IDC_SHORT_PLUS}, 1, {"26", " 5", "31", " 2"}},
          {{IDC_LONG_MINUS}, 1, {"26", " 5", "30", " 2"}}, {{IDC_UNITS_PLUS}, 1, {"26", " 5", "30", " 3"}}},
         {26, 5, 30, 3}},
        // Values beyond the bounds are shown as read and stepped in.
        {Numbers(90, 90), {{kPlus, 0, {"90", "90", "90", "90"}}}, {90, 90, 90, 90}},
        {Numbers(90, 90), {{kPlus, 1, kTop}}, {60, 60, 60, 10}},
        {Numbers(90, 90), {{kMinus, 1, {"89", "89", "89", "89"}}}, {89, 89, 89, 89}},
        {Numbers(0, 0), {{kPlus, 0, {" 0", " 0", " 0", " 0"}}}, {0, 0, 0, 0}},
        {Numbers(0, 0), {{kPlus, 1, kBottom}}, {1, 1, 1, 1}},
        {Numbers(0, 0), {{kMinus, 1, kBottom}}, {1, 1, 1, 1}},
        {Numbers(-5, -5), {{kPlus, 0, {"-5", "-5", "-5", "-5"}}}, {-5, -5, -5, -5}},
        {Numbers(-5, -5), {{kPlus, 1, {"-4", "-4", "-4", "-4"}}}, {-4, -4, -4, -4}},
        {Numbers(-5, -5), {{kMinus, 1, kBottom}}, {1, 1, 1, 1}},
        {Numbers(100, 100), {{kPlus, 0, {"100", "100", "100", "100"}}}, {100, 100, 100, 100}},
        // Plus stops at 60 minutes and 10 units, minus at 1.
        {Numbers(60, 10), {{kPlus, 1, kTop}}, {60, 60, 60, 10}},
        {Numbers(59, 9), {{kPlus, 1, kTop}}, {60, 60, 60, 10}},
        {Numbers(59, 9), {{kPlus, 2, kTop}}, {60, 60, 60, 10}},
        {Numbers(25, 4), {{kPlus, 40, kTop}}, {60, 60, 60, 10}},
        {Numbers(1, 1), {{kMinus, 1, kBottom}}, {1, 1, 1, 1}},
        {Numbers(2, 2), {{kMinus, 1, kBottom}}, {1, 1, 1, 1}},
        {Numbers(2, 2), {{kMinus, 2, kBottom}}, {1, 1, 1, 1}},
        {Numbers(25, 4), {{kMinus, 40, kBottom}}, {1, 1, 1, 1}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE("case " + std::to_string(&c - kCases));
        RemoveSettings();
        if (!c.file.empty())
            WriteSettings(c.file);
        const INT_PTR nResult = RunSettingsDialog([&](HWND hDlg) {
            for (const Step& step : c.steps) {
                for (int nButton : step.buttons) {
                    for (int n = 0; n < step.nClicks; ++n)
                        Click(hDlg, nButton);
                }
                EXPECT_EQ(Displays(hDlg), step.shown) << "after button " << step.buttons.front();
            }
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(NumbersInFile(), c.written);
    }
}

TEST_F(SettingsDlgTest, StopwatchBoxShowsTheSwitchAndOkWritesOneOrZero)
{
    struct Case {
        const char* file;
        int nShown;
        bool bClick;
        int32_t nWritten;
    };
    const Case kCases[] = {
        {"", BST_CHECKED, false, 1},
        {"[EINHEIT]\r\nStoppuhr=1\r\n", BST_CHECKED, false, 1},
        {"[EINHEIT]\r\nStoppuhr=0\r\n", BST_UNCHECKED, false, 0},
        {"[EINHEIT]\r\nStoppuhr=1\r\n", BST_CHECKED, true, 0},
        {"[EINHEIT]\r\nStoppuhr=0\r\n", BST_UNCHECKED, true, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("file \"") + c.file + (c.bClick ? "\", clicked" : "\""));
        RemoveSettings();
        if (*c.file)
            WriteSettings(c.file);
        const INT_PTR nResult = RunSettingsDialog([&](HWND hDlg) {
            EXPECT_EQ(CheckState(hDlg), c.nShown);
            if (c.bClick) {
                Click(hDlg, IDC_STOPWATCH_CHECK);
                EXPECT_NE(CheckState(hDlg), c.nShown);
            }
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(SettingsFile::ReadInt("EINHEIT", "Stoppuhr", 7, TestSettingsFile()), c.nWritten);
        EXPECT_NE(SettingsBytes().find("\r\nStoppuhr=" + std::to_string(c.nWritten) + "\r\n"), std::string::npos)
            << SettingsBytes();
    }
}

TEST_F(SettingsDlgTest, CancelWritesNothingWhateverWasChanged)
{
    const char* const kFiles[] = {nullptr, "[EINHEIT]\r\nArbeit=50\r\nStoppuhr=0\r\nAlarm=C:\\Gong.wav\r\n"};
    for (const char* file : kFiles) {
        for (Close close : {Close::CancelButton, Close::Escape, Close::CloseBox}) {
            SCOPED_TRACE(std::string(Name(close)) + (file ? " on a file" : " without a file"));
            RemoveSettings();
            if (file)
                WriteSettings(file);
            const INT_PTR nResult = RunSettingsDialog(
                [](HWND hDlg) {
                    const std::vector<std::string> before = Displays(hDlg);
                    for (int nButton : {IDC_WORK_PLUS, IDC_SHORT_MINUS, IDC_LONG_PLUS, IDC_UNITS_MINUS})
                        Click(hDlg, nButton);
                    Click(hDlg, IDC_STOPWATCH_CHECK);
                    Type(::GetDlgItem(hDlg, IDC_ALARM_EDIT), "D:\\Neu.wav");
                    EXPECT_NE(Displays(hDlg), before) << "the clicks changed nothing, so cancelling proves nothing";
                    EXPECT_EQ(ItemText(hDlg, IDC_ALARM_EDIT), "D:\\Neu.wav");
                },
                close);
            EXPECT_EQ(nResult, IDCANCEL);
            if (file)
                EXPECT_EQ(SettingsBytes(), file);
            else
                EXPECT_FALSE(SettingsExist());
        }
    }
}

// The group "Ablauf" shows the section read into its bounds; its number fields take only as many
// digits as their largest number has; OK saves it whole, bounded, in one save with EINHEIT.
TEST_F(SettingsDlgTest, GroupAblaufShowsTheSectionInItsBoundsAndOkSavesItWithEinheitInOneSave)
{
    constexpr const char* kClick = nullptr;
    const struct {
        std::string file;
        std::vector<std::pair<int, const char*>> input;  // typed into the field, or a click
        const char* shown;                               // after the input
        std::string saved;
    } kCases[] = {
        {"", {}, "110-0 0 0 100 ", kUnitDefaults + Ablauf("1 1 0 0 0 ~ ~ 100 0")},
        {Ablauf("7 0 1 3 99 W.wav C:\\P.wav -4 abc"), {}, "1010 5 60 0 C:\\P.wav",
         Ablauf("1 0 1 5 60 W.wav C:\\P.wav 0 0") + kUnitDefaults},
        // Einheit off lets the input box be ticked; on again, it greys the box with its tick.
        {"",
         {{IDC_UNIT_BY_SELF, kClick}, {IDC_UNIT_AT_INPUT, kClick}, {IDC_UNIT_BY_SELF, kClick},
          {IDC_PAUSE_BY_SELF, kClick}, {IDC_START_AT_ONCE, kClick}, {IDC_REPEAT_EDIT, "x3"},
          {IDC_WARNING_EDIT, "700"}, {IDC_PAUSE_ALARM_EDIT, "D:\\P.wav"}},
         "011-1 3 70 100 D:\\P.wav", kUnitDefaults + Ablauf("0 1 1 5 60 ~ D:\\P.wav 100 1")},
        {"", {{IDC_REPEAT_EDIT, "700"}}, "110-0 700 0 100 ", kUnitDefaults + Ablauf("1 1 0 600 0 ~ ~ 100 0")},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.shown);
        RemoveSettings();
        if (!c.file.empty())
            WriteSettings(c.file);
        TracedSettingsDlg dlg;
        RunSettingsDialog(
            [&](HWND hDlg) {
                for (const auto& [nId, typed] : c.input)
                    typed ? Type(::GetDlgItem(hDlg, nId), typed) : Click(hDlg, nId);
                EXPECT_EQ(Group(hDlg), c.shown);
            },
            Close::Ok, &dlg);
        EXPECT_EQ(SettingsBytes(), c.saved);
        EXPECT_EQ(dlg.m_nSaves, 1);
    }
}

// A release of the level's trackbar, here by keys, plays the field's alarm at the level it ends
// on, found beside the program as the strip finds it; a key still held down plays nothing.
TEST_F(SettingsDlgTest, ReleasingTheLevelPlaysTheFieldsAlarmAtThatLevel)
{
    const std::string bell = ExeDirectory() + "glocke.wav";
    const ScratchFile wave(bell);
    WriteSettings(Ablauf("1 1 0 0 0 ~ ~ 40 0"));
    const std::pair<const char*, WPARAM> kPresses[] = {{"glocke.wav", VK_RIGHT}, {"C:\\Gong.wav", VK_HOME}};
    TracedSettingsDlg dlg;
    RunSettingsDialog(
        [&](HWND hDlg) {
            ::SendDlgItemMessageA(hDlg, IDC_LEVEL, WM_KEYDOWN, VK_RIGHT, 0);
            for (const auto& [alarm, nKey] : kPresses) {
                Type(::GetDlgItem(hDlg, IDC_ALARM_EDIT), alarm);
                ::SendDlgItemMessageA(hDlg, IDC_LEVEL, WM_KEYDOWN, nKey, 0);
                ::SendDlgItemMessageA(hDlg, IDC_LEVEL, WM_KEYUP, nKey, 0);
            }
        },
        Close::Ok, &dlg);
    EXPECT_EQ(dlg.m_played, (std::vector<std::pair<std::wstring, int32_t>>{{WidenAnsi(bell), 42}, {L"C:\\Gong.wav", 0}}));
    EXPECT_EQ(SettingsFile::ReadInt("ABLAUF", "Lautstaerke", -1, TestSettingsFile()), 0);
}

TEST_F(SettingsDlgTest, HandEditedPathIsWrittenWhole)
{
    const std::string kPaths[] = {
        "C:\\Kl\xE4nge\\Gl\xF6""ckchen.wav",
        "",
        "Z:\\Eigene Dateien\\Wecker laut.wav",
        "C:\\" + std::string(300, 'k') + "\\gong.wav",
    };
    for (const std::string& path : kPaths) {
        SCOPED_TRACE(path.substr(0, 40));
        RemoveSettings();
        const INT_PTR nResult = RunSettingsDialog([&](HWND hDlg) {
            Type(::GetDlgItem(hDlg, IDC_ALARM_EDIT), path);
            EXPECT_EQ(ItemText(hDlg, IDC_ALARM_EDIT), path);
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(SettingsBytes(),
                  "[EINHEIT]\r\nArbeit=25\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=" + path +
                      "\r\n" + Ablauf("1 1 0 0 0 ~ ~ 100 0"));
    }
}

TEST_F(SettingsDlgTest, BrowseOpensTheWaveFileDialogAndTakesItsPath)
{
    const std::string dir = ExeDirectory();
    const ScratchFile wave(dir + "klingel.WAV");
    struct Case {
        const char* typed;  // null: "Abbrechen" in the file-open dialog
        std::string field;
    };
    const Case kCases[] = {
        {"klingel", dir + "klingel.WAV"},
        // No file needs to exist: a name is taken as typed, its extension too.
        {"ton.wav", dir + "ton.wav"},
        {"Glocke.Wav", dir + "Glocke.Wav"},
        {nullptr, "C:\\Vorher.wav"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.typed ? c.typed : "cancelled");
        WriteSettings("[EINHEIT]\r\nAlarm=C:\\Vorher.wav\r\n");
        const std::wstring typed = WidenAnsi(c.typed ? dir + c.typed : "");
        std::string shown;
        const INT_PTR nResult = RunSettingsDialog(
            [&](HWND hDlg) {
                FileDialogDriver driver(hDlg, c.typed ? typed.c_str() : nullptr, [&](HWND hFileDlg) {
                    // Set up as the browse button wants it: owned by the settings dialog,
                    // which waits; one file type; no initial name; no read-only box.
                    EXPECT_EQ(::GetWindow(hFileDlg, GW_OWNER), hDlg);
                    EXPECT_FALSE(::IsWindowEnabled(hDlg));
                    EXPECT_EQ(::SendDlgItemMessageA(hFileDlg, kFileTypeList, CB_GETCOUNT, 0, 0), 1);
                    EXPECT_EQ(ItemText(hFileDlg, kFileTypeList), "WAV-Dateien (*.WAV)");
                    EXPECT_EQ(ItemText(hFileDlg, kFileNameBox), "");
                    HWND hReadOnly = ::GetDlgItem(hFileDlg, kReadOnlyBox);
                    EXPECT_TRUE(!hReadOnly || !::IsWindowVisible(hReadOnly));
                });
                Click(hDlg, IDC_BROWSE);
                EXPECT_TRUE(driver.Seen()) << "no file-open dialog came up";
                EXPECT_TRUE(::IsWindowEnabled(hDlg));
                shown = ItemText(hDlg, IDC_ALARM_EDIT);
            },
            Close::Ok);
        EXPECT_EQ(nResult, IDOK);
        // The platform picks the letter case of the extension it adds.
        EXPECT_STRCASEEQ(shown.c_str(), c.field.c_str());
        EXPECT_EQ(SettingsFile::ReadString("EINHEIT", "Alarm", "?", TestSettingsFile()), shown);
    }
}

// A picked file whose path code page 1252 cannot hold (Cyrillic here) is kept by its short name,
// which only a file that exists has; without one the dialog says so and keeps the path it had.
TEST_F(SettingsDlgTest, APickedPathTheCodePageCannotHoldIsKeptByItsShortNameOrNotAtAll)
{
    const std::wstring bell = WidenAnsi(ExeDirectory()) + L"\u0417\u0432\u043E\u043D\u043E\u043A.wav";
    ::CloseHandle(::CreateFileW(bell.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (const std::wstring& picked : {bell, std::wstring(L"C:\\\u0422\u0438\u0448\u0438\u043D\u0430.wav")}) {
        WriteSettings("[EINHEIT]\r\nAlarm=C:\\Vorher.wav\r\n");
        wchar_t said[512] = {};
        RunSettingsDialog([&](HWND hDlg) {
            const FileDialogDriver driver(hDlg, picked.c_str());
            const IdleStep readMessage([&] {
                HWND hBox = FindThreadWindow("Tarnovell");
                return hBox && ::GetDlgItemTextW(hBox, 0xFFFF, said, 512) && ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            });
            Click(hDlg, IDC_BROWSE);
        });
        const std::string stored = SettingsFile::ReadString("EINHEIT", "Alarm", "?", TestSettingsFile());
        wchar_t kept[MAX_PATH] = {};
        ::GetLongPathNameW(WidenAnsi(stored).c_str(), kept, MAX_PATH);
        EXPECT_TRUE(picked == bell ? kept == bell : stored == "C:\\Vorher.wav") << stored;
        EXPECT_EQ(std::wstring(said).find(picked) != std::wstring::npos, picked != bell) << said;
    }
    ::DeleteFileW(bell.c_str());
}

TEST(FileDialogTest, BuildsTheOpenFileStructureFromItsArguments)
{
    struct Case {
        const char* filter;
        std::wstring_view converted;  // up to and including the empty entry that ends the list
    };
    const Case kCases[] = {
        {"WAV-Dateien (*.WAV)|*.WAV||", std::wstring_view(L"WAV-Dateien (*.WAV)\0*.WAV\0\0", 27)},
        {"Wellen (*.wav)|*.wav|Alle Dateien (*.*)|*.*||",
         std::wstring_view(L"Wellen (*.wav)\0*.wav\0Alle Dateien (*.*)\0*.*\0\0", 44)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.filter);
        CFileDialog dlg("WAV", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, c.filter);
        const OPENFILENAMEW& ofn = dlg.GetOFN();
        EXPECT_EQ(ofn.lStructSize, sizeof(OPENFILENAMEW));
        ASSERT_NE(ofn.lpstrFilter, nullptr);
        EXPECT_EQ(std::wstring_view(ofn.lpstrFilter, c.converted.size()), c.converted);
        ASSERT_NE(ofn.lpstrDefExt, nullptr);
        EXPECT_STREQ(ofn.lpstrDefExt, L"WAV");
        EXPECT_EQ(ofn.Flags & 6u, 6u);
        EXPECT_EQ(ofn.Flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT), 0u);
        ASSERT_NE(ofn.lpstrFile, nullptr);
        EXPECT_STREQ(ofn.lpstrFile, L"");
        EXPECT_GE(ofn.nMaxFile, static_cast<DWORD>(MAX_PATH));
        EXPECT_EQ(dlg.GetPathName(), L"");
    }
}
