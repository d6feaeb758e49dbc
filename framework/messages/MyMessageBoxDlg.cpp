#include "framework/messages/MyMessageBoxDlg.h"

#include "foundation/windows/DialogExchange.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/WindowGeometry.h"
#include "foundation/windows/WindowSize.h"
#include "framework/app/FrameworkApp.h"
#include "framework/messages/MessageBoxButtons.h"
#include "framework/messages/MessageBoxIds.h"
#include "framework/messages/MessagePrintDlg.h"

#include <algorithm>

using std::max;
using std::min;

IMPLEMENT_DYNAMIC(CMyMessageBoxDlg, CPrintableDlg)

BEGIN_MESSAGE_MAP(CMyMessageBoxDlg, CPrintableDlg)
    ON_COMMAND(IDC_MSGBOX_PRINT_INFO, OnPrintInfo)
END_MESSAGE_MAP()

namespace
{
    // Buttons that save the data and end the box with their own id.
    const UINT endingButtons[] = {IDC_MSGBOX_OK_TO_ALL, IDYES, IDC_MSGBOX_YES_TO_ALL, IDNO,
                                  IDC_MSGBOX_NO_TO_ALL, IDRETRY, IDC_MSGBOX_RETRY_ALL, IDABORT,
                                  IDC_MSGBOX_ABORT_ALL, IDIGNORE, IDC_MSGBOX_IGNORE_ALL};

    // How the box's items follow its growth: 1 move right, 2 widen, 4 move
    // down, 8 heighten.
    struct Growth
    {
        UINT id;
        UINT flags;
    };
    const Growth growthTable[] = {
        {IDC_MSGBOX_TEXT, 0x0A}, {IDCANCEL, 0x05}, {IDOK, 0x05}, {IDC_MSGBOX_OK_TO_ALL, 0x05}, {IDYES, 0x05},
        {IDC_MSGBOX_YES_TO_ALL, 0x05}, {IDNO, 0x05}, {IDC_MSGBOX_NO_TO_ALL, 0x05}, {IDRETRY, 0x05},
        {IDC_MSGBOX_RETRY_ALL, 0x05}, {IDABORT, 0x05}, {IDC_MSGBOX_ABORT_ALL, 0x05}, {IDIGNORE, 0x05},
        {IDC_MSGBOX_IGNORE_ALL, 0x05}, {IDC_MSGBOX_PRINT_INFO, 0x05}, {IDC_MSGBOX_SEPARATOR, 0x06},
        {IDC_MSGBOX_DONT_SHOW, 0x04},
    };

    int MeasureTextHeight(HDC dc, const CString& text, int width)
    {
        RECT rect = {0, 0, width, 0};
        ::DrawTextA(dc, text, text.GetLength(), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return rect.bottom - rect.top;
    }
}

CMyMessageBoxDlg::CMyMessageBoxDlg(CWnd* parent, LPCTSTR text, LPCTSTR title, UINT flags, UINT option,
                                   UINT customIconId, int show)
    : CPrintableDlg(show >= 0 ? IDD_MESSAGE_BOX_PROMPT : IDD_MESSAGE_BOX, parent), m_show(show), m_flags(flags),
      m_option(option), m_text(text != NULL ? text : "")
{
    m_printButtonId = 0;
    m_boxTitle = title != NULL ? title : "";
    CWinApp* app = AfxGetApp();
    if (m_boxTitle.IsEmpty() && app != NULL && app->m_pszAppName != NULL)
        m_boxTitle = app->m_pszAppName;
    HINSTANCE instance;
    LPCTSTR iconName;
    GetIcon(flags, customIconId, instance, iconName);
    m_icon.Set(IDC_MSGBOX_ICON, instance, iconName);
    m_helpContextId = 0;
    m_noHelp = TRUE;
}

void CMyMessageBoxDlg::DoDataExchange(CDataExchange* pDX)
{
    CPrintableDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MSGBOX_TEXT, m_textStatic);
    if (m_show >= 0)
        DDX_CheckInverted(pDX, IDC_MSGBOX_DONT_SHOW, m_show);
}

BOOL CMyMessageBoxDlg::OnInitDialog()
{
    CPrintableDlg::OnInitDialog();
    SetWindowText(m_boxTitle);

    MsgBoxButtonSet set = GetButtonSet(m_flags, m_option);
    int count = set.Count();
    m_answer = GetDefaultAnswer(m_flags, m_option);

    CFrameworkApp* app = GetFrameworkApp();
    HFONT font = app != NULL && app->m_defaultGuiFont != NULL ? app->m_defaultGuiFont
                                                              : (HFONT)SendMessage(WM_GETFONT);
    int rowWidth = CreateButtons(set.buttons, count, font);

    m_cancelAnswer = set.cancelAnswer;
    SetDefID(m_answer);

    m_textStatic.SendMessage(WM_SETFONT, (WPARAM)font, FALSE);
    m_textStatic.SetWindowText(m_text);
    if (m_show >= 0)
    {
        CString dontShow;
        dontShow.LoadString(GetDontShowText(m_flags, m_option));
        SetDlgItemText(IDC_MSGBOX_DONT_SHOW, dontShow);
    }
    SizeToText(rowWidth, font);
    // the focus activates the box: everything is in place by then
    if (CWnd* defaultButton = GetDlgItem(m_answer))
        GotoDlgCtrl(defaultButton);
    CenterWindow();
    BringWindowToTop();
    return FALSE;
}

