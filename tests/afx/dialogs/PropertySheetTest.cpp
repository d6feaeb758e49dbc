#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
enum
{
    IDC_VALUE = 1401,
};

typedef std::vector<std::string> EventLog;

// A page that logs the sheet's notifications and can refuse to be left.
class CLoggingPage : public CPropertyPage
{
public:
    CLoggingPage(const char* pszName, LPCDLGTEMPLATE lpTemplate, EventLog* pLog) : m_name(pszName), m_pLog(pLog)
    {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = lpTemplate;
    }

    virtual BOOL OnInitDialog()
    {
        Log("init");
        CPropertyPage::OnInitDialog();
        if (m_pfnOnInit != NULL)
            m_pfnOnInit(this);
        return TRUE;
    }

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, IDC_VALUE, m_value);
        if (pDX->m_bSaveAndValidate && m_bRefuse)
            pDX->Fail();
    }

    virtual BOOL OnSetActive()
    {
        Log("setactive");
        return CPropertyPage::OnSetActive();
    }

    virtual BOOL OnKillActive()
    {
        BOOL bResult = CPropertyPage::OnKillActive();
        Log(bResult ? "killactive" : "killactive refused");
        return bResult;
    }

    virtual BOOL OnApply()
    {
        Log("apply");
        return CPropertyPage::OnApply();
    }

    virtual void OnReset() { Log("reset"); }

    void Log(const char* pszEvent) { m_pLog->push_back(m_name + " " + pszEvent); }
    CPropertySheet* Sheet() { return (CPropertySheet*)GetParent(); }

    std::string m_name;
    EventLog* m_pLog;
    CString m_value;
    bool m_bRefuse = false;
    void (*m_pfnOnInit)(CLoggingPage*) = NULL;
};

CDialogTemplate MakePageTemplate()
{
    CDialogTemplate t(L"Page", WS_CHILD | WS_CAPTION | DS_CONTROL, 150, 80);
    t.Add(CDialogTemplate::EDIT, L"", IDC_VALUE, WS_BORDER | WS_TABSTOP, 10, 10, 100, 12);
    return t;
}

// From the first page: go to the second page, then press OK.
void SwitchThenOK(CLoggingPage* pPage)
{
    pPage->Sheet()->PostMessage(PSM_SETCURSEL, 1, 0);
    pPage->Sheet()->PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
}

// From the second page: its text changes, then OK, then Cancel.
void EditThenOKThenCancel(CLoggingPage* pPage)
{
    pPage->SetDlgItemText(IDC_VALUE, "Merle");
    pPage->Sheet()->PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
    pPage->Sheet()->PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

TEST(PropertySheetTest, PagesSwitchAndApplyOnOK)
{
    EventLog log;
    CDialogTemplate t = MakePageTemplate();
    CLoggingPage first("first", t.Get(), &log);
    CLoggingPage second("second", t.Get(), &log);
    first.m_value = "Sable";
    first.m_pfnOnInit = SwitchThenOK;
    second.m_pfnOnInit = [](CLoggingPage* pPage) { pPage->SetDlgItemText(IDC_VALUE, "Brindle"); };

    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(IDOK, sheet.DoModal());

    EventLog expected = {"first init",  "first setactive", "first killactive", "second init",
                         "second setactive", "second killactive", "first apply", "second apply"};
    EXPECT_EQ(expected, log);
    EXPECT_STREQ("Sable", first.m_value);
    EXPECT_STREQ("Brindle", second.m_value);
    EXPECT_EQ(NULL, sheet.m_hWnd);
    EXPECT_EQ(NULL, first.m_hWnd);
}

TEST(PropertySheetTest, APageThatRefusesToBeLeftKeepsTheSheetOpen)
{
    EventLog log;
    CDialogTemplate t = MakePageTemplate();
    CLoggingPage first("first", t.Get(), &log);
    CLoggingPage second("second", t.Get(), &log);
    first.m_pfnOnInit = [](CLoggingPage* pPage) { pPage->Sheet()->PostMessage(PSM_SETCURSEL, 1, 0); };
    second.m_pfnOnInit = EditThenOKThenCancel;
    second.m_bRefuse = true;

    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());

    EventLog expected = {"first init",       "first setactive",          "first killactive",
                         "second init",      "second setactive",         "second killactive refused",
                         "first reset",      "second reset"};
    EXPECT_EQ(expected, log);
}

