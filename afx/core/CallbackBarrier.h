#pragma once
// Keeps C++ exceptions from crossing into the platform. Every procedure that
// the platform calls (window, dialog, property-sheet and page, hook, timer,
// enumeration and abort procedures: every function declared CALLBACK) runs
// its body through AfxCallbackBarrier. An exception that reaches the barrier
// is reported as one that leaves a window procedure
// (AfxProcessWndProcException, for the window and message when given), and
// the procedure answers the failure value instead.
//
//     LRESULT CALLBACK SomeHook(int code, WPARAM wParam, LPARAM lParam)
//     {
//         return AfxCallbackBarrier<LRESULT>(0, [&]() -> LRESULT { ... });
//     }
//
// The test "callback_barriers" fails for a CALLBACK without one.
#include "afx/windows/Wnd.h"

template <class Result, class Body>
Result AfxCallbackBarrier(Result failed, HWND hWnd, UINT message, Body&& body) noexcept
{
    try
    {
        return body();
    }
    catch (CException* e)
    {
        AfxProcessWndProcException(e, hWnd, message);
        e->Delete();
    }
    catch (...)
    {
        AfxProcessWndProcException(NULL, hWnd, message);
    }
    return failed;
}

template <class Result, class Body>
Result AfxCallbackBarrier(Result failed, Body&& body) noexcept
{
    return AfxCallbackBarrier<Result>(failed, NULL, WM_NULL, static_cast<Body&&>(body));
}
