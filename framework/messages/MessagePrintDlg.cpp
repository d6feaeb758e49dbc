#include "framework/messages/MessagePrintDlg.h"

#include "foundation/text/LineBreaks.h"
#include "framework/messages/CommandObject.h"

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

namespace
{
    // Prints the message and closes the dialog; an empty message has nothing
    // to print, and the dialog then stays until the user closes it.
    class CPrintMessageCommand : public CCommandObject
    {
    public:
        explicit CPrintMessageCommand(CMessagePrintDlg* dialog)
            : CCommandObject(dialog, ID_PRINT_MESSAGE), m_dialog(dialog)
        {
        }
        BOOL IsEnabled() override { return CCommandObject::IsEnabled() && !m_dialog->m_printText.IsEmpty(); }
        int Execute() override
        {
            m_dialog->Print();
            m_dialog->EndDialog(IDOK);
            return 1;
        }

    private:
        CMessagePrintDlg* m_dialog;
    };
}

void CMessagePrintDlg::OnPrintMessage()
{
    CPrintMessageCommand(this).Run();
}

void CMessagePrintDlg::OnUpdatePrintMessage(CCmdUI* cmdUI)
{
    CPrintMessageCommand(this).UpdateCmdUI(cmdUI);
}
