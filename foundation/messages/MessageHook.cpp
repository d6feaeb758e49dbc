#include "foundation/messages/MessageHook.h"

#include <utility>

#include "afx/app/AfxWin.h"
#include "foundation/text/TextEdits.h"

namespace
{
MessageHook installedHook = NULL;

bool TakesDefaultIcon(UINT flags)
{
    UINT buttons = flags & MB_TYPEMASK;
    return buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL || buttons == MB_YESNO;
}

int ShowInPlatformBox(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args, UINT flags)
{
    CString text = MakeMessageText(format, args);
    if (text.IsEmpty())
        return IDCANCEL;
    CString title;
    if (titleId != 0)
        title.LoadString(titleId);
    return ShowPlatformMessageBox(text, title, flags);
}

int Show(LPCTSTR key, LPCTSTR format, va_list args, UINT flags)
{
    MessageHook hook = installedHook != NULL ? installedHook : &ShowInPlatformBox;
    return hook(key, 0, format, args, flags);
}
}

MessageHook SetMessageHook(MessageHook hook)
{
    return std::exchange(installedHook, hook);
}

MessageHook GetMessageHook()
{
    return installedHook;
}

CString MakeMessageText(LPCTSTR format, va_list args)
{
    CString text;
    if (format != NULL)
        text.FormatV(format, args);
    MakeSentence(&text);
    return text;
}

int ShowPlatformMessageBox(LPCTSTR text, LPCTSTR title, UINT flags)
{
    if ((flags & MB_ICONMASK) == 0 && TakesDefaultIcon(flags))
        flags |= MB_ICONEXCLAMATION;
    CString caption = title != NULL ? title : "";
    if (caption.IsEmpty())
    {
        LPCTSTR appName = AfxGetAppName();
        if (appName != NULL)
            caption = appName;
    }
    return ::MessageBoxA(::GetActiveWindow(), text, caption, flags);
}

#define KESTROVA_FOUNDATION_MESSAGE(key, flags)                                                                        \
    va_list args;                                                                                                      \
    va_start(args, format);                                                                                            \
    int answer = Show(key, format, args, flags);                                                                       \
    va_end(args);                                                                                                      \
    return answer

int ShowFoundationError(LPCTSTR format, ...)
{
    KESTROVA_FOUNDATION_MESSAGE(NULL, MB_ICONEXCLAMATION);
}

int ShowFoundationWarning(LPCTSTR format, ...)
{
    KESTROVA_FOUNDATION_MESSAGE(NULL, MB_ICONEXCLAMATION);
}

int AskFoundationYesNoCancel(LPCTSTR key, LPCTSTR format, ...)
{
    KESTROVA_FOUNDATION_MESSAGE(key, MB_YESNOCANCEL | MB_ICONQUESTION);
}
