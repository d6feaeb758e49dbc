#include "application/selection/SelectGenotypeRequest.h"

#include "application/selection/GenSelTab.h"
#include "application/selection/SelectGenotypeDlg.h"
#include "application/selection/SelectGenotypeSheet.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsSection.h"

CSelectGenotypeRequest::CSelectGenotypeRequest(int sex, CGeneticsSection* rules, CGeneticsSection* genes, CWnd* owner)
    : m_nSex(sex), m_pRules(rules), m_pGenes(genes), m_title(ExpandTerms("Select ~Genotype~")), m_pOwner(owner)
{
}

namespace
{
// Runs the dialog or sheet on a copy of the genotype, which comes back on OK.
template <class Window>
int RunWindow(CSelectGenotypeRequest& request, Window& window)
{
    window.m_nSex = request.m_nSex;
    window.m_pRules = request.m_pRules;
    window.m_pGenes = request.m_pGenes;
    window.m_genotype = request.m_genotype;
    if (window.DoModal() != IDOK)
        return 0;
    request.m_genotype = window.m_genotype;
    return 1;
}
} // namespace

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
        else if (element->AppliesTo(m_pRules, m_nSex) && (!current.IsEmpty() || groups.GetSize() == 0))
        {
            // Fields after an unlabelled first tab make the group "General".
            groups.Add(current.IsEmpty() ? CString("General") : current);
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
    // Several groups: a sheet with a page for each.
    if (groups.GetSize() > 1)
    {
        CSelectGenotypeSheet sheet(m_title, m_pOwner);
        return RunWindow(*this, sheet);
    }
    CSelectGenotypeDlg dialog(m_pOwner);
    dialog.SetTitle("%s", (LPCTSTR)m_title);
    return RunWindow(*this, dialog);
}