int CMyMessageBoxDlg::CreateButtons(const UINT* buttons, int count, HFONT font)
{
    CWnd* modelCancel = GetDlgItem(IDC_MSGBOX_MODEL_CANCEL);
    CWnd* modelOk = GetDlgItem(IDC_MSGBOX_MODEL_OK);
    if (modelCancel == NULL || modelOk == NULL)
        return 0;
    CRect cancelRect = GetWindowRectInParent(modelCancel);
    CRect okRect = GetWindowRectInParent(modelOk);
    int width = cancelRect.Width();
    int height = cancelRect.Height();
    int gap = (okRect.right - cancelRect.right) - width;
    int total = count * width + (count - 1) * gap;
    int x = okRect.right - total;
    int top = cancelRect.top;
    modelCancel->DestroyWindow();
    modelOk->DestroyWindow();

    HWND previous = ::GetDlgItem(m_hWnd, IDC_MSGBOX_TEXT);
    for (int i = 0; i < count; i++, x += width + gap)
    {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_CENTER | BS_VCENTER;
        if (buttons[i] == m_answer)
            style |= BS_DEFPUSHBUTTON;
        CString caption = GetButtonCaption(buttons[i]);
        HWND button = ::CreateWindowExA(0, "BUTTON", caption, style, x, top, width, height, m_hWnd,
                                        (HMENU)(UINT_PTR)buttons[i], AfxGetInstanceHandle(), NULL);
        if (button == NULL)
            continue;
        ::SetWindowPos(button, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::SendMessageA(button, WM_SETFONT, (WPARAM)font, FALSE);
        previous = button;
    }
    return total;
}

void CMyMessageBoxDlg::SizeToText(int rowWidth, HFONT font)
{
    CSize staticSize = GetClientSize(&m_textStatic);
    int w0 = max(rowWidth, (int)staticSize.cx);
    int w = w0;
    int h = 0;
    {
        CScreenMemoryDC dc;
        if (dc == NULL)
            return;
        CSelectedObject selectedFont(dc, font);
        int maxWidth = GetDesktopWorkArea().Width() * 9 / 10;
        // Widen in tenths of the limit until the text is at most three times
        // as wide as it is high.
        for (; w < maxWidth; w += max(maxWidth / 10, 1))
        {
            h = MeasureTextHeight(dc, m_text, w);
            if (h < 1 || (double)w / (double)h > 3.0)
                break;
        }
        w = min(w, maxWidth);
        w = max(w, (int)staticSize.cx);
        h = MeasureTextHeight(dc, m_text, w);
    }

    if (h <= 0 || (h <= staticSize.cy && w <= staticSize.cx))
        return;
    int dx = max(w, (int)staticSize.cx) - staticSize.cx;
    int dy = max(h, (int)staticSize.cy) - staticSize.cy;
    for (const Growth& g : growthTable)
    {
        CWnd* item = GetDlgItem(g.id);
        if (item == NULL)
            continue;
        CRect rect = GetWindowRectInParent(item);
        if (g.flags & 1)
            rect.OffsetRect(dx, 0);
        else if (g.flags & 2)
            rect.right += dx;
        if (g.flags & 4)
            rect.OffsetRect(0, dy);
        else if (g.flags & 8)
            rect.bottom += dy;
        item->MoveWindow(&rect, FALSE);
    }
    CRect window;
    GetWindowRect(&window);
    MoveWindow(window.left, window.top, window.Width() + dx, window.Height() + dy, TRUE);
}

BOOL CMyMessageBoxDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED || lParam == 0)
    {
        for (UINT ending : endingButtons)
        {
            if (ending != id)
                continue;
            if (UpdateData(TRUE))
                EndDialog((int)id);
            return TRUE;
        }
    }
    return CPrintableDlg::OnCommand(wParam, lParam);
}

void CMyMessageBoxDlg::OnCancel()
{
    if (m_cancelAnswer != 0)
        EndDialog((int)m_cancelAnswer);
}

void CMyMessageBoxDlg::OnPrintInfo()
{
    CMessagePrintDlg printDlg(this);
    printDlg.SetTitle("%s", (LPCTSTR)GetTitle());
    printDlg.SetText(m_text);
    printDlg.DoModal();
}
