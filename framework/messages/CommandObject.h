#pragma once

#include "afx/app/AfxWin.h"

// One user command: a dialog button, a menu item or an application command.
// The command handler and the update handler of a window each build the
// command's object on the stack and call Run or UpdateCmdUI, so the test
// and the action of a command stay together.
class CCommandObject
{
public:
    enum Kind
    {
        KIND_PLAIN = 0,
        KIND_RADIO = 1,   // the item shows a radio mark
        KIND_CHECK = 2,   // the item shows a check mark
    };

    CCommandObject(CCmdTarget* owner, UINT commandId, int kind = KIND_PLAIN);
    virtual ~CCommandObject() {}

    // The defaults ask the command-state provider that knows the id; without
    // one a command is enabled, checked and selected.
    virtual BOOL IsEnabled();
    virtual int GetCheck();
    virtual BOOL GetRadio();
    // Performs the command.
    virtual int Execute() = 0;
    // Enables the item, sets its mark by the kind and, when a state query
    // set a text during this update, its text.
    virtual void UpdateCmdUI(CCmdUI* pCmdUI);

    // Execute when enabled; 0 and nothing done otherwise.
    int Run();

    CCmdTarget* owner;   // not owned
    UINT commandId;
    int kind;
    CString text;

private:
    CCommandObject(const CCommandObject&) = delete;
    CCommandObject& operator=(const CCommandObject&) = delete;
};
