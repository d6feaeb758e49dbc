#include "application/selection/GenSelAssumedAlleles.h"

#include "application/selection/GenSelInfoFields.h"

IMPLEMENT_DYNAMIC(CGenSelAssumedAlleles, CGenSelItem)

CMyCmdTarget* CGenSelAssumedAlleles::Clone() const
{
    CGenSelAssumedAlleles* copy = new CGenSelAssumedAlleles;
    copy->CopyItem(*this);
    return copy;
}

int CGenSelAssumedAlleles::AddField(CGeneticsSection*, CFieldList& list, int, const CGenotype&, CDWordArray&,
                                    const CString& groupText)
{
    return AddGenSelInfoField(list, INFO_ASSUMED_ALLELES, m_nStyle, m_strGroup.IsEmpty() ? groupText : m_strGroup);
}
