#pragma once

#include "afx/app/AfxWin.h"

// Command update of a dialog's controls in which, when m_bEditReadOnly is set,
// an edit control is made read-only instead of being disabled.
class CEditCmdUI : public CCmdUI
{
public:
    CEditCmdUI() : m_bEditReadOnly(FALSE) {}

    virtual void Enable(BOOL bOn = TRUE);

    BOOL m_bEditReadOnly;
};
