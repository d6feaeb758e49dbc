#pragma once
// Lets the user review and change the remembered answers of the message
// prompts on a working copy, written back only on OK.
#include "foundation/settings/NumberMap.h"
#include "framework/dialogs/MyDialog.h"

class CMessagePrompt;

class CConfigurePromptsDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CConfigurePromptsDlg)

public:
    explicit CConfigurePromptsDlg(CWnd* parent);

    CNumberMap m_workingCopy;
    CMessagePrompt* m_selected = NULL;
    int m_answerIndex = 0;

    BOOL OnInitDialog() override;
    INT_PTR DoModal() override;

protected:
    void FillPrompts();
    void Refresh();
    void Store();

    afx_msg void OnPromptSelected();
    afx_msg void OnShowClicked();
    afx_msg void OnAnswerSelected();
    afx_msg void OnRestoreDefaults();

    DECLARE_MESSAGE_MAP()
};
