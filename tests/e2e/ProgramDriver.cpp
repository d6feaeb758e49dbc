#include "ProgramDriver.h"

#include "support/ThreadCpuTime.h"
#include "support/WindowScreenshot.h"

#include <algorithm>
#include <cstdio>

namespace
{
struct FindContext
{
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM lParam)
{
    FindContext* context = (FindContext*)lParam;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == context->processId && ::IsWindowVisible(window))
        context->windows.push_back(window);
    return TRUE;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

bool CopyOneFile(const std::string& from, const std::string& to)
{
    return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}
}  // namespace

std::string BuildFolder()
{
    return KESTROVA_BINARY_DIR;
}

CProgramDriver::~CProgramDriver()
{
    Kill();
}

bool CProgramDriver::Start(const std::string& folder, const std::string& arguments)
{
    const std::string exe = folder + "\\Kestrova.exe";
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!::CreateProcessA(exe.c_str(), line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup, &m_process))
        return false;
    ::WaitForInputIdle(m_process.hProcess, 10000);
    return true;
}

int CProgramDriver::WaitForExit(DWORD milliseconds)
{
    if (m_process.hProcess == NULL)
        return -1;
    if (::WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return (int)code;
}

bool CProgramDriver::IsRunning() const
{
    return m_process.hProcess != NULL && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void CProgramDriver::Kill()
{
    if (m_process.hProcess == NULL)
        return;
    if (IsRunning())
    {
        ::TerminateProcess(m_process.hProcess, 99);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
    m_process = PROCESS_INFORMATION();
}

std::vector<HWND> CProgramDriver::Windows() const
{
    FindContext context = {m_process.dwProcessId, {}};
    ::EnumWindows(CollectWindows, (LPARAM)&context);
    return context.windows;
}

std::vector<HWND> CProgramDriver::Dialogs() const
{
    std::vector<HWND> dialogs;
    for (HWND window : Windows())
    {
        if (ClassOf(window) == "#32770")
            dialogs.push_back(window);
    }
    return dialogs;
}

HWND CProgramDriver::FindWindowByCaption(const std::string& caption) const
{
    for (HWND window : Windows())
    {
        if (Text(window) == caption)
            return window;
    }
    return NULL;
}

HWND CProgramDriver::WaitForWindow(const std::string& caption, DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    for (;;)
    {
        HWND window = FindWindowByCaption(caption);
        if (window != NULL || (LONG)(end - ::GetTickCount()) <= 0 || !IsRunning())
            return window;
        ::Sleep(5);
    }
}

HWND CProgramDriver::FindMessageBox(std::string* text) const
{
    for (HWND box : Dialogs())
    {
        // The program's own message box shows its text in item 40454; the
        // platform's (a fatal-error report) in a static item 0xFFFF, and it
        // has no edit or list.
        HWND item = ::GetDlgItem(box, 40454);
        if (item == NULL && ::FindWindowExA(box, NULL, "Edit", NULL) == NULL &&
            ::FindWindowExA(box, NULL, "ListBox", NULL) == NULL)
        {
            item = ::GetDlgItem(box, 0xFFFF);
            if (item != NULL && ClassOf(item) != "Static")
                item = NULL;
        }
        if (item == NULL || !::IsWindowEnabled(box))
            continue;
        if (text != NULL)
            *text = Text(item);
        return box;
    }
    return NULL;
}

std::string CProgramDriver::AnswerMessageBox(int button, DWORD milliseconds, HWND* boxOut)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    for (;;)
    {
        std::string text;
        HWND box = FindMessageBox(&text);
        if (box != NULL)
        {
            if (boxOut != NULL)
                *boxOut = box;
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)::GetDlgItem(box, button));
            // Wait for it to go, so the next look does not find it again.
            for (int i = 0; i < 400 && ::IsWindow(box) && ::IsWindowVisible(box); i++)
                ::Sleep(5);
            return text.empty() ? std::string(" ") : text;
        }
        if ((LONG)(end - ::GetTickCount()) <= 0 || !IsRunning())
            return std::string();
        ::Sleep(5);
    }
}

std::vector<std::string> CProgramDriver::AnswerAllMessageBoxes(int button, DWORD milliseconds)
{
    std::vector<std::string> texts;
    const DWORD end = ::GetTickCount() + milliseconds;
    while ((LONG)(end - ::GetTickCount()) > 0)
    {
        const std::string text = AnswerMessageBox(button, (DWORD)std::max<LONG>(1, (LONG)(end - ::GetTickCount())));
        if (!text.empty())
            texts.push_back(text);
    }
    return texts;
}

std::string CProgramDriver::Text(HWND window)
{
    const int length = (int)::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text((size_t)length + 1, '\0');
    ::SendMessageA(window, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]);
    text.resize(strlen(text.c_str()));
    return text;
}

std::string CProgramDriver::ItemText(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    return item != NULL ? Text(item) : std::string("<no control>");
}

