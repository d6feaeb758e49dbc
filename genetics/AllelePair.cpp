#include "genetics/AllelePair.h"

#include "genetics/DecimalCompare.h"
#include "genetics/GeneticsSection.h"

#include <math.h>

void CAllelePair::InitPolygene(UINT gene, int places)
{
    m_nGene = gene;
    m_nAllele1 = 0;
    m_nAllele2 = 0;
    m_nFlags = ((UINT)places << PAIR_PLACES_SHIFT) | PAIR_PARSED | PAIR_POLY_VALUE;
    m_dValue = 0.0;
    m_dUpper = 0.0;
}

void CAllelePair::SetValue(double value)
{
    m_nFlags = (m_nFlags & ~(PAIR_POLY_VALUE | PAIR_POLY_RANGE)) | PAIR_POLY_VALUE;
    m_dValue = value;
}

void CAllelePair::SetRange(double lower, double upper)
{
    m_nFlags = (m_nFlags & ~(PAIR_POLY_VALUE | PAIR_POLY_RANGE)) | PAIR_POLY_RANGE;
    m_dValue = lower;
    m_dUpper = upper;
}

BOOL CAllelePair::MatchAllele(const CAllelePair& other, int slot, UINT mode) const
{
    const UINT mine = slot == 0 ? m_nAllele1 : m_nAllele2;
    const UINT theirs = slot == 0 ? other.m_nAllele1 : other.m_nAllele2;
    if (mine == theirs)
        return TRUE;
    if ((mode & MATCH_PATTERN_UNKNOWN) && mine == ALLELE_UNKNOWN && IsRealAllele(theirs))
        return TRUE;
    if ((mode & MATCH_OTHER_UNKNOWN) && theirs == ALLELE_UNKNOWN && IsRealAllele(mine))
        return TRUE;
    if ((mode & MATCH_ANY) && (mine == ALLELE_ANY || theirs == ALLELE_ANY))
        return TRUE;
    return FALSE;
}

// x is well above y: x >= y by at least the tolerance.
static bool WellAbove(double x, double y, double tolerance)
{
    return x >= y && x - y >= tolerance;
}

BOOL CAllelePair::MatchPolygene(const CAllelePair& other, UINT mode) const
{
    const int places = GetPlaces();
    const double tolerance = GetDecimalTolerance(places);
    if (mode & MATCH_POLY_MIDPOINT)
        return fabs(GetMidpoint() - other.GetMidpoint()) < tolerance;

    if (!IsRange())
    {
        const double v = m_dValue;
        if (!other.IsRange())
            return fabs(v - other.m_dValue) < tolerance;
        return !(WellAbove(other.m_dValue, v, tolerance) || WellAbove(v, other.m_dUpper, tolerance));
    }
    if (!other.IsRange())
    {
        const double w = other.m_dValue;
        return !(WellAbove(m_dValue, w, tolerance) || WellAbove(w, m_dUpper, tolerance));
    }
    const double plo = m_dValue, phi = m_dUpper, olo = other.m_dValue, ohi = other.m_dUpper;
    if (!WellAbove(plo, olo, tolerance) && !WellAbove(olo, phi, tolerance))
        return TRUE;
    if (WellAbove(olo, plo, tolerance) || WellAbove(plo, ohi, tolerance))
        return FALSE;
    return TRUE;
}

BOOL CAllelePair::IsEqual(const CAllelePair& other) const
{
    if (m_nGene != other.m_nGene || m_nAllele1 != other.m_nAllele1 || m_nAllele2 != other.m_nAllele2 ||
        m_nFlags != other.m_nFlags)
        return FALSE;
    if (!IsPolygene())
        return TRUE;
    const int places = GetPlaces();
    if (!ApproxEqual(m_dValue, other.m_dValue, places))
        return FALSE;
    return !IsRange() || ApproxEqual(m_dUpper, other.m_dUpper, places);
}

static CString FormatNumber(double value, int places)
{
    CString text;
    text.Format("%.*f", places < 0 ? 0 : places, value);
    return text;
}

CString CAllelePair::Format(const CGeneticsSection* section, UINT mode) const
{
    if (!IsPolygene())
    {
        const UINT nameFlags = (mode & FORMAT_UNKNOWN_AS_QUESTION) ? SYMBOLNAME_QUESTION_MARK : 0;
        CString text;
        int written = 0;
        const UINT alleles[2] = {m_nAllele1, m_nAllele2};
        for (UINT allele : alleles)
        {
            if (allele == ALLELE_NONE && !(mode & FORMAT_SHOW_NONE))
                continue;
            if (written++ > 0 && section->IsCommaNeeded(m_nGene))
                text += ',';
            text += section->GetSymbolName(allele, nameFlags);
        }
        return text;
    }

    const CGeneDef* gene = section->GetGeneDef(m_nGene);
    const int places = gene ? gene->m_nPlaces : GetPlaces();
    CString prefix;
    if (!(mode & FORMAT_NO_GENE_NAME))
        prefix = section->GetGeneName(m_nGene) + "=";

    if (IsRange() && !(mode & FORMAT_RANGE_AS_MIDPOINT))
    {
        if (gene && !(mode & FORMAT_NO_RANGE_SYMBOLS))
        {
            for (int k = 0; k < gene->GetRangeCount(); k++)
            {
                double lower, upper;
                gene->GetRangeBounds(k, lower, upper);
                if (ApproxEqual(lower, m_dValue, places) && ApproxEqual(upper, m_dUpper, places))
                    return section->GetSymbolName(gene->m_symbolCodes[k]);
            }
        }
        return prefix + FormatNumber(m_dValue, places) + "-" + FormatNumber(m_dUpper, places);
    }

    const double value = GetMidpoint();
    if (gene && !(mode & FORMAT_NO_RANGE_SYMBOLS))
    {
        for (int k = 0; k < gene->GetRangeCount(); k++)
        {
            if (ApproxEqual(gene->GetRangeMidpoint(k), value, places))
                return section->GetSymbolName(gene->m_symbolCodes[k]);
        }
    }
    return prefix + FormatNumber(value, places);
}
