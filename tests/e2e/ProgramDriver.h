#pragma once
// Drives the real Kestrova.exe as a user would, from another process: starts
// it in a program folder of its own, finds its windows by caption and their
// controls by id, types, clicks, reads texts back and answers its message
// boxes. Every wait polls with a time limit, so a missing window fails the
// test instead of hanging it.

#include "support/ScratchFolder.h"

#include <windows.h>

#include <string>
#include <vector>

class CProgramDriver
{
public:
    CProgramDriver() = default;
    ~CProgramDriver();

    // Starts the program of the folder with the arguments; FALSE when it
    // could not be started.
    bool Start(const std::string& folder, const std::string& arguments = "");
    // Waits for the program's end; its exit code, or -1 after the time limit.
    int WaitForExit(DWORD milliseconds = 10000);
    bool IsRunning() const;
    void Kill();

    // The visible top-level window of the program with that caption.
    HWND WaitForWindow(const std::string& caption, DWORD milliseconds = 10000);
    HWND FindWindowByCaption(const std::string& caption) const;
    // The visible top-level windows of the program, topmost first, and of
    // them the dialog windows.
    std::vector<HWND> Windows() const;
    std::vector<HWND> Dialogs() const;

    // The program's message box on screen, with its text; null when none.
    HWND FindMessageBox(std::string* text) const;
    // Waits for a message box and clicks the button; returns its text (" "
    // for an empty one), empty when none came in time.
    std::string AnswerMessageBox(int button, DWORD milliseconds = 10000, HWND* box = NULL);
    // Answers every message box that appears in the time, with the same
    // button, and returns their texts.
    std::vector<std::string> AnswerAllMessageBoxes(int button, DWORD milliseconds);

    static std::string Text(HWND window);
    static std::string ItemText(HWND dialog, int id);
    static bool SetItemText(HWND dialog, int id, const std::string& text);
    // Types the text into the control one character at a time, as keys do,
    // and waits until the control holds it.
    static void TypeInto(HWND dialog, int id, const std::string& text);
    static void Click(HWND dialog, int id);
    static bool IsItemEnabled(HWND dialog, int id);
    static bool IsItemVisible(HWND dialog, int id);
    // Waits until the control's text satisfies the test (or the time is up).
    template <class Test>
    static bool WaitForItemText(HWND dialog, int id, Test test, DWORD milliseconds = 5000)
    {
        const DWORD end = ::GetTickCount() + milliseconds;
        do
        {
            if (test(ItemText(dialog, id)))
                return true;
            ::Sleep(5);
        } while ((LONG)(end - ::GetTickCount()) > 0);
        return test(ItemText(dialog, id));
    }
    static bool WaitUntil(bool (*test)(HWND, int), HWND dialog, int id, DWORD milliseconds = 5000);
    // Waits until the thread of the window (one with an edit among its
    // controls) has handled every message posted to the program before, so
    // that what they did not do will not come; FALSE when it did not in time.
    static bool WaitUntilHandled(HWND window, DWORD milliseconds = 10000);
    // Saves the window's picture as a PNG under the build's screenshots folder.
    static bool Screenshot(HWND window, const std::string& name);

    DWORD ProcessId() const { return m_process.dwProcessId; }
    // Milliseconds of processor time (user and kernel) the program has spent:
    // time limits on its work use it, so that a busy machine does not fail them.
    unsigned CpuMilliseconds() const;

private:
    CProgramDriver(const CProgramDriver&) = delete;
    CProgramDriver& operator=(const CProgramDriver&) = delete;

    PROCESS_INFORMATION m_process = {};
};

// A program folder under the temporary folder with Kestrova.exe, its help
// file and a standard-configurations folder holding the named configurations
// (sealed files of the build; the first also installed when asked); removed
// when the object goes.
class CProgramFolder
{
public:
    CProgramFolder(const std::string& name, const std::vector<std::string>& configurations, bool installFirst);

    const std::string& Path() const { return m_folder.Path(); }
    std::string operator/(const std::string& name) const { return m_folder / name; }
    std::string ReadFile(const std::string& name) const { return m_folder.ReadFile(name); }
    bool Exists(const std::string& name) const;

private:
    CScratchFolder m_folder;
};

// The standard output of a program run to its end, as a text: used for the
// build's predict.exe. With errorsToo its standard error follows in the text.
std::string RunAndCapture(const std::string& commandLine, bool errorsToo = false);
// The build folder as Wine sees it.
std::string BuildFolder();
