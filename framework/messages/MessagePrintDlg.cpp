#include "framework/messages/MessagePrintDlg.h"

#include "foundation/text/LineBreaks.h"

IMPLEMENT_DYNAMIC(CMessagePrintDlg, CPrintableDlg)

BEGIN_MESSAGE_MAP(CMessagePrintDlg, CPrintableDlg)
    ON_COMMAND(ID_PRINT_MESSAGE, OnPrintMessage)
    ON_UPDATE_COMMAND_UI(ID_PRINT_MESSAGE, OnUpdatePrintMessage)
END_MESSAGE_MAP()

CMessagePrintDlg::CMessagePrintDlg(CWnd* messageBox) : CPrintableDlg(IDD_MESSAGE_PRINT, messageBox)
{
    m_printButtonId = 0;
}

void CMessagePrintDlg::SetText(const CString& text)
{
    m_printText.Empty();
    if (!text.IsEmpty())
        ConvertLfToCrLf(&m_printText, text);
}

BOOL CMessagePrintDlg::OnInitDialog()
{
    BOOL result = CPrintableDlg::OnInitDialog();
    PostMessage(WM_COMMAND, ID_PRINT_MESSAGE);
    return result;
}

CString CMessagePrintDlg::GetPrintTitle()
{
    if (m_useOwnPrintTitle)
        return m_printTitle;
    CString caption;
    GetWindowText(caption);
    return caption;
}

void CMessagePrintDlg::OnPrintMessage()
{
    // An empty message has nothing to print; the dialog stays until closed.
    if (!CanPrint())
        return;
    Print();
    EndDialog(IDOK);
}

void CMessagePrintDlg::OnUpdatePrintMessage(CCmdUI* cmdUI)
{
    cmdUI->Enable(CanPrint());
}
