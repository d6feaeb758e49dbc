#include "support/MessagePump.h"

void PumpWaitingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD limit)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        PumpWaitingMessages();
        if (condition())
            return true;
        if (::GetTickCount() - start > limit)
            return false;
        // Wakes for a new message, or after a while for a condition that
        // another thread or process makes true.
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}
