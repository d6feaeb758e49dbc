#include "framework/dialogs/MyPropertyPage.h"

#include "framework/controls/DefaultButtonLook.h"

#include "foundation/windows/OwnerWindow.h"
#include "framework/dialogs/DialogRunner.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/dialogs/MyPropertySheet.h"
#include "framework/menus/MyMenu.h"
#include "framework/windows/MyWnd.h"

IMPLEMENT_DYNAMIC(CMyPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CMyPropertyPage, CPropertyPage)
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_WM_CLOSE()
    ON_WM_ERASEBKGND()
    ON_WM_HELPINFO()
    ON_WM_MENUCHAR()
    ON_MESSAGE(DM_SETDEFID, OnSetDefId)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CMyPropertyPage::CMyPropertyPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId)
{
    m_colouredControls.m_owner = this;
    m_icon.m_owner = this;
    m_layout.m_owner = this;
    m_pictures.m_owner = this;
}

CMyPropertyPage::~CMyPropertyPage()
{
}

void CMyPropertyPage::UpdateControls()
{
    UpdateDialogControls(this, FALSE);
}

BOOL CMyPropertyPage::CanGoBack()
{
    if (m_ownerSheet == NULL || m_ownerSheet->m_sequences.empty())
        return m_hasBack;
    return !(m_ownerSheet->m_sequences.back().next < 2 && m_ownerSheet->m_sequences.size() == 1);
}

BOOL CMyPropertyPage::CanGoNext()
{
    if (m_ownerSheet == NULL || m_ownerSheet->m_sequences.empty())
        return m_hasNext;
    if (m_alwaysNext)
        return TRUE;
    for (auto it = m_ownerSheet->m_sequences.rbegin(); it != m_ownerSheet->m_sequences.rend(); ++it)
    {
        if (it->next < (int)it->pages.size())
            return TRUE;
    }
    return FALSE;
}

BOOL CMyPropertyPage::ValidateForMove()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_validated = TRUE;
    return TRUE;
}

BOOL CMyPropertyPage::OnInitDialog()
{
    m_toolTip.m_parent = this;
    m_toolTip.EnsureCreated();
    m_pToolTip = &m_toolTip;
    BOOL result = CPropertyPage::OnInitDialog();
    m_layout.RecordInitialSize();
    m_icon.Load();
    return result;
}

BOOL CMyPropertyPage::OnSetActive()
{
    if (m_ownerSheet != NULL)
        m_ownerSheet->m_currentPage = this;
    if (m_linkedPage != NULL)
    {
        m_inSetActive = TRUE;
        CMyPropertySheet* linkedSheet = m_linkedPage->m_ownerSheet;
        if (linkedSheet != NULL && linkedSheet->GetSafeHwnd() != NULL && !m_linkedPage->m_inSetActive)
            linkedSheet->SetActivePage(m_linkedPage);
        m_inSetActive = FALSE;
    }
    BOOL result = CPropertyPage::OnSetActive();
    if (m_ownerSheet != NULL && m_ownerSheet->IsWizard())
        m_ownerSheet->UpdateWizardButtons(this);
    return result;
}

BOOL CMyPropertyPage::OnKillActive()
{
    if (m_linkedPage != NULL && !m_linkedPage->m_inKillActive)
    {
        CMyPropertySheet* linkedSheet = m_linkedPage->m_ownerSheet;
        if (linkedSheet != NULL && linkedSheet->GetSafeHwnd() != NULL)
        {
            m_inKillActive = TRUE;
            CPropertyPage* active = linkedSheet->GetActivePage();
            BOOL agreed = active == NULL || active->OnKillActive();
            m_inKillActive = FALSE;
            if (!agreed)
                return FALSE;
        }
    }
    if (m_validated)
    {
        m_validated = FALSE;
        return TRUE;
    }
    return CPropertyPage::OnKillActive();
}

