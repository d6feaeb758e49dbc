#pragma once
// Lists the standard genetics configurations and installs the chosen one as
// "Genetics.Gen", then shows its notes. In quiet mode (start-up without a
// configuration) a single configuration is installed without a list and
// nothing is reported when none is found.
#include "framework/controls/MyListBox.h"
#include "framework/controls/MyStatic.h"
#include "framework/dialogs/MyDialog.h"

// The dialog closed itself while opening (none found, or the only one installed).
const int CONFIG_DLG_CLOSED_AT_OPENING = 3;

class CGeneticsConfigDlg : public CMyDialog
{
public:
    explicit CGeneticsConfigDlg(CWnd* parent);

    BOOL OnInitDialog() override;
    // Installs the file of the standard folder and shows the notes of what
    // was installed; nonzero when the file was installed.
    BOOL InstallConfiguration(const CString& name);

    BOOL m_reporting;
    CStringArray m_fileNames;
    CStringArray m_descriptions;
    CStringArray m_versions;
    CMyListBox m_list;
    CMyStatic m_comments;
    CMyStatic m_version;
    int m_updateLock;
    CStringArray m_errors;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Reads every configuration of the standard folder; FALSE when the user
    // cancelled the scan.
    BOOL ScanConfigurations();
    // The index of the selected configuration; -1 when nothing is selected.
    int GetSelectedIndex();
    afx_msg void OnSelChange();
    afx_msg void OnHelp();
    afx_msg LRESULT OnReportErrors(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
