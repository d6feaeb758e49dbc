#include "framework/messages/ConfigurePromptsDlg.h"

#include "foundation/settings/ProfileExchange.h"
#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/ConfigurePromptsIds.h"
#include "framework/messages/MessageBoxButtons.h"
#include "framework/messages/MessagePrompt.h"
#include "framework/messages/MessagePrompts.h"

IMPLEMENT_DYNAMIC(CConfigurePromptsDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CConfigurePromptsDlg, CMyDialog)
    ON_LBN_SELCHANGE(IDC_PROMPT_LIST, OnPromptSelected)
    ON_BN_CLICKED(IDC_PROMPT_SHOW, OnShowClicked)
    ON_BN_CLICKED(IDC_PROMPT_DONT_SHOW, OnShowClicked)
    ON_LBN_SELCHANGE(IDC_PROMPT_ANSWERS, OnAnswerSelected)
    ON_BN_CLICKED(IDC_PROMPT_RESTORE_DEFAULTS, OnRestoreDefaults)
END_MESSAGE_MAP()

namespace
{
    // Adds or removes the trailing "*" of a button's text.
    void MarkDefault(CWnd* button, bool marked)
    {
        if (button == NULL)
            return;
        CString text;
        button->GetWindowText(text);
        bool hasMark = !text.IsEmpty() && text[text.GetLength() - 1] == '*';
        if (marked && !hasMark)
            button->SetWindowText(text + "*");
        else if (!marked && hasMark)
            button->SetWindowText(text.Left(text.GetLength() - 1));
    }
}

CConfigurePromptsDlg::CConfigurePromptsDlg(CWnd* parent) : CMyDialog(IDD_CONFIGURE_PROMPTS, parent)
{
}

INT_PTR CConfigurePromptsDlg::DoModal()
{
    m_workingCopy = GetRememberedAnswers();
    INT_PTR result = CMyDialog::DoModal();
    if (result == IDOK)
        UpdateSettingMap(GetRememberedAnswers(), m_workingCopy, TRUE);
    return result;
}

BOOL CConfigurePromptsDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    FillPrompts();
    return FALSE;
}

void CConfigurePromptsDlg::FillPrompts()
{
    CWnd* list = GetDlgItem(IDC_PROMPT_LIST);
    list->SendMessage(LB_RESETCONTENT);
    COwningObArray& prompts = GetMessagePrompts();
    for (INT_PTR i = 0; i < prompts.GetSize(); i++)
    {
        CMessagePrompt* prompt = (CMessagePrompt*)prompts[i];
        int index = (int)list->SendMessage(LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)prompt->GetTitle());
        if (index >= 0)
            list->SendMessage(LB_SETITEMDATA, index, (LPARAM)prompt);
    }
    list->SetFocus();
    list->SendMessage(LB_SETCURSEL, 0);
    m_selected = NULL;
    Refresh();
}

void CConfigurePromptsDlg::Refresh()
{
    CWnd* list = GetDlgItem(IDC_PROMPT_LIST);
    int selection = (int)list->SendMessage(LB_GETCURSEL);
    CMessagePrompt* prompt = selection >= 0 ? (CMessagePrompt*)list->SendMessage(LB_GETITEMDATA, selection) : NULL;
    if (prompt == m_selected && prompt != NULL)
        return;
    m_selected = prompt;

    GetDlgItem(IDC_PROMPT_GROUP)->EnableWindow(prompt != NULL);
    CWnd* answers = GetDlgItem(IDC_PROMPT_ANSWERS);
    if (prompt == NULL)
    {
        GetDlgItem(IDC_PROMPT_SHOW)->EnableWindow(FALSE);
        GetDlgItem(IDC_PROMPT_DONT_SHOW)->EnableWindow(FALSE);
        answers->EnableWindow(FALSE);
        return;
    }
    GetDlgItem(IDC_PROMPT_SHOW)->EnableWindow(TRUE);
    GetDlgItem(IDC_PROMPT_DONT_SHOW)->EnableWindow(TRUE);
    MarkDefault(GetDlgItem(IDC_PROMPT_SHOW), true);
    MarkDefault(GetDlgItem(IDC_PROMPT_DONT_SHOW), false);

    answers->SendMessage(LB_RESETCONTENT);
    MsgBoxButtonSet set = GetButtonSet(prompt->m_flags, prompt->m_option);
    UINT defaultAnswer = prompt->GetDefaultAnswer();
    for (int i = 0; i < set.Count(); i++)
    {
        CString caption = GetButtonCaption(set.buttons[i]);
        caption.Remove('&');
        if (set.buttons[i] == defaultAnswer)
            caption += "*";
        int index = (int)answers->SendMessage(LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)caption);
        answers->SendMessage(LB_SETITEMDATA, index, set.buttons[i]);
    }

    bool show;
    int answer;
    LookupPromptState(m_workingCopy, *prompt, &show, &answer);
    m_answerIndex = 0;
    for (int i = 0; i < set.Count(); i++)
    {
        if ((int)set.buttons[i] == answer)
            m_answerIndex = i;
    }
    CheckDlgButton(IDC_PROMPT_SHOW, show ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_PROMPT_DONT_SHOW, show ? BST_UNCHECKED : BST_CHECKED);
    answers->EnableWindow(!show);
    answers->SendMessage(LB_SETCURSEL, m_answerIndex);

    CString sentence;
    ExpandTokens(prompt->GetSentence(), sentence);
    SetDlgItemText(IDC_PROMPT_DESCRIPTION, "Message Description:\n" + sentence);
}

void CConfigurePromptsDlg::Store()
{
    if (m_selected == NULL)
        return;
    CWnd* answers = GetDlgItem(IDC_PROMPT_ANSWERS);
    bool show = IsDlgButtonChecked(IDC_PROMPT_SHOW) == BST_CHECKED;
    if (!show)
    {
        int selection = (int)answers->SendMessage(LB_GETCURSEL);
        if (selection >= 0)
            m_answerIndex = selection;
    }
    int button = (int)answers->SendMessage(LB_GETITEMDATA, m_answerIndex);
    if (button == LB_ERR)
        button = (int)m_selected->GetDefaultAnswer();
    StorePromptState(m_workingCopy, *m_selected, show, button);
}

void CConfigurePromptsDlg::OnPromptSelected()
{
    Refresh();
}

void CConfigurePromptsDlg::OnShowClicked()
{
    CWnd* answers = GetDlgItem(IDC_PROMPT_ANSWERS);
    bool dontShow = IsDlgButtonChecked(IDC_PROMPT_DONT_SHOW) == BST_CHECKED;
    answers->EnableWindow(dontShow);
    if (dontShow)
        answers->SendMessage(LB_SETCURSEL, m_answerIndex);
    Store();
}

void CConfigurePromptsDlg::OnAnswerSelected()
{
    Store();
}

void CConfigurePromptsDlg::OnRestoreDefaults()
{
    m_workingCopy.RemoveAll();
    FillPrompts();
}
