#include "framework/messages/MessageRoutines.h"

#include "afx/app/AfxWin.h"
#include "foundation/messages/MessageHook.h"
#include "framework/app/FrameworkApp.h"
#include "framework/messages/MessageBoxButtons.h"


namespace
{
    CString LoadTitle(UINT titleId)
    {
        CString title;
        if (titleId != 0)
            title.LoadString(titleId);
        return title;
    }

    int ShowFoundationMessage(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args, UINT flags)
    {
        return ShowPromptedMessage(key, titleId, format, args, flags, 0, 0);
    }
}

void InstallMessageRoutines()
{
    SetMessageHook(&ShowFoundationMessage);
}

int DisplayMessage(LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                   UINT customIconId, LPCTSTR key)
{
    if (text == NULL || text[0] == '\0')
        return -1;

    CFrameworkApp* app = GetFrameworkApp();
    int answer = app != NULL ? app->ShowMessage(text, title, flags, helpId, option, customIconId, key)
                             : ShowApplicationMessage(AfxGetApp(), text, title, flags, helpId, option, customIconId,
                                                      key);
    if (flags == MB_ICONHAND)
        ::ExitProcess(1);
    return answer;
}

int ShowPromptedMessageTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, va_list args,
                              UINT flags, UINT option, UINT helpId)
{
    CString text = MakeMessageText(format, args);
    if (text.IsEmpty())
        return IDCANCEL;
    return DisplayMessage(text, title, flags, helpId, option, 0, key);
}

int ShowPromptedMessage(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args,
                        UINT flags, UINT option, UINT helpId)
{
    CString title = LoadTitle(titleId);
    return ShowPromptedMessageTitled(key, title, format, args, flags, option, helpId);
}

#define KESTROVA_PROMPT_OPTION(titleArg, flags, option, call)                    \
    va_list args;                                                               \
    va_start(args, format);                                                     \
    int answer = call(key, titleArg, format, args, flags, option, 0);           \
    va_end(args)
#define KESTROVA_PROMPT(titleArg, flags, call) KESTROVA_PROMPT_OPTION(titleArg, flags, 0, call)

BOOL AskYesNo(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_YESNO | MB_ICONQUESTION, ShowPromptedMessage);
    return answer == IDYES;
}

BOOL AskYesNoDefaultNo(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, ShowPromptedMessage);
    return answer == IDYES;
}

BOOL AskYesNoDefaultNoTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(title, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, ShowPromptedMessageTitled);
    return answer == IDYES;
}

BOOL AskOkCancel(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_OKCANCEL | MB_ICONQUESTION, ShowPromptedMessage);
    return answer == IDOK;
}

int AskYesNoCancel(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_YESNOCANCEL | MB_ICONQUESTION, ShowPromptedMessage);
    return answer;
}

int ShowInformation(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_ICONINFORMATION, ShowPromptedMessage);
    return answer;
}

int ShowInformationWithPrint(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT_OPTION(titleId, MB_ICONINFORMATION, MSGBOX_OPTION_PRINT_INFO, ShowPromptedMessage);
    return answer;
}

int ShowInformationTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(title, MB_ICONINFORMATION, ShowPromptedMessageTitled);
    return answer;
}

int ShowWarning(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_ICONEXCLAMATION, ShowPromptedMessage);
    return answer;
}

int ShowError(LPCTSTR key, UINT titleId, LPCTSTR format, ...)
{
    KESTROVA_PROMPT(titleId, MB_ICONEXCLAMATION, ShowPromptedMessage);
    return answer;
}
