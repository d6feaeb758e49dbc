#include "application/selection/SelectionElements.h"

#include "application/selection/GenSelAssumedAlleles.h"
#include "application/selection/GenSelButton.h"
#include "application/selection/GenSelGenes.h"
#include "application/selection/GenSelGenotype.h"
#include "application/selection/GenSelMenu.h"
#include "application/selection/GenSelPhenotype.h"
#include "application/selection/GenSelTab.h"

#include <memory>

namespace
{
CGenSelElement* NewElement(const CString& type)
{
    if (type.CompareNoCase("genes") == 0)
        return new CGenSelGenes;
    if (type.CompareNoCase("button") == 0)
        return new CGenSelButton;
    if (type.CompareNoCase("menu") == 0)
        return new CGenSelMenu;
    if (type.CompareNoCase("genotype") == 0)
        return new CGenSelGenotype;
    if (type.CompareNoCase("phenotype") == 0)
        return new CGenSelPhenotype;
    if (type.CompareNoCase("assumedalleles") == 0)
        return new CGenSelAssumedAlleles;
    if (type.CompareNoCase("tab") == 0)
        return new CGenSelTab;
    return NULL;
}
}

CMyCmdTarget* CreateSelectionElement(const CString& type, CGeneticsSection* section, CStringArray& options,
                                     CString& error)
{
    std::unique_ptr<CGenSelElement> element(NewElement(type));
    if (element == NULL)
        return NULL;
    element->ParseOptions(error, section, options);
    if (error.IsEmpty() && element->IsKindOf(RUNTIME_CLASS(CGenSelItem)) &&
        !((CGenSelItem*)element.get())->m_strLeftoverFlags.IsEmpty())
        error.Format("unknown flag characters: '%s'", (LPCTSTR)((CGenSelItem*)element.get())->m_strLeftoverFlags);
    if (!error.IsEmpty())
        return NULL;
    return element.release();
}
