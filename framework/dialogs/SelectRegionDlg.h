#pragma once
// Asks whether to work on the selected region only (choice 0) or on
// everything (choice 1).
#include "framework/dialogs/MyDialog.h"
#include "framework/dialogs/SelectRegionIds.h"

class CSelectRegionDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CSelectRegionDlg)

public:
    explicit CSelectRegionDlg(CWnd* parent);

    int m_choice = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
