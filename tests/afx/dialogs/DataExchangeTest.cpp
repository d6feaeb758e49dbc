#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"
#include "afx/RecordingApp.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    IDC_NAME = 1101,
    IDC_FLAG = 1102,
    IDC_RADIO_A = 1103,
    IDC_RADIO_B = 1104,
    IDC_RADIO_C = 1105,
    IDC_AFTER_GROUP = 1106,
    IDC_COUNT = 1107,
    IDC_CHOICE = 1108,
    IDC_LIST = 1109,
};

CDialogTemplate MakeFieldsTemplate()
{
    CDialogTemplate t(L"Fields", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 220, 160);
    t.Add(CDialogTemplate::EDIT, L"", IDC_NAME, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 100, 12);
    t.Add(CDialogTemplate::BUTTON, L"Flag", IDC_FLAG, BS_AUTO3STATE | WS_TABSTOP, 10, 26, 100, 10);
    t.Add(CDialogTemplate::BUTTON, L"A", IDC_RADIO_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 40, 40, 10);
    t.Add(CDialogTemplate::STATIC, L"between", 0xFFFF, SS_LEFT, 60, 40, 40, 10);
    t.Add(CDialogTemplate::BUTTON, L"B", IDC_RADIO_B, BS_AUTORADIOBUTTON, 10, 52, 40, 10);
    t.Add(CDialogTemplate::BUTTON, L"C", IDC_RADIO_C, BS_AUTORADIOBUTTON, 10, 64, 40, 10);
    t.Add(CDialogTemplate::BUTTON, L"Next group", IDC_AFTER_GROUP, BS_AUTORADIOBUTTON | WS_GROUP, 10, 76, 60, 10);
    t.Add(CDialogTemplate::EDIT, L"", IDC_COUNT, WS_BORDER | WS_TABSTOP, 10, 90, 50, 12);
    t.Add(CDialogTemplate::COMBOBOX, L"", IDC_CHOICE, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 120, 10, 80, 60);
    t.Add(CDialogTemplate::LISTBOX, L"", IDC_LIST, WS_BORDER | WS_VSCROLL | WS_TABSTOP, 120, 30, 80, 40);
    t.Add(CDialogTemplate::BUTTON, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 140, 50, 14);
    return t;
}

// Exchanges every kind of field; the name must not be empty.
class CFieldsDialog : public CDialog
{
public:
    explicit CFieldsDialog(LPCDLGTEMPLATE lpTemplate) { InitModalIndirect(lpTemplate); }

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, IDC_NAME, m_name);
        if (pDX->m_bSaveAndValidate && m_name.IsEmpty())
            pDX->Fail();
        DDX_Check(pDX, IDC_FLAG, m_flag);
        DDX_Radio(pDX, IDC_RADIO_A, m_radio);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDV_MinMaxInt(pDX, m_count, 1, 99);
        DDX_CBString(pDX, IDC_CHOICE, m_choice);
        DDX_LBString(pDX, IDC_LIST, m_listChoice);
    }

    virtual BOOL OnInitDialog()
    {
        SendDlgItemMessage(IDC_CHOICE, CB_ADDSTRING, 0, (LPARAM) "Merle");
        SendDlgItemMessage(IDC_CHOICE, CB_ADDSTRING, 0, (LPARAM) "Sable");
        SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM) "Black");
        SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM) "Liver");
        CDialog::OnInitDialog();
        if (m_pfnOnInit != NULL)
            m_pfnOnInit(this);
        return TRUE;
    }

    afx_msg void OnTimer(UINT)
    {
        // On a loaded machine the first tick can come before the modal loop
        // has gone idle and shown the dialog; the user acts on a shown one.
        if (!IsWindowVisible() && ++m_nTicksHidden < 100)
            return;
        KillTimer(1);
        if (m_pfnOnTimer != NULL)
            m_pfnOnTimer(this);
    }

    CString GetText(int nID)
    {
        CString text;
        GetDlgItemText(nID, text);
        return text;
    }

    CString m_name;
    int m_flag = 0;
    int m_radio = -1;
    int m_count = 1;
    CString m_choice;
    CString m_listChoice;
    void (*m_pfnOnInit)(CFieldsDialog*) = NULL;
    void (*m_pfnOnTimer)(CFieldsDialog*) = NULL;
    int m_nTicksHidden = 0;

    // what the controls showed after loading
    CString m_shownName, m_shownCount, m_shownChoice, m_shownListChoice;
    int m_shownFlag = -1, m_shownRadio[3] = {-1, -1, -1};
    // the failure path
    BOOL m_bSaved = TRUE;
    int m_nFocusAfterFailure = 0;
    DWORD m_dwSelectionAfterFailure = 0;
    bool m_bOpenAfterFailure = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFieldsDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void RecordAndEdit(CFieldsDialog* pDlg)
{
    pDlg->m_shownName = pDlg->GetText(IDC_NAME);
    pDlg->m_shownCount = pDlg->GetText(IDC_COUNT);
    pDlg->m_shownFlag = (int)pDlg->SendDlgItemMessage(IDC_FLAG, BM_GETCHECK);
    for (int i = 0; i < 3; ++i)
        pDlg->m_shownRadio[i] = (int)pDlg->SendDlgItemMessage(IDC_RADIO_A + i, BM_GETCHECK);
    pDlg->m_shownChoice = pDlg->GetText(IDC_CHOICE);
    int nSel = (int)pDlg->SendDlgItemMessage(IDC_LIST, LB_GETCURSEL);
    pDlg->m_shownListChoice = nSel >= 0 ? "selected" : "none";

    // the user's edits
    pDlg->SetDlgItemText(IDC_NAME, "Bella");
    pDlg->SendDlgItemMessage(IDC_FLAG, BM_SETCHECK, BST_INDETERMINATE);
    pDlg->SendDlgItemMessage(IDC_RADIO_B, BM_SETCHECK, BST_UNCHECKED);
    pDlg->SendDlgItemMessage(IDC_RADIO_C, BM_SETCHECK, BST_CHECKED);
    pDlg->SetDlgItemText(IDC_COUNT, " 12 ");
    pDlg->SendDlgItemMessage(IDC_CHOICE, CB_SETCURSEL, 0);
    pDlg->SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 1);
    pDlg->PostMessage(WM_COMMAND, IDOK);
}

