#include "application/viewer/TextViewerDlg.h"

#include "application/app/AppGlobals.h"
#include "application/viewer/TextViewerIds.h"
#include "foundation/windows/Clipboard.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/text/TextReflow.h"
#include "framework/messages/CommandObject.h"

namespace
{
// Copy and Print act on a non-empty text.
class CViewerCommand : public CCommandObject
{
public:
    CViewerCommand(CTextViewerDlg* dialog, UINT id) : CCommandObject(dialog, id), m_dialog(dialog) {}
    BOOL IsEnabled() override { return CCommandObject::IsEnabled() && !m_dialog->GetText().IsEmpty(); }

protected:
    CTextViewerDlg* m_dialog;
};

class CViewerCopyCommand : public CViewerCommand
{
public:
    explicit CViewerCopyCommand(CTextViewerDlg* dialog) : CViewerCommand(dialog, IDC_VIEWER_COPY) {}
    int Execute() override
    {
        CopyTextToClipboard(m_dialog->GetSafeHwnd(), m_dialog->GetText());
        return 1;
    }
};

class CViewerPrintCommand : public CViewerCommand
{
public:
    explicit CViewerPrintCommand(CTextViewerDlg* dialog) : CViewerCommand(dialog, IDC_VIEWER_PRINT) {}
    int Execute() override { return m_dialog->Print(); }
};

// The shared label of a viewer's OK button.
const char CloseButtonText[] = "&Close";
}  // namespace

BEGIN_MESSAGE_MAP(CTextViewerDlg, CPrintableDlg)
    ON_COMMAND(IDC_VIEWER_YES, OnYes)
    ON_COMMAND(IDC_VIEWER_NO, OnNo)
    ON_COMMAND(IDC_VIEWER_COPY, OnCopy)
    ON_UPDATE_COMMAND_UI(IDC_VIEWER_COPY, OnUpdateCopy)
    ON_COMMAND(IDC_VIEWER_PRINT, OnPrint)
    ON_UPDATE_COMMAND_UI(IDC_VIEWER_PRINT, OnUpdatePrint)
END_MESSAGE_MAP()

UINT CTextViewerDlg::ChooseTemplate(DWORD flags)
{
    const BOOL wide = (flags & VIEWER_WIDE) != 0;
    if (flags & (VIEWER_OK_STYLE | VIEWER_CLOSE_BUTTON))
        return wide ? IDD_TEXT_VIEWER_WIDE : IDD_TEXT_VIEWER;
    return wide ? IDD_TEXT_VIEWER_QUESTION_WIDE : IDD_TEXT_VIEWER_QUESTION;
}

CTextViewerDlg::CTextViewerDlg(DWORD flags, CWnd* parent, UINT templateId)
    : CPrintableDlg(templateId != 0 ? templateId : ChooseTemplate(flags), parent),
      m_flags(flags),
      m_printTitleSet(FALSE)
{
    m_printButtonId = IDC_VIEWER_PRINT;
}

void CTextViewerDlg::SetHeading(LPCTSTR heading)
{
    m_heading = heading != NULL ? heading : "";
    if (m_textCtrl.GetSafeHwnd() != NULL)
        SetDlgItemText(IDC_VIEWER_HEADING, m_heading);
}

void CTextViewerDlg::SetText(LPCTSTR text)
{
    m_text = text != NULL ? text : "";
    if (m_textCtrl.GetSafeHwnd() != NULL)
        ShowText();
}

void CTextViewerDlg::ShowText()
{
    if (!(m_flags & VIEWER_FIT_LINES))
    {
        m_textCtrl.SetWindowText(m_text);
        return;
    }
    // The edit control wraps a long line in time that grows with the square
    // of its length; lines that fit already cost it no more than their length.
    CRect area;
    m_textCtrl.GetRect(&area);
    HDC dc = ::GetDC(m_textCtrl.GetSafeHwnd());
    CString fitted;
    {
        CSelectedObject font(dc, (HGDIOBJ)m_textCtrl.SendMessage(WM_GETFONT));
        fitted = WrapLinesToWidth(dc, m_text, area.Width() - 2);
    }
    ::ReleaseDC(m_textCtrl.GetSafeHwnd(), dc);
    m_textCtrl.SetWindowText(fitted);
}

