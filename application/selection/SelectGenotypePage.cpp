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
    m_page.CollectChoices(m_fieldList, m_pGenes);
    m_page.UpdateInfoTexts(m_fieldList, m_pGenes, m_pRules, m_nSex);
    return TRUE;
}

void CSelectGenotypePage::OnFieldChanged(int index)
{
    m_page.RunFieldChange(m_fieldList, m_pGenes, m_pRules, m_nSex, index, this);
}
