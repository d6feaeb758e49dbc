#pragma once
// Static and edit controls of a dialog painted in the button-face colour
// with the application's text colour.
#include "afx/app/AfxWin.h"

class CColouredControls
{
public:
    virtual ~CColouredControls() {}

    CWnd* m_owner = NULL;
    CDWordArray m_controlIds;

    // The brush for a listed control's message-box or edit colour request,
    // else 0 (not handled).
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);

protected:
    // Lets a derived class change one control's colours; the base keeps them.
    virtual void AdjustColours(UINT controlId, COLORREF& textColour, COLORREF& backgroundColour, HBRUSH& brush) {}
};
