#pragma once
// Drives the dialogs that the code under test runs modally: every dialog
// activated on this thread while the driver lives is handed, once it is on
// screen and its modal loop has gone idle, to the driver's action (which
// typically reads it and ends it by a posted command). Never waits for a person.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CDialogDriver
{
public:
    explicit CDialogDriver(std::function<void(HWND)> action);
    ~CDialogDriver();

    int Count() const { return m_count; }

    // Helpers for actions.
    static std::string ItemText(HWND dialog, int id);
    static std::string WindowText(HWND window);
    // The button's click as its dialog (or any parent) hears it: a BN_CLICKED
    // command, posted for a dialog in its modal loop (Click) or sent and
    // handled before the call returns (ClickNow).
    static void Click(HWND dialog, int id);
    static void ClickNow(HWND dialog, int id);
    // The ids of the push buttons, left to right.
    static std::vector<int> ButtonIds(HWND dialog);

private:
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // A dialog seen but not yet handed over, and the ticks it has waited.
    struct Pending
    {
        HWND window;
        int ticks;
    };
    enum
    {
        TickMilliseconds = 20
    };

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static bool IsReady(Pending& waiting);

    std::function<void(HWND)> m_action;
    HHOOK m_hook;
    int m_count = 0;
    std::vector<Pending> m_pending;
    std::vector<HWND> m_seen;
    UINT_PTR m_timer = 0;
};
