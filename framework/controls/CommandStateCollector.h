#pragma once
// Asks the command routing for the state of one command id (enabled,
// checked, radio, text) without touching any menu or control: the fields
// hold whatever the update handler set.
#include "afx/app/AfxWin.h"

class CCommandStateCollector : public CCmdUI
{
public:
    CCommandStateCollector(UINT commandId, CCmdTarget* target);

    void Enable(BOOL on = TRUE) override { m_enabled = on; }
    void SetCheck(int check = 1) override { m_check = check; }
    void SetRadio(BOOL on = TRUE) override
    {
        m_check = on;
        m_radio = 1;
    }
    void SetText(LPCTSTR text) override { m_text = text != NULL ? text : ""; }

    CString m_text;
    BOOL m_enabled;
    int m_check;
    int m_radio;
};
