// A command-UI item that only records whether its update handler disabled it;
// commands sent without a control are dropped when their item is disabled.
#pragma once

#include "afx/windows/CmdUI.h"

class CEnabledStateCmdUI : public CCmdUI
{
public:
    CEnabledStateCmdUI() : m_bEnabled(TRUE) {}

    virtual void Enable(BOOL bOn) { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    virtual void SetCheck(int) {}
    virtual void SetRadio(BOOL) {}
    virtual void SetText(LPCTSTR) {}

    BOOL m_bEnabled;
};