TEST(DataExchangeTest, FieldsRoundTripThroughTheControls)
{
    CDialogTemplate t = MakeFieldsTemplate();
    CFieldsDialog dlg(t.Get());
    dlg.m_name = "Rex";
    dlg.m_flag = 1;
    dlg.m_radio = 1;
    dlg.m_count = 5;
    dlg.m_choice = "Sable";
    dlg.m_listChoice = "Liver";
    dlg.m_pfnOnInit = RecordAndEdit;
    EXPECT_EQ(IDOK, dlg.DoModal());

    EXPECT_STREQ("Rex", dlg.m_shownName);
    EXPECT_STREQ("5", dlg.m_shownCount);
    EXPECT_EQ(BST_CHECKED, dlg.m_shownFlag);
    EXPECT_EQ(BST_UNCHECKED, dlg.m_shownRadio[0]);
    EXPECT_EQ(BST_CHECKED, dlg.m_shownRadio[1]);
    EXPECT_EQ(BST_UNCHECKED, dlg.m_shownRadio[2]);
    EXPECT_STREQ("Sable", dlg.m_shownChoice);
    EXPECT_STREQ("selected", dlg.m_shownListChoice);

    EXPECT_STREQ("Bella", dlg.m_name);
    EXPECT_EQ(BST_INDETERMINATE, dlg.m_flag);
    EXPECT_EQ(2, dlg.m_radio); // the static between the buttons does not count
    EXPECT_EQ(12, dlg.m_count);
    EXPECT_STREQ("Merle", dlg.m_choice);
    EXPECT_STREQ("Liver", dlg.m_listChoice);
}

void ClearRadiosAndAccept(CFieldsDialog* pDlg)
{
    for (int i = 0; i < 3; ++i)
        pDlg->SendDlgItemMessage(IDC_RADIO_A + i, BM_SETCHECK, BST_UNCHECKED);
    pDlg->PostMessage(WM_COMMAND, IDOK);
}

TEST(DataExchangeTest, NoCheckedRadioButtonSavesMinusOne)
{
    CDialogTemplate t = MakeFieldsTemplate();
    CFieldsDialog dlg(t.Get());
    dlg.m_name = "Rex";
    dlg.m_radio = 0;
    dlg.m_pfnOnInit = ClearRadiosAndAccept;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(-1, dlg.m_radio);
}

