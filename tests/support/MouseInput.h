#pragma once
// Real mouse input (SendInput) as the X server gives a real mouse's: every
// event, a button's press and release too, carries its absolute position.
// Under Wine a button event without one lands wherever the pointer, which all
// processes share, is when the server queues it, and SetCursorPos warps the
// pointer with a grab whose stale crossing events another process may send
// back as a move; so the tests place the pointer only through these events.
// Standing on the platform alone, it serves the end-to-end tests too.

#include <windows.h>

// An event at a point of the screen: the pointer moves there and the flags
// (MOUSEEVENTF_LEFTDOWN, ...; none for a move alone) happen there. A position
// is in 65,536ths of the primary screen; rounded up, it lands on the pixel.
inline INPUT MouseInputAt(POINT screen, DWORD flags)
{
    const LONGLONG width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)((((LONGLONG)screen.x << 16) + width - 1) / width);
    input.mi.dy = (LONG)((((LONGLONG)screen.y << 16) + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return input;
}

inline void SendMouseAt(POINT screen, DWORD flags)
{
    INPUT input = MouseInputAt(screen, flags);
    ::SendInput(1, &input, sizeof(INPUT));
}

// Left clicks at a point (two make a double click), sent as one input so that
// nothing comes between their events.
inline void SendClicksAt(POINT screen, int clicks)
{
    INPUT input[4];
    const int events = clicks < 2 ? 2 : 4;
    for (int i = 0; i < events; i++)
        input[i] = MouseInputAt(screen, i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    ::SendInput((UINT)events, input, sizeof(INPUT));
}
