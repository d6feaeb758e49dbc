#pragma once

// Holds the clipboard open from another thread, as another program would,
// for as long as the holder lives.

#include <windows.h>

#include <thread>

class CClipboardHolder
{
public:
    CClipboardHolder()
        : m_opened(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_release(::CreateEventA(NULL, TRUE, FALSE, NULL))
    {
        m_thread = std::thread([this]() {
            HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
            ::OpenClipboard(owner);
            ::SetEvent(m_opened);
            ::WaitForSingleObject(m_release, 10000);
            ::CloseClipboard();
            ::DestroyWindow(owner);
        });
        ::WaitForSingleObject(m_opened, 10000);
    }

    ~CClipboardHolder()
    {
        ::SetEvent(m_release);
        m_thread.join();
        ::CloseHandle(m_opened);
        ::CloseHandle(m_release);
    }

private:
    CClipboardHolder(const CClipboardHolder&) = delete;
    CClipboardHolder& operator=(const CClipboardHolder&) = delete;

    HANDLE m_opened;
    HANDLE m_release;
    std::thread m_thread;
};
