#pragma once
// A small dialog that asks for one of a group of radio buttons. Each
// button's template text is a format filled with the button's texts from
// the two lists; buttons can be disabled by a mask.
#include "framework/dialogs/MyDialog.h"

class CChoiceDlg : public CMyDialog
{
public:
    enum
    {
        MaxChoices = 32
    };

    CChoiceDlg(UINT templateId, CWnd* parent);

    int m_selected = 0;
    DWORD m_disabledMask = 0; // bit i disables button i
    CString m_heading;
    CString m_firstTexts[MaxChoices];
    CString m_secondTexts[MaxChoices];

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
