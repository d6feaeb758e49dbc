#include "application/selection/SelectGenotypeSheet.h"

#include "application/selection/GenSelTab.h"
#include "application/selection/SelectGenotypePage.h"
#include "genetics/GeneticsSection.h"

IMPLEMENT_DYNAMIC(CSelectGenotypeSheet, CFieldFormSheet)

CSelectGenotypeSheet::CSelectGenotypeSheet(LPCTSTR caption, CWnd* parent)
    : CFieldFormSheet(caption, parent), m_nSex(0), m_pRules(NULL), m_pGenes(NULL)
{
}

CFieldFormPage* CSelectGenotypeSheet::CreatePage(UINT templateId)
{
    return new CSelectGenotypePage(templateId);
}

CSelectGenotypePage* CSelectGenotypeSheet::StartPage(const CString& title)
{
    CSelectGenotypePage* page = (CSelectGenotypePage*)AddNewPage();
    page->m_strTitle = title;
    page->m_nSex = m_nSex;
    page->m_pRules = m_pRules;
    page->m_pGenes = m_pGenes;
    page->m_page.m_pOwnerSheet = this;
    page->m_page.m_pWorking = &m_genotype;
    page->m_page.m_pRemainder = &m_remainder;
    page->m_page.m_pChangedGenes = &m_changedGenes;
    page->m_page.m_pSheetCoveredGenes = &m_coveredGenes;
    return page;
}

void CSelectGenotypeSheet::AddPages()
{
    CString pageName = "General", baseName = "General", group = "Genes", pendingGroup = "Genes";
    CSelectGenotypePage* page = NULL;
    int fieldsOnPage = 0, continuation = 0;
    for (int i = 0; i < m_pRules->m_selectionElements.GetSize(); i++)
    {
        CGenSelElement* element = (CGenSelElement*)m_pRules->m_selectionElements[i];
        if (CGenSelTab* tab = DYNAMIC_DOWNCAST(CGenSelTab, element))
        {
            // A tab without a label adds its elements to the page before it,
            // whose continuations keep that page's name.
            pageName = tab->m_strLabel;
            pendingGroup = tab->m_strGroup;
            if (!tab->m_strLabel.IsEmpty())
            {
                baseName = tab->m_strLabel;
                continuation = 0;
            }
            continue;
        }
        if (!element->AppliesTo(m_pRules, m_nSex))
            continue;
        // No page yet (an unlabelled tab came first): the element starts one
        // under the base name.
        if (page == NULL && pageName.IsEmpty())
            pageName = baseName;
        if (page != NULL && fieldsOnPage == FieldsPerPage)
        {
            continuation++;
            pageName = baseName;
        }
        if (!pageName.IsEmpty())
        {
            group = pendingGroup;
            if (page != NULL)
                page->m_page.AddInfoFields(page->m_fieldList);
            CString title = pageName;
            if (continuation != 0)
                title.Format("%s %d", (LPCTSTR)pageName, continuation + 1);
            page = StartPage(title);
            pageName.Empty();
            fieldsOnPage = 0;
        }
        page->m_page.AddElement(page->m_fieldList, m_pGenes, m_pRules, m_nSex, element, group);
        group.Empty();
        fieldsOnPage++;
    }
    if (page != NULL)
        page->m_page.AddInfoFields(page->m_fieldList);
}

INT_PTR CSelectGenotypeSheet::DoModal()
{
    m_remainder = m_genotype;
    m_coveredGenes.RemoveAll();
    AddPages();
    return CFieldFormSheet::DoModal();
}
