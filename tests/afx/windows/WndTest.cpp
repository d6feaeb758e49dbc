#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"
#include "afx/RecordingApp.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
enum
{
    IDC_WORK = 1501,
    IDC_FIELD = 1502,
};

// Deletes itself once its window is gone, and logs what it saw of its birth.
class CSelfDeletingWnd : public CWnd
{
public:
    explicit CSelfDeletingWnd(bool* pbDeleted, bool bFailCreate = false)
        : m_pbDeleted(pbDeleted), m_bFailCreate(bFailCreate)
    {
    }
    virtual ~CSelfDeletingWnd() { *m_pbDeleted = true; }

    afx_msg LRESULT OnNcCreate(WPARAM, LPARAM)
    {
        m_log.push_back("nccreate");
        return Default();
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_log.push_back(std::string("create ") + lpCreateStruct->lpszName);
        if (m_bFailCreate)
            return -1;
        return CWnd::OnCreate(lpCreateStruct);
    }

    afx_msg void OnDestroy()
    {
        m_log.push_back("destroy");
        CWnd::OnDestroy();
    }

    virtual void PostNcDestroy()
    {
        m_bHandleGoneAtEnd = m_hWnd == NULL;
        delete this;
    }

    bool* m_pbDeleted;
    bool m_bFailCreate;
    bool m_bHandleGoneAtEnd = false;
    std::vector<std::string> m_log;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_MESSAGE(WM_NCCREATE, OnNcCreate)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WndTest, TheObjectIsBoundBeforeItsFirstMessageAndDeletesItselfAtTheEnd)
{
    bool bDeleted = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "Popup", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
    std::vector<std::string> expected = {"nccreate", "create Popup"};
    EXPECT_EQ(expected, pWnd->m_log);

    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndTest, AFailedCreationReportsFailureAndStillEndsTheObject)
{
    bool bDeleted = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDeleted, true);
    EXPECT_FALSE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "Popup", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    EXPECT_TRUE(bDeleted);
}

// Throws while its window is being created.
class CThrowingCreateWnd : public CWnd
{
public:
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        AfxThrowNotSupportedException();
    }
    virtual void PostNcDestroy() { m_bEnded = true; }
    bool m_bEnded = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingCreateWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WndTest, AnExceptionDuringCreationIsReportedAndFailsTheCreation)
{
    CRecordingApp app;
    CThrowingCreateWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Popup", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_TRUE(wnd.m_bEnded);
    ASSERT_EQ(1u, app.m_messages.size());
    EXPECT_EQ("The operation failed because of an unexpected error.", app.m_messages[0]);
}

TEST(WndTest, DestroyWindowOnASelfDeletingObjectLeavesItAlone)
{
    bool bDeleted = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "Popup", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    EXPECT_TRUE(pWnd->DestroyWindow()); // must not touch the object afterwards
    EXPECT_TRUE(bDeleted);
}

TEST(WndTest, ATemporaryWrapperServesAHandleWithoutAnObject)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "raw", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE((CWnd*)NULL, pTemp);
    EXPECT_EQ(hWnd, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)); // the same wrapper within the message
    CString text;
    pTemp->GetWindowText(text);
    EXPECT_STREQ("raw", text);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hWnd)); // freeing the wrapper leaves the window
    ::DestroyWindow(hWnd);
}

TEST(WndTest, ASecondObjectAttachedToAWindowOnlyWrapsItForAWhile)
{
    bool bDeleted = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    {
        CWnd wrapper;
        EXPECT_TRUE(wrapper.Attach(hWnd));
        EXPECT_EQ(hWnd, wrapper.m_hWnd);
        EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
        EXPECT_EQ(hWnd, wrapper.Detach());
    }
    // the window's own object still gets its messages
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
}

TEST(WndTest, AWindowIsSubclassedByOneObjectOnly)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "raw", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CStatic first, second;
    EXPECT_TRUE(first.SubclassWindow(hWnd));
    EXPECT_FALSE(second.SubclassWindow(hWnd));
    EXPECT_EQ(NULL, second.m_hWnd);
    EXPECT_EQ(&first, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(NULL, first.m_hWnd);
}

