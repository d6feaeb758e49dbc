#pragma once
// The date formats for data entry, export, imported text and output.
#include "application/preferences/PreferencesPage.h"

class CDatePrefsPage : public CPreferencesPage
{
    DECLARE_DYNAMIC(CDatePrefsPage)

public:
    CDatePrefsPage();

    CString m_dataEntryFormat;
    CString m_exportFormat;
    CString m_importTextFormat;
    CString m_outputFormat;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
