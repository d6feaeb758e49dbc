#include "application/selection/FieldFormSheet.h"

#include "application/selection/FieldFormDlg.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldFormPage.h"
#include "framework/app/SharedFonts.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFieldFormSheet, CMyPropertySheet)

CFieldFormSheet::CFieldFormSheet(LPCTSTR caption, CWnd* parent, UINT firstPage)
    : CMyPropertySheet(caption, parent, firstPage), m_nPagesCreated(0)
{
}

CFieldFormSheet::~CFieldFormSheet()
{
    // The pages go after the sheet's window, last first.
    if (m_hWnd != NULL)
        DestroyWindow();
    while (!m_ownedPages.empty())
        m_ownedPages.pop_back();
}

CFieldFormPage* CFieldFormSheet::AddNewPage()
{
    // All page templates are alike: pages past the last template share it.
    const int slot = std::min(m_nPagesCreated, IDD_FIELD_PAGE_COUNT - 1);
    m_nPagesCreated++;
    m_ownedPages.emplace_back(CreatePage(IDD_FIELD_PAGE_FIRST + slot));
    CFieldFormPage* page = m_ownedPages.back().get();
    AddPage(page);
    return page;
}

CFieldFormPage* CFieldFormSheet::CreatePage(UINT templateId)
{
    return new CFieldFormPage(templateId);
}

CFieldFormPage* CFieldFormSheet::GetFormPage(int index) const
{
    return (CFieldFormPage*)GetPage(index);
}

INT_PTR CFieldFormSheet::DoModal()
{
    CWnd* owner = m_pParentWnd;
    const BOOL disableOwner = owner != NULL && owner->IsWindowEnabled();
    if (disableOwner)
        owner->EnableWindow(FALSE);
    {
        CFieldFormDlg measuring(NULL);
        measuring.m_pMeasuringSheet = this;
        for (int i = 0; i < GetPageCount(); i++)
        {
            GetFormPage(i)->m_fieldList.m_pHost = &measuring;
            GetFormPage(i)->m_fieldList.m_pToolTip = NULL;
        }
        measuring.DoModal();
        m_largestPageWidth = m_largestPageHeight = 0;
        for (int i = 0; i < GetPageCount(); i++)
        {
            CFieldList& list = GetFormPage(i)->m_fieldList;
            m_largestPageWidth = std::max(m_largestPageWidth, list.m_nFormWidth);
            m_largestPageHeight = std::max(m_largestPageHeight, list.m_nFormHeight);
            list.m_pHost = GetFormPage(i);
        }
        m_sizeToPages = TRUE;
    }
    if (disableOwner)
    {
        owner->EnableWindow(TRUE);
        owner->SetActiveWindow();
    }
    return CMyPropertySheet::DoModal();
}

BOOL CFieldFormSheet::OnInitDialog()
{
    const BOOL result = CMyPropertySheet::OnInitDialog();
    CTabCtrl* tabs = GetTabControl();
    if (tabs == NULL)
        return result;
    if (GuiFont.GetSafeHandle() != NULL)
        tabs->SendMessage(WM_SETFONT, (WPARAM)GuiFont.GetSafeHandle(), FALSE);
    for (int i = 0; i < GetPageCount(); i++)
    {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (LPSTR)(LPCTSTR)GetFormPage(i)->m_strTitle;
        tabs->SendMessage(TCM_SETITEMA, i, (LPARAM)&item);
    }
    return result;
}