void StartTimer(CFieldsDialog* pDlg)
{
    pDlg->SetTimer(1, 50, NULL);
}

void EmptyNameAndAccept(CFieldsDialog* pDlg)
{
    pDlg->SetDlgItemText(IDC_NAME, "");
    pDlg->SetDlgItemText(IDC_COUNT, "7");
    pDlg->SendMessage(WM_COMMAND, IDOK);
}

void BadCountAndAccept(CFieldsDialog* pDlg)
{
    pDlg->SetDlgItemText(IDC_COUNT, "12x");
    pDlg->SendMessage(WM_COMMAND, IDOK);
}

void CountTooLargeAndAccept(CFieldsDialog* pDlg)
{
    // 2^32 + 1 is no int: it is refused as such, not cut to another value
    pDlg->SetDlgItemText(IDC_COUNT, "4294967297");
    pDlg->SendMessage(WM_COMMAND, IDOK);
}

void CountOutOfRangeAndAccept(CFieldsDialog* pDlg)
{
    pDlg->SetDlgItemText(IDC_COUNT, "100");
    pDlg->SendMessage(WM_COMMAND, IDOK);
}

// Runs the user's failing input through OK while the dialog is shown, then
// records where the failure left it.
void RecordFailureAndCancel(CFieldsDialog* pDlg, void (*pfnInput)(CFieldsDialog*))
{
    pfnInput(pDlg);
    pDlg->m_bOpenAfterFailure = ::IsWindow(pDlg->m_hWnd) && pDlg->IsWindowVisible();
    pDlg->m_nFocusAfterFailure = ::GetDlgCtrlID(::GetFocus());
    pDlg->m_dwSelectionAfterFailure = (DWORD)::SendMessageA(::GetFocus(), EM_GETSEL, 0, 0);
    pDlg->m_bSaved = pDlg->UpdateData(TRUE);
    pDlg->EndDialog(IDCANCEL);
}

void EmptyNameFailure(CFieldsDialog* pDlg)
{
    RecordFailureAndCancel(pDlg, EmptyNameAndAccept);
}

void BadCountFailure(CFieldsDialog* pDlg)
{
    RecordFailureAndCancel(pDlg, BadCountAndAccept);
}

void CountTooLargeFailure(CFieldsDialog* pDlg)
{
    RecordFailureAndCancel(pDlg, CountTooLargeAndAccept);
}

void CountOutOfRangeFailure(CFieldsDialog* pDlg)
{
    RecordFailureAndCancel(pDlg, CountOutOfRangeAndAccept);
}

// Runs the dialog (name "Rex") until the failing input, once shown, has been
// recorded; the recording cancels it.
void RunFailure(CFieldsDialog& dlg, void (*pfnFailure)(CFieldsDialog*))
{
    dlg.m_name = "Rex";
    dlg.m_pfnOnInit = StartTimer;
    dlg.m_pfnOnTimer = pfnFailure;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bOpenAfterFailure);
}

TEST(DataExchangeTest, AFailedFieldKeepsTheDialogOpenWithTheFocusOnIt)
{
    CDialogTemplate t = MakeFieldsTemplate();
    CFieldsDialog dlg(t.Get());
    RunFailure(dlg, EmptyNameFailure);
    EXPECT_FALSE(dlg.m_bSaved);
    EXPECT_EQ(IDC_NAME, dlg.m_nFocusAfterFailure);
    // the fields before the failing one were saved, those after it were not
    EXPECT_TRUE(dlg.m_name.IsEmpty());
    EXPECT_EQ(1, dlg.m_count);
}

// Runs the dialog with a count that fails when saved: the dialog stays open
// with the count focused and all of its typed text selected.
void ExpectCountFailure(const CDialogTemplate& t, void (*pfnFailure)(CFieldsDialog*), int nTypedLength,
                        int nCountAfter)
{
    CFieldsDialog dlg(t.Get());
    RunFailure(dlg, pfnFailure);
    EXPECT_EQ(IDC_COUNT, dlg.m_nFocusAfterFailure);
    EXPECT_EQ(MAKELONG(0, nTypedLength), dlg.m_dwSelectionAfterFailure);
    EXPECT_EQ(nCountAfter, dlg.m_count);
}

