#pragma once

#include "afx/core/AfxCore.h"

#include <stdarg.h>

// Every message to the user goes through these routines: the text is made a
// sentence and shown under the named message prompt 'key' (null or empty for
// none). An empty text is never shown and counts as Cancel.

// Routes the foundation's messages through these routines; called at start-up.
void InstallMessageRoutines();

int ShowPromptedMessage(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args,
                        UINT flags, UINT option, UINT helpId);
int ShowPromptedMessageTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, va_list args,
                              UINT flags, UINT option, UINT helpId);
int DisplayMessage(LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                   UINT customIconId, LPCTSTR key);

BOOL AskYesNo(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
BOOL AskYesNoDefaultNo(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
BOOL AskYesNoDefaultNoTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, ...);
BOOL AskOkCancel(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
int AskYesNoCancel(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
int ShowInformation(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
int ShowInformationTitled(LPCTSTR key, LPCTSTR title, LPCTSTR format, ...);
// Information with a "Print Info" button that prints the message.
int ShowInformationWithPrint(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
int ShowWarning(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
int ShowError(LPCTSTR key, UINT titleId, LPCTSTR format, ...);
