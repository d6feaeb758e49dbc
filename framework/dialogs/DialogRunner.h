#pragma once
// The part of a dialog or property sheet that others use to run it, with its
// keys (accelerators of the template's id, F1) and its opening message.
#include "afx/app/AfxWin.h"

// The command that shows a dialog's opening message once it is on screen.
const UINT ID_SHOW_OPENING_MESSAGE = 39903;

class CDialogRunner
{
public:
    explicit CDialogRunner(CWnd* owner) : m_owner(owner) {}
    virtual ~CDialogRunner();

    // Runs the owner modally; TRUE when it ended with IDOK.
    virtual BOOL RunModal();
    virtual CWnd* GetOwnerWnd() { return m_owner; }

    // Loads the accelerator table of that resource id, when there is one.
    void LoadAccelerators(UINT resourceId);
    // Accelerators, then F1 (not repeated, no Shift, Ctrl or Alt) as the Help
    // command to the main window; TRUE when the message was used.
    BOOL TranslateKeys(MSG* msg);
    // At the owner's initialisation: posts the opening message and asks for
    // context help when requested.
    void OnInitOwner();
    // Shows the opening message as information under its prompt name.
    void ShowOpeningMessage();

    HACCEL m_accelerators = NULL;
    CString m_openingPromptName;
    CString m_openingMessage;       // with ~ tokens; empty = none
    CString m_openingTitle;
    BOOL m_openHelpAtStart = FALSE;

private:
    CDialogRunner(const CDialogRunner&) = delete;
    CDialogRunner& operator=(const CDialogRunner&) = delete;

    CWnd* m_owner;
};

// F1 pressed alone and not held down: the Help command goes to the main window.
BOOL TranslateHelpKey(const MSG* msg);
