#pragma once

// A hidden top-level window with child controls made by id, for tests that
// drive controls with their messages.

#include "afx/app/AfxWin.h"

class CTestWindow
{
public:
    CTestWindow()
    {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Test", WS_POPUP | WS_CAPTION, 0, 0, 400, 300, NULL, NULL,
                                   ::GetModuleHandleA(NULL), NULL);
        m_wnd.Attach(m_hWnd);
    }
    ~CTestWindow()
    {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }

    CWnd* Wnd() { return &m_wnd; }
    HWND Handle() const { return m_hWnd; }

    HWND AddControl(const char* windowClass, const char* text, DWORD style, int id,
                    int x = 0, int y = 0, int width = 100, int height = 20)
    {
        return ::CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hWnd,
                                 (HMENU)(INT_PTR)id, ::GetModuleHandleA(NULL), NULL);
    }

private:
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    HWND m_hWnd;
    CWnd m_wnd;
};
