#include "application/selection/GenSelPhenotype.h"

#include "application/selection/GenSelInfoFields.h"

IMPLEMENT_DYNAMIC(CGenSelPhenotype, CGenSelItem)

CMyCmdTarget* CGenSelPhenotype::Clone() const
{
    CGenSelPhenotype* copy = new CGenSelPhenotype;
    copy->CopyItem(*this);
    return copy;
}

int CGenSelPhenotype::AddField(CGeneticsSection*, CFieldList& list, int, const CGenotype&, CDWordArray&,
                               const CString& groupText)
{
    return AddGenSelInfoField(list, INFO_PHENOTYPE, m_nStyle, m_strGroup.IsEmpty() ? groupText : m_strGroup);
}