// A modeless dialog that does its work while the caller pumps messages.
class CWorkDialog : public CDialog
{
public:
    afx_msg void OnWork() { ++m_nWorkClicks; }
    virtual void OnCancel()
    {
        ++m_nCancels;
        CDialog::OnCancel();
    }

    int m_nWorkClicks = 0;
    int m_nCancels = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWorkDialog, CDialog)
    ON_BN_CLICKED(IDC_WORK, OnWork)
END_MESSAGE_MAP()

// Pumps the thread's messages one at a time, as a long piece of work does
// between its steps, until the condition holds (or the limit ends a hang).
template <class Condition>
bool PumpUntil(Condition done)
{
    CWinThread* pThread = AfxGetThread();
    DWORD dwStart = ::GetTickCount();
    MSG msg;
    while (!done())
    {
        if (::GetTickCount() - dwStart > PumpLimit)
            return false;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!pThread->PumpMessage())
                return false;
        }
        ::Sleep(1); // a step of the work
    }
    return true;
}

TEST(WndTest, AModelessDialogRunsFromTheCallersPump)
{
    CDialogTemplate t(L"Working", WS_POPUP | WS_CAPTION | WS_VISIBLE);
    t.Add(CDialogTemplate::BUTTON, L"Work", IDC_WORK, BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 14);
    t.Add(CDialogTemplate::EDIT, L"", IDC_FIELD, WS_BORDER | WS_TABSTOP, 10, 30, 60, 12);
    CWorkDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));

    HWND hWndButton = ::GetDlgItem(dlg.m_hWnd, IDC_WORK);
    ::PostMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_WORK, BN_CLICKED), (LPARAM)hWndButton);
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_nWorkClicks == 1; }));

    // Escape typed into the dialog's edit is pre-translated into the
    // dialog's Cancel; a modeless dialog is only hidden by it.
    ::PostMessageA(::GetDlgItem(dlg.m_hWnd, IDC_FIELD), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_nCancels == 1; }));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

// Pre-translation walks the parents: the dialog's own filter sees the keys of
// its controls first.
class CFilteringDialog : public CWorkDialog
{
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE)
        {
            ++m_nDeletesSeen;
            return TRUE;
        }
        return CWorkDialog::PreTranslateMessage(pMsg);
    }
    int m_nDeletesSeen = 0;
};

TEST(WndTest, PreTranslationOffersMessagesToTheParentsOfTheirWindow)
{
    CDialogTemplate t(L"Filter", WS_POPUP | WS_CAPTION);
    t.Add(CDialogTemplate::EDIT, L"", IDC_FIELD, WS_BORDER | WS_TABSTOP, 10, 30, 60, 12);
    CFilteringDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    MSG msg = {};
    msg.hwnd = ::GetDlgItem(dlg.m_hWnd, IDC_FIELD);
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_DELETE;
    EXPECT_TRUE(AfxGetThread()->PreTranslateMessage(&msg));
    EXPECT_EQ(1, dlg.m_nDeletesSeen);
    // other keys go on to the dialog-message step, which takes them
    msg.wParam = 'A';
    EXPECT_TRUE(AfxGetThread()->PreTranslateMessage(&msg));
    EXPECT_EQ(1, dlg.m_nDeletesSeen);
    // a window of no framework object is left alone
    HWND hWndRaw = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    msg.hwnd = hWndRaw;
    EXPECT_FALSE(AfxGetThread()->PreTranslateMessage(&msg));
    ::DestroyWindow(hWndRaw);
    dlg.DestroyWindow();
}

TEST(WndTest, TheCurrentMessageIsTheOneBeingDispatched)
{
    struct CProbe : public CWnd
    {
        virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_USER + 7)
            {
                const MSG* pMsg = GetCurrentMessage();
                m_bSeen = pMsg->message == message && pMsg->wParam == 3 && pMsg->lParam == 4 && pMsg->hwnd == m_hWnd;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
        bool m_bSeen = false;
    } probe;
    ASSERT_TRUE(probe.CreateEx(0, AfxRegisterWndClass(0), "Probe", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    probe.SendMessage(WM_USER + 7, 3, 4);
    EXPECT_TRUE(probe.m_bSeen);
    probe.DestroyWindow();
}
} // namespace
