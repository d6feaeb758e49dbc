#include "application/selection/SelectGenotypeDlg.h"

#include "application/selection/GenSelTab.h"
#include "genetics/GeneticsSection.h"

IMPLEMENT_DYNAMIC(CSelectGenotypeDlg, CFieldFormDlg)

CSelectGenotypeDlg::CSelectGenotypeDlg(CWnd* parent) : CFieldFormDlg(parent), m_nSex(0), m_pRules(NULL), m_pGenes(NULL)
{
    m_page.m_pWorking = &m_genotype;
    m_page.m_pRemainder = &m_remainder;
}

INT_PTR CSelectGenotypeDlg::DoModal()
{
    m_remainder = m_genotype;
    return CFieldFormDlg::DoModal();
}

BOOL CSelectGenotypeDlg::OnInitDialog()
{
    // Only the first element after a tab receives the tab's group text.
    CString group;
    for (int i = 0; i < m_pRules->m_selectionElements.GetSize(); i++)
    {
        CGenSelElement* element = (CGenSelElement*)m_pRules->m_selectionElements[i];
        if (CGenSelTab* tab = DYNAMIC_DOWNCAST(CGenSelTab, element))
        {
            group = tab->m_strGroup;
            continue;
        }
        m_page.AddElement(m_fieldList, m_pGenes, m_pRules, m_nSex, element, group);
        group.Empty();
    }
    m_page.AddInfoFields(m_fieldList);
    const BOOL result = CFieldFormDlg::OnInitDialog();
    if (m_bInitialised)
    {
        m_page.CollectChoices(m_fieldList, m_pGenes);
        m_page.UpdateInfoTexts(m_fieldList, m_pGenes, m_pRules, m_nSex);
    }
    return result;
}

void CSelectGenotypeDlg::OnOK()
{
    if (m_page.CheckOtherValues(m_fieldList, m_pGenes) && m_page.CheckForSex(m_pRules, m_nSex))
        CFieldFormDlg::OnOK();
}

void CSelectGenotypeDlg::OnFieldChanged(int index)
{
    m_page.RunFieldChange(m_fieldList, m_pGenes, m_pRules, m_nSex, index, this);
}