TEST(DataExchangeTest, NumbersAreCheckedWithAMessageAndTheFieldSelected)
{
    CRecordingApp app;
    CDialogTemplate t = MakeFieldsTemplate();
    ExpectCountFailure(t, BadCountFailure, 3, 1);
    ExpectCountFailure(t, CountTooLargeFailure, 10, 1);
    // a number out of range is stored before the range check refuses it
    ExpectCountFailure(t, CountOutOfRangeFailure, 3, 100);
    // one message per failed OK and one per failed save in the timer
    ASSERT_EQ(6u, app.m_messages.size());
    EXPECT_EQ("Please enter an integer.", app.m_messages[0]);
    EXPECT_EQ("Please enter an integer.", app.m_messages[2]);
    EXPECT_EQ("Please enter an integer between 1 and 99.", app.m_messages[4]);
}

// Loading writes an edit's text only when it changed, so that no change
// notification arrives for an unchanged text.
class CChangeCountingDialog : public CDialog
{
public:
    explicit CChangeCountingDialog(LPCDLGTEMPLATE lpTemplate) { InitModalIndirect(lpTemplate); }

    virtual void DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_NAME, m_name); }

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_nChangesAtStart = m_nChanges;
        UpdateData(FALSE);
        m_nChangesAfterSameText = m_nChanges;
        EndDialog(IDOK);
        return FALSE;
    }

    afx_msg void OnNameChange() { ++m_nChanges; }

    CString m_name = "Rex";
    int m_nChanges = 0;
    int m_nChangesAtStart = -1;
    int m_nChangesAfterSameText = -1;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChangeCountingDialog, CDialog)
    ON_EN_CHANGE(IDC_NAME, OnNameChange)
END_MESSAGE_MAP()

TEST(DataExchangeTest, ControlNotificationsAreLockedOutDuringTheExchange)
{
    CDialogTemplate t = MakeFieldsTemplate();
    CChangeCountingDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nChangesAtStart);
    EXPECT_EQ(0, dlg.m_nChangesAfterSameText);
}
// Counts the texts set on it.
class CSetTextCountingEdit : public CEdit
{
public:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SETTEXT)
            ++m_nSetTexts;
        return CEdit::WindowProc(message, wParam, lParam);
    }
    int m_nSetTexts = 0;
};

class CSetTextDialog : public CDialog
{
public:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Text(pDX, IDC_NAME, m_name);
    }
    CSetTextCountingEdit m_edit;
    CString m_name = "Rex";
};

TEST(DataExchangeTest, LoadingAnUnchangedTextLeavesTheControlAlone)
{
    CDialogTemplate t = MakeFieldsTemplate();
    CSetTextDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get())); // the first load sets the text
    EXPECT_EQ(1, dlg.m_edit.m_nSetTexts);
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(1, dlg.m_edit.m_nSetTexts);
    dlg.m_name = "Max";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(2, dlg.m_edit.m_nSetTexts);
    dlg.DestroyWindow();
}

// The exchange record starts with the direction, the window and the window's
// tooltip control, and no control prepared yet.
class CRecordExchangeWnd : public CWnd
{
public:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        m_bSave = pDX->m_bSaveAndValidate;
        m_pDlgWnd = pDX->m_pDlgWnd;
        m_pToolTipSeen = pDX->m_pToolTip;
        m_bNothingPrepared = pDX->m_hWndLastControl == NULL && !pDX->m_bEditLastControl;
    }
    BOOL m_bSave = -1;
    CWnd* m_pDlgWnd = NULL;
    CToolTipCtrl* m_pToolTipSeen = NULL;
    bool m_bNothingPrepared = false;
};

TEST(DataExchangeTest, TheRecordCarriesTheWindowsTooltip)
{
    CRecordExchangeWnd wnd;
    CToolTipCtrl tip;
    wnd.m_pToolTip = &tip;
    EXPECT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(TRUE, wnd.m_bSave);
    EXPECT_EQ(&wnd, wnd.m_pDlgWnd);
    EXPECT_EQ(&tip, wnd.m_pToolTipSeen);
    EXPECT_TRUE(wnd.m_bNothingPrepared);
    wnd.m_pToolTip = NULL;
    EXPECT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(FALSE, wnd.m_bSave);
    EXPECT_EQ(nullptr, wnd.m_pToolTipSeen);
}
} // namespace
