#include "framework/dialogs/ZoomEditDlg.h"
#include "framework/dialogs/ZoomEditIds.h"
#include "framework/windows/ControlPlacement.h"
#include "foundation/system/WindowsVersionCode.h"

IMPLEMENT_DYNAMIC(CZoomEditDlg, CMyDialog)

CZoomEditDlg::CZoomEditDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
}

void CZoomEditDlg::SetText(LPCTSTR text)
{
    m_text = text != NULL ? text : "";
    m_result = m_text;
}

void CZoomEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZOOM_EDIT, m_edit);
    DDX_Text(pDX, IDC_ZOOM_EDIT, m_text);
    if (pDX->m_bSaveAndValidate)
        m_result = m_text;
}

BOOL CZoomEditDlg::OnInitDialog()
{
    // The font goes in before the text: the edit lays a long text out again
    // for every font change, which takes seconds for tens of thousands of
    // characters.
    if (m_font != NULL)
        SendDlgItemMessage(IDC_ZOOM_EDIT, WM_SETFONT, (WPARAM)m_font->GetSafeHandle(), TRUE);
    CMyDialog::OnInitDialog();
    // The box grows with the dialog; the buttons keep to its bottom-right
    // corner and the small button to its bottom edge.
    m_layout.AddControl(IDC_ZOOM_EDIT, PLACE_RIGHT_MOVE | PLACE_BOTTOM_MOVE);
    for (UINT id : {IDOK, IDCANCEL})
        m_layout.AddControl(id, PLACE_LEFT_MOVE | PLACE_RIGHT_MOVE | PLACE_TOP_MOVE | PLACE_BOTTOM_MOVE);
    m_layout.AddControl(IDC_SMALL_FONT_BUTTON1, PLACE_TOP_MOVE | PLACE_BOTTOM_MOVE);
    // A style bit set after creation does not make an edit read-only: the
    // control has to be told.
    if (m_readOnly)
        m_edit.SendMessage(EM_SETREADONLY, TRUE);
    m_edit.SendMessage(EM_LIMITTEXT, GetMaxEditTextLength());
    m_edit.SetFocus();
    m_edit.SendMessage(EM_SETSEL, (WPARAM)-1, (LPARAM)-1);
    m_edit.SendMessage(EM_SCROLLCARET);
    return FALSE;
}
