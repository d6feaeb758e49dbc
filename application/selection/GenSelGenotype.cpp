#include "application/selection/GenSelGenotype.h"

#include "application/selection/GenSelInfoFields.h"

IMPLEMENT_DYNAMIC(CGenSelGenotype, CGenSelItem)

CMyCmdTarget* CGenSelGenotype::Clone() const
{
    CGenSelGenotype* copy = new CGenSelGenotype;
    copy->CopyItem(*this);
    return copy;
}

int CGenSelGenotype::AddField(CGeneticsSection*, CFieldList& list, int, const CGenotype&, CDWordArray&,
                              const CString& groupText)
{
    return AddGenSelInfoField(list, INFO_GENOTYPE, m_nStyle, m_strGroup.IsEmpty() ? groupText : m_strGroup);
}