BOOL CMyPropertyPage::OnApply()
{
    if (!CPropertyPage::OnApply())
        return FALSE;
    CWnd* sheet = GetParent();
    return sheet == NULL || sheet->UpdateData(TRUE);
}

BOOL CMyPropertyPage::OnWizardFinish()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CPropertyPage::OnWizardFinish();
}

LRESULT CMyPropertyPage::OnWizardNext()
{
    if (m_ownerSheet == NULL)
        return CPropertyPage::OnWizardNext();
    return m_ownerSheet->GetNextPage(this);
}

LRESULT CMyPropertyPage::OnWizardBack()
{
    if (m_ownerSheet == NULL)
        return CPropertyPage::OnWizardBack();
    return m_ownerSheet->GetPreviousPage(this);
}

BOOL TranslateEscapeInMultiLineEdit(CWnd* page, const MSG* msg)
{
    if (msg->message != WM_KEYDOWN || (msg->wParam != VK_ESCAPE && msg->wParam != VK_CANCEL))
        return FALSE;
    char className[16] = "";
    ::GetClassNameA(msg->hwnd, className, sizeof(className));
    if (_stricmp(className, "Edit") != 0 || (::GetWindowLongA(msg->hwnd, GWL_STYLE) & ES_MULTILINE) == 0)
        return FALSE;
    HWND cancel = ::GetDlgItem(page->GetSafeHwnd(), IDCANCEL);
    if (cancel != NULL && !::IsWindowEnabled(cancel))
        return FALSE;
    CWnd* owner = FindOwnerFrameOrDialog(page);
    if (owner != NULL)
        owner->SendMessage(WM_COMMAND, IDCANCEL);
    return TRUE;
}

BOOL CMyPropertyPage::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != NULL)
        m_toolTip.RelayEvent(msg);
    if (TranslateEscapeInMultiLineEdit(this, msg) || TranslateHelpKey(msg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(msg);
}

BOOL CMyPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_toolTipText.Answer((NMHDR*)lParam, [this](UINT id, CWnd* wnd) { return GetToolTipText(id, wnd); }))
    {
        *pResult = 0;
        return TRUE;
    }
    return CPropertyPage::OnNotify(wParam, lParam, pResult);
}

void CMyPropertyPage::OnSize(UINT, int, int)
{
    Default();
    m_layout.Apply();
}

HBRUSH CMyPropertyPage::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor)
{
    HBRUSH brush = (HBRUSH)Default();
    HBRUSH coloured = m_colouredControls.OnCtlColor(dc, control, ctlColor);
    return coloured != NULL ? coloured : brush;
}

LRESULT CMyPropertyPage::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    if (HandleCommandHelp(m_noHelp, m_helpContextId))
        return TRUE;
    return CPropertyPage::OnCommandHelp(wParam, lParam);
}

LRESULT CMyPropertyPage::OnKickIdle(WPARAM, LPARAM)
{
    UpdateControls();
    return 0;
}

void CMyPropertyPage::OnClose()
{
    if (CWnd* sheet = GetParent())
        sheet->PostMessage(WM_CLOSE);
    Default();
}

BOOL CMyPropertyPage::OnEraseBkgnd(CDC* dc)
{
    if (!m_pictures.DrawBackground(dc))
        Default();
    return TRUE;
}

BOOL CMyPropertyPage::OnHelpInfo(HELPINFO* info)
{
    if (ContextHelpDepth != 0 && m_toolTip.GetSafeHwnd() != NULL)
        return m_toolTip.OnContextHelp(info);
    return (BOOL)Default();
}

LRESULT CMyPropertyPage::OnSetDefId(WPARAM wParam, LPARAM lParam)
{
    return SetDefaultButtonLook(this, [this] { return Default(); });
}

LRESULT CMyPropertyPage::OnMenuChar(UINT character, UINT flags, CMenu* menu)
{
    return AnswerMenuChar(this, character, flags, menu);
}
