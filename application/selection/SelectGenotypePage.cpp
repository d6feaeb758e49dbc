#include "application/selection/SelectGenotypePage.h"

IMPLEMENT_DYNAMIC(CSelectGenotypePage, CFieldFormPage)

CSelectGenotypePage::CSelectGenotypePage(UINT templateId)
    : CFieldFormPage(templateId), m_nSex(0), m_pRules(NULL), m_pGenes(NULL)
{
}

BOOL CSelectGenotypePage::OnSetActive()
{
    if (!CFieldFormPage::OnSetActive())
        return FALSE;
    // The other pages may have changed the genotype meanwhile.
    m_page.CatchUpWithChanges(m_fieldList, m_pGenes);
    m_page.CollectChoices(m_fieldList, m_pGenes);
    m_page.UpdateInfoTexts(m_fieldList, m_pGenes, m_pRules, m_nSex);
    return TRUE;
}

BOOL CSelectGenotypePage::OnApply()
{
    // Every page holds the same working genotype: the first that is asked checks
    // it; each checks the other values typed on it.
    return m_page.CheckOtherValues(m_fieldList, m_pGenes) && m_page.CheckForSex(m_pRules, m_nSex) &&
           CFieldFormPage::OnApply();
}

void CSelectGenotypePage::OnFieldChanged(int index)
{
    m_page.RunFieldChange(m_fieldList, m_pGenes, m_pRules, m_nSex, index, this);
}
