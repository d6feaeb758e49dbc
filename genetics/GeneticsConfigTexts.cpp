#include "foundation/text/TextReflow.h"
#include "genetics/GeneticsConfig.h"

CString CGeneticsConfig::GetDescription() const
{
    return ReflowParagraphs(m_strDescription);
}

CString CGeneticsConfig::GetNotes() const
{
    return ReflowParagraphs(m_strNotes);
}

CString CGeneticsConfig::GetVersion() const
{
    return ReflowParagraphs(m_strVersion);
}
