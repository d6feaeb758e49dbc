#pragma once
// Answers a tooltip's request for a tool's text (TTN_NEEDTEXTA/W) with the
// text a dialog or page gives for the control, while tooltips are enabled.
#include "afx/app/AfxWin.h"

#include <functional>
#include <string>

class CToolTipTextBuffer
{
public:
    // TRUE when the notification was a text request that got a text.
    BOOL Answer(NMHDR* hdr, const std::function<CString(UINT, CWnd*)>& getText);

private:
    CString m_text;
    std::wstring m_wideText;
};