bool CProgramDriver::SetItemText(HWND dialog, int id, const std::string& text)
{
    HWND item = ::GetDlgItem(dialog, id);
    const bool set = item != NULL && ::SendMessageA(item, WM_SETTEXT, 0, (LPARAM)text.c_str()) != 0;
    // A posted message lets the program go idle afterwards, as after a key.
    ::PostMessageA(dialog, WM_NULL, 0, 0);
    return set;
}

void CProgramDriver::TypeInto(HWND dialog, int id, const std::string& text)
{
    // Keys arrive posted, as from the keyboard, so the program goes idle after
    // them and updates its buttons.
    HWND item = ::GetDlgItem(dialog, id);
    const std::string expected = Text(item) + text;
    for (char c : text)
        ::PostMessageA(item, WM_CHAR, (WPARAM)(unsigned char)c, 1);
    WaitForItemText(dialog, id, [&expected](const std::string& now) { return now == expected; });
}

void CProgramDriver::Click(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
}

bool CProgramDriver::IsItemEnabled(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    return item != NULL && ::IsWindowEnabled(item);
}

bool CProgramDriver::IsItemVisible(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    return item != NULL && ::IsWindowVisible(item);
}

bool CProgramDriver::WaitUntil(bool (*test)(HWND, int), HWND dialog, int id, DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    while (!test(dialog, id))
    {
        if ((LONG)(end - ::GetTickCount()) <= 0)
            return false;
        ::Sleep(5);
    }
    return true;
}

bool CProgramDriver::WaitUntilHandled(HWND window, DWORD milliseconds)
{
    // A posted marker is handled after every message posted before it: a
    // limit on an edit's text one below its own, read back by sending, then
    // put back.
    HWND edit = ::FindWindowExA(window, NULL, "Edit", NULL);
    if (edit == NULL)
        return false;
    const LRESULT limit = ::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
    const LRESULT marker = limit > 1 ? limit - 1 : 2;
    ::PostMessageA(edit, EM_SETLIMITTEXT, (WPARAM)marker, 0);
    const DWORD end = ::GetTickCount() + milliseconds;
    while (::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0) != marker)
    {
        if ((LONG)(end - ::GetTickCount()) <= 0 || !::IsWindow(edit))
            return false;
        ::Sleep(5);
    }
    ::SendMessageA(edit, EM_SETLIMITTEXT, (WPARAM)limit, 0);
    return true;
}

bool CProgramDriver::Screenshot(HWND window, const std::string& name)
{
    // The window belongs to the program: it paints before RedrawWindow
    // returns, and a message sent after lets it go idle, when Wine puts
    // what it painted on the screen.
    ::SetForegroundWindow(window);
    ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    return SaveWindowScreenshot(window, name);
}

namespace
{
// Each folder gets a name of its own: a program just ended may still hold
// the files of the last one for a moment.
std::string UniqueFolderName(const std::string& name)
{
    static int count = 0;
    return "kestrova_" + name + std::to_string(++count);
}
}  // namespace

CProgramFolder::CProgramFolder(const std::string& name, const std::vector<std::string>& configurations,
                               bool installFirst)
    : m_folder(UniqueFolderName(name).c_str())
{
    m_folder.MakeFolder("Configurations");
    const std::string build = BuildFolder();
    CopyOneFile(build + "\\Kestrova.exe", *this / "Kestrova.exe");
    CopyOneFile(build + "\\Kestrova-Help.chm", *this / "Kestrova-Help.chm");
    for (const std::string& configuration : configurations)
    {
        // A configuration of the tests' own stands in the e2e folder of the build.
        const std::string standard = build + "\\Configurations\\" + configuration;
        const std::string own = build + "\\e2e_configurations\\" + configuration;
        const std::string& source = ::GetFileAttributesA(standard.c_str()) != INVALID_FILE_ATTRIBUTES ? standard : own;
        CopyOneFile(source, *this / ("Configurations\\" + configuration));
        if (installFirst && &configuration == &configurations.front())
            CopyOneFile(source, *this / "Genetics.Gen");
    }
}

bool CProgramFolder::Exists(const std::string& name) const
{
    return ::GetFileAttributesA((*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string RunAndCapture(const std::string& commandLine, bool errorsToo)
{
    SECURITY_ATTRIBUTES security = {sizeof(security), NULL, TRUE};
    HANDLE readEnd = NULL, writeEnd = NULL;
    ::CreatePipe(&readEnd, &writeEnd, &security, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = errorsToo ? writeEnd : ::GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    PROCESS_INFORMATION process = {};
    std::string output;
    if (::CreateProcessA(NULL, line.data(), NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
    {
        ::CloseHandle(writeEnd);
        writeEnd = NULL;
        char buffer[4096];
        DWORD read = 0;
        while (::ReadFile(readEnd, buffer, sizeof(buffer), &read, NULL) && read > 0)
            output.append(buffer, read);
        ::WaitForSingleObject(process.hProcess, 30000);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    if (writeEnd != NULL)
        ::CloseHandle(writeEnd);
    ::CloseHandle(readEnd);
    return output;
}

unsigned CProgramDriver::CpuMilliseconds() const
{
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(m_process.hProcess, &created, &exited, &kernel, &user))
        return 0;
    return (unsigned)((FileTimeTicks(kernel) + FileTimeTicks(user)) / 10000);
}
