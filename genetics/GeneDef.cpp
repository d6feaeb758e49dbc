#include "genetics/GeneDef.h"

#include "foundation/values/NumberText.h"
#include "genetics/GeneticsSection.h"

CGeneDef::CGeneDef()
{
    Reset();
}

CGeneDef::CGeneDef(const CGeneDef& other)
{
    *this = other;
}

CGeneDef& CGeneDef::operator=(const CGeneDef& other)
{
    if (&other == this)
        return *this;
    m_nGene = other.m_nGene;
    m_symbolCodes.Copy(other.m_symbolCodes);
    m_nNextGene = other.m_nNextGene;
    m_dFemaleCrossover = other.m_dFemaleCrossover;
    m_dMaleCrossover = other.m_dMaleCrossover;
    m_bLinkedTo = other.m_bLinkedTo;
    m_nSexLinkage = other.m_nSexLinkage;
    m_bPolygene = other.m_bPolygene;
    m_nPlaces = other.m_nPlaces;
    m_dStep = other.m_dStep;
    m_dDefault = other.m_dDefault;
    m_bSecondDefault = other.m_bSecondDefault;
    m_dSecondDefault = other.m_dSecondDefault;
    m_boundaries.Copy(other.m_boundaries);
    return *this;
}

CGeneDef::~CGeneDef()
{
}

void CGeneDef::Reset()
{
    m_nGene = 0;
    m_symbolCodes.RemoveAll();
    m_nNextGene = 0;
    m_dFemaleCrossover = 0.0;
    m_dMaleCrossover = 0.0;
    m_bLinkedTo = FALSE;
    m_nSexLinkage = SEXLINK_NONE;
    m_bPolygene = 0;
    m_nPlaces = 0;
    m_dStep = 1.0;
    m_dDefault = 0.0;
    m_bSecondDefault = 0;
    m_dSecondDefault = 0.0;
    m_boundaries.RemoveAll();
}

void CGeneDef::GetRangeBounds(int k, double& lower, double& upper) const
{
    lower = m_boundaries[k];
    upper = m_boundaries[k + 1];
    if (k < GetRangeCount() - 1)
        upper -= m_dStep;
}

double CGeneDef::GetRangeMidpoint(int k) const
{
    return (m_boundaries[k] + m_boundaries[k + 1]) / 2.0;
}

CString CGeneDef::ParseArguments(CGeneticsSection* section, const CString& text)
{
    return m_bPolygene ? ParsePolygene(section, text) : ParseDiscrete(section, text);
}

CString CGeneDef::FormatDistribution(const CGeneticsSection* section) const
{
    if (m_bPolygene)
        return DoubleToString(m_bSecondDefault ? m_dSecondDefault : m_dDefault, 0);
    CString text;
    for (int i = 0; i < m_symbolCodes.GetSize(); i++)
    {
        if (i > 0)
            text += ' ';
        const UINT code = m_symbolCodes[i];
        text += section->GetSymbolName(code) + "=" + FormatPercent(section->GetSymbolShare(code), 2);
    }
    return text;
}

CString FormatPercent(double share, int places)
{
    CString text;
    text.Format("%.*f%%", places, share * 100.0);
    while (text.GetLength() < 7)
        text += ' ';
    return text;
}