CString CTextViewerDlg::GetPrintHeader1()
{
    return m_printTitleSet ? m_printTitle : CString(GetTitle());
}

void CTextViewerDlg::DoDataExchange(CDataExchange* pDX)
{
    CPrintableDlg::DoDataExchange(pDX);
    if (m_textCtrl.GetSafeHwnd() == NULL)
        DDX_Control(pDX, IDC_VIEWER_TEXT, m_textCtrl);
    if (!pDX->m_bSaveAndValidate)
    {
        ShowText();
        if (!m_heading.IsEmpty())
            SetDlgItemText(IDC_VIEWER_HEADING, m_heading);
    }
}

BOOL CTextViewerDlg::OnInitDialog()
{
    CWnd* copy = GetDlgItem(IDC_VIEWER_COPY);
    if (copy != NULL && (m_flags & VIEWER_NO_COPY))
    {
        copy->EnableWindow(FALSE);
        copy->ShowWindow(SW_HIDE);
    }
    BOOL result = CPrintableDlg::OnInitDialog();

    CWnd* heading = GetDlgItem(IDC_VIEWER_HEADING);
    if (m_heading.IsEmpty() && heading != NULL)
    {
        // No heading: the text starts where the heading was. On the question
        // templates the heading stands below the text, which keeps its place.
        CRect headingRect, textRect;
        heading->GetWindowRect(&headingRect);
        m_textCtrl.GetWindowRect(&textRect);
        ScreenToClient(&headingRect);
        ScreenToClient(&textRect);
        if (headingRect.top < textRect.top)
            m_textCtrl.SetWindowPos(NULL, textRect.left, headingRect.top, textRect.Width(),
                                    textRect.bottom - headingRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (m_lpszTemplateName == MAKEINTRESOURCE(IDD_TEXT_VIEWER_QUESTION))
    {
        const UINT defaultId = (m_flags & VIEWER_YES_IS_DEFAULT) ? IDC_VIEWER_YES : IDC_VIEWER_NO;
        SendMessage(DM_SETDEFID, defaultId);
        GetDlgItem(defaultId)->SetFocus();
        result = FALSE;
    }
    if (m_lpszTemplateName == MAKEINTRESOURCE(IDD_TEXT_VIEWER) ||
        m_lpszTemplateName == MAKEINTRESOURCE(IDD_TEXT_VIEWER_WIDE))
    {
        // The reader starts at the top of the text, with the focus on the
        // button that closes the viewer (a focused edit would select it all).
        m_textCtrl.SetSel(0, 0);
        GotoDlgCtrl(GetDlgItem(IDOK));
        result = FALSE;
    }
    if (m_flags & VIEWER_FIXED_FONT)
        m_textCtrl.SetFont(&FixedGuiFont, TRUE);
    if (m_flags & VIEWER_CLOSE_BUTTON)
        SetDlgItemText(IDOK, CloseButtonText);
    return result;
}

void CTextViewerDlg::OnOK()
{
    EndDialog((m_flags & VIEWER_YES_IS_DEFAULT) ? IDYES : IDNO);
}

void CTextViewerDlg::OnCancel()
{
    m_cancelled = TRUE;
    EndDialog(IDNO);
}

void CTextViewerDlg::OnYes()
{
    EndDialog(IDYES);
}

void CTextViewerDlg::OnNo()
{
    EndDialog(IDNO);
}

void CTextViewerDlg::OnCopy()
{
    CViewerCopyCommand(this).Run();
}

void CTextViewerDlg::OnUpdateCopy(CCmdUI* pCmdUI)
{
    CViewerCopyCommand(this).UpdateCmdUI(pCmdUI);
}

void CTextViewerDlg::OnPrint()
{
    CViewerPrintCommand(this).Run();
}

void CTextViewerDlg::OnUpdatePrint(CCmdUI* pCmdUI)
{
    CViewerPrintCommand(this).UpdateCmdUI(pCmdUI);
}
