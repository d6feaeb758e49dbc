#pragma once
// The registered message prompts and the answers the user asked to be
// remembered. A remembered value v of a key: v > 0 show (v - 1 the assumed
// answer), v < 0 don't show and answer -v - 1 instead; no entry: show with
// the default answer. The map is kept in the settings (see below).
#include "afx/app/AfxWin.h"
#include "foundation/containers/OwningObArray.h"
#include "foundation/settings/NumberMap.h"

class CMessagePrompt;

// Where the remembered answers are kept among the settings.
#define MESSAGE_PROMPTS_SECTION "Settings"
#define MESSAGE_PROMPTS_ENTRY "MessageBoxes"

COwningObArray& GetMessagePrompts();
CNumberMap& GetRememberedAnswers();

void RegisterMessagePrompt(LPCTSTR key, LPCTSTR description, UINT flags, UINT option);
BOOL HasMessagePrompts();
// The registered prompt of that key, or null.
CMessagePrompt* FindMessagePrompt(LPCTSTR key);

void LookupPromptState(const CNumberMap& map, const CMessagePrompt& prompt, bool* show, int* answer);
void StorePromptState(CNumberMap& map, const CMessagePrompt& prompt, bool show, int answer);
// TRUE when the message is to be shown (also for an unknown or empty key);
// else answer gets the remembered answer.
BOOL GetMessagePromptAnswer(LPCTSTR key, int* answer);

// Shows a message in the program's message box under a prompt key (empty:
// a plain box) and answers the button that ended it.
int ShowPromptedMessageBox(CWnd* parent, LPCTSTR text, LPCTSTR title, UINT flags, UINT option,
                           UINT customIconId, LPCTSTR key);

// Runs the Configure Message Prompts dialog; IDCANCEL without prompts.
int ConfigureMessagePrompts(CWnd* parent);

// The settings exchanger of the remembered answers.
int ExchangeRememberedAnswers(DWORD context, BOOL load);
