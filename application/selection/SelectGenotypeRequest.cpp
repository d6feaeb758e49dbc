#include "application/selection/SelectGenotypeRequest.h"

#include "application/selection/GenSelTab.h"
#include "application/selection/SelectGenotypeDlg.h"
#include "framework/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsSection.h"

CSelectGenotypeRequest::CSelectGenotypeRequest(int sex, CGeneticsSection* rules, CGeneticsSection* genes, CWnd* owner)
    : m_nSex(sex), m_pRules(rules), m_pGenes(genes), m_title(ExpandTerms("Select ~Genotype~")), m_pOwner(owner)
{
}

CStringArray& CSelectGenotypeRequest::CountGroups(CStringArray& groups) const
{
    // Each group counts once, when its first applying element is met.
    CString current = "General";
    groups.RemoveAll();
    for (int i = 0; i < m_pRules->m_selectionElements.GetSize(); i++)
    {
        CGenSelElement* element = (CGenSelElement*)m_pRules->m_selectionElements[i];
        if (CGenSelTab* tab = DYNAMIC_DOWNCAST(CGenSelTab, element))
            current = tab->m_strLabel;
        else if (element->AppliesTo(m_pRules, m_nSex) && !current.IsEmpty())
        {
            groups.Add(current);
            current.Empty();
        }
    }
    return groups;
}

int CSelectGenotypeRequest::Run()
{
    CStringArray groups;
    if (CountGroups(groups).GetSize() == 0)
    {
        ShowInformation(NULL, 0, "%s",
                        (LPCTSTR)(ExpandTerms("The current genetics configuration does not allow for the ~genotype~ "
                                              "of ~aanimal~ to be chosen using the 'Select ~Genotype~' button. "
                                              "Instead, you must manually enter the ~genotype~ in the box(es) "
                                              "supplied.") +
                                  ExpandTerms("\n\nNOTE: Depending on your version of ~AppName~, you may be able to "
                                              "select an appropriate standard genetics configuration. To see the "
                                              "available configurations, select Genetics from the Configure menu "
                                              "and then click the 'Choose A Standard Configuration' button.")));
        return 0;
    }
    // Until the sheet of pages exists, several groups share one dialog, each
    // group headed by its tab's group text.
    CSelectGenotypeDlg dialog(m_pOwner);
    dialog.SetTitle("%s", (LPCTSTR)m_title);
    dialog.m_nSex = m_nSex;
    dialog.m_pRules = m_pRules;
    dialog.m_pGenes = m_pGenes;
    dialog.m_genotype = m_genotype;
    if (dialog.DoModal() != IDOK)
        return 0;
    m_genotype = dialog.m_genotype;
    return 1;
}