// The sheet object is bound before its first message, and runs its own
// initialisation.
class CInitSheet : public CPropertySheet
{
public:
    CInitSheet() : CPropertySheet("Init") {}

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_bCreated = true;
        return CPropertySheet::OnCreate(lpCreateStruct);
    }

    virtual BOOL OnInitDialog()
    {
        BOOL bResult = CPropertySheet::OnInitDialog();
        m_nPagesAtInit = GetTabControl()->GetItemCount();
        m_nActiveAtInit = GetActiveIndex();
        m_bActivePageBound = GetActivePage() == GetPage(1);
        PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
        return bResult;
    }

    bool m_bCreated = false;
    int m_nPagesAtInit = 0;
    int m_nActiveAtInit = -1;
    bool m_bActivePageBound = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInitSheet, CPropertySheet)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(PropertySheetTest, TheSheetSeesItsCreationAndStartsOnTheChosenPage)
{
    EventLog log;
    CDialogTemplate t = MakePageTemplate();
    CLoggingPage first("first", t.Get(), &log);
    CLoggingPage second("second", t.Get(), &log);
    CInitSheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.SetActivePage(1);
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(sheet.m_bCreated);
    EXPECT_EQ(2, sheet.m_nPagesAtInit);
    EXPECT_EQ(1, sheet.m_nActiveAtInit);
    EXPECT_TRUE(sheet.m_bActivePageBound);
    EXPECT_EQ("second init", log.front());
}

// A modal sheet goes through the framework's modal loop: it gets the idle
// kicks and its keys go through its pre-translation (the sheet's dialog
// keys), like a dialog's.
class CIdleSheet : public CPropertySheet
{
public:
    CIdleSheet() : CPropertySheet("Idle") {}

    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKicks;
        return 0;
    }

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN)
            ++m_nKeysOffered;
        return CPropertySheet::PreTranslateMessage(pMsg);
    }

    int m_nKicks = 0;
    int m_nKeysOffered = 0;
    int m_nKicksSeen = 0;
    int m_nProbes = 0;
    BOOL m_bTabTaken = FALSE;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleSheet, CPropertySheet)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CIdleSheet* g_pIdleSheet = NULL;

// Runs once the loop has idled: offers Tab in the page's field to the
// thread's pre-translation, then presses OK. On a busy machine the timer can
// come due before the loop first runs dry; it then waits for the next tick,
// for five seconds at most.
void CALLBACK ProbeIdleSheet(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    CIdleSheet* pSheet = g_pIdleSheet;
    if (pSheet->m_nKicks == 0 && ++pSheet->m_nProbes < 50)
        return;
    ::KillTimer(NULL, nIDEvent);
    pSheet->m_nKicksSeen = pSheet->m_nKicks;
    CPropertyPage* pPage = pSheet->GetActivePage();
    MSG msg = {};
    msg.hwnd = pPage != NULL ? ::GetDlgItem(pPage->m_hWnd, IDC_VALUE) : NULL;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    pSheet->m_bTabTaken = AfxGetThread()->PreTranslateMessage(&msg);
    pSheet->PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
}

TEST(PropertySheetTest, AModalSheetIdlesAndPreTranslatesLikeADialog)
{
    EventLog log;
    CDialogTemplate t = MakePageTemplate();
    CLoggingPage page("page", t.Get(), &log);
    page.m_pfnOnInit = [](CLoggingPage*) { ::SetTimer(NULL, 0, 100, ProbeIdleSheet); };
    CIdleSheet sheet;
    g_pIdleSheet = &sheet;
    sheet.AddPage(&page);
    EXPECT_EQ(IDOK, sheet.DoModal());
    g_pIdleSheet = NULL;
    EXPECT_GT(sheet.m_nKicksSeen, 0);
    EXPECT_TRUE(sheet.m_bTabTaken);
    EXPECT_GE(sheet.m_nKeysOffered, 1);
}
} // namespace
