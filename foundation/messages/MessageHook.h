#pragma once
// The foundation's few messages to the user (errors, one warning, one
// question) are shown by the framework's message routines, which lie above
// this library: the framework installs its routine here at start-up. Until
// then, or when no framework is linked, the platform's message box shows them.
#include "afx/core/AfxCore.h"

#include <stdarg.h>

// Shows the text made from the format and its arguments under the named
// message prompt 'key' (null for none), titled with the string 'titleId' (0 for
// none), with message box flags; returns the id of the button that closed it.
typedef int (*MessageHook)(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args, UINT flags);

// Installs the routine; null restores the platform's box. Returns the routine
// installed before (null for the platform's box).
MessageHook SetMessageHook(MessageHook hook);
MessageHook GetMessageHook();

// The foundation's messages, shown through the installed routine.
int ShowFoundationError(LPCTSTR format, ...);                   // exclamation icon, OK
int ShowFoundationWarning(LPCTSTR format, ...);                 // exclamation icon, OK
int AskFoundationYesNoCancel(LPCTSTR key, LPCTSTR format, ...); // question icon; IDYES, IDNO or IDCANCEL

// The text of a message: formatted, then made a sentence; empty when there is
// nothing to say (a message with an empty text is never shown).
CString MakeMessageText(LPCTSTR format, va_list args);

// The platform's message box, owned by the active window: the exclamation icon
// when the buttons take one and the flags give none, the program's name as
// title when the title is empty.
int ShowPlatformMessageBox(LPCTSTR text, LPCTSTR title, UINT flags);
