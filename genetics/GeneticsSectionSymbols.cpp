// The symbol table of a section and the checks of alleles against the sexes.
#include "genetics/GeneticsSection.h"

#include "genetics/DecimalCompare.h"

static const CString NoneSymbol("!");
static const CString QuestionSymbol("?");
static const CString DashSymbol("-");

CString CGeneticsSection::LookupSymbol(const CString& name, UINT flags, UINT& code) const
{
    if (name.IsEmpty())
        return "empty allele or range symbol name";
    if (name.GetLength() == 1)
    {
        const char c = name[0];
        if (c == '-' && (flags & SYMBOL_DASH_IS_ANY))
        {
            code = ALLELE_ANY;
            return CString();
        }
        if (c == '!' && (flags & SYMBOL_BANG_IS_NONE))
        {
            code = ALLELE_NONE;
            return CString();
        }
        if ((c == '?' || c == '-') && (flags & SYMBOL_UNKNOWN))
        {
            code = ALLELE_UNKNOWN;
            return CString();
        }
    }
    if (m_symbolIndex.Lookup(name, code))
        return CString();
    CString error;
    error.Format("unknown allele or range symbol '%s'", (LPCTSTR)name);
    return error;
}

CString CGeneticsSection::AddSymbol(const CString& name, UINT gene, double share, UINT& code)
{
    CString error;
    if (name.IsEmpty())
        return "empty allele or range symbol name";
    if (!IsValidName(name))
    {
        error.Format("'%s' is not a valid name for an allele or range symbol", (LPCTSTR)name);
        return error;
    }
    UINT existing;
    if (m_symbolIndex.Lookup(name, existing))
    {
        error.Format("allele or range symbol '%s' already defined", (LPCTSTR)name);
        return error;
    }
    code = (UINT)m_symbolNames.GetSize();
    // The codes from ALLELE_NONE on stand for "!", "?" and "-": a symbol
    // given one of them would be read as such.
    if (code >= ALLELE_NONE)
    {
        error.Format("too many allele and range symbols, at most %u may be defined", ALLELE_NONE - 1);
        return error;
    }
    m_symbolNames.Add(name);
    m_symbolDescriptions.Add(CString());
    m_symbolGenes.Add(gene);
    m_symbolShares.Add(share);
    AddToIndex(m_symbolIndex, name, code);
    return error;
}

BOOL CGeneticsSection::SplitPairWord(const CString& word, CString& first, CString& second) const
{
    const UINT flags = SYMBOL_BANG_IS_NONE | SYMBOL_UNKNOWN;
    for (int pos = 1; pos < word.GetLength(); pos++)
    {
        UINT left, right;
        const CString leftText = word.Left(pos);
        if (!LookupSymbol(leftText, flags, left).IsEmpty())
            continue;
        const CString rightText = word.Mid(pos);
        if (!LookupSymbol(rightText, flags, right).IsEmpty())
            continue;
        if (!IsRealAllele(left) || !IsRealAllele(right) || GetSymbolGene(left) == GetSymbolGene(right))
        {
            first = leftText;
            second = rightText;
            return TRUE;
        }
    }
    return FALSE;
}

const CString& CGeneticsSection::GetSymbolName(UINT code, UINT flags) const
{
    if (code == ALLELE_NONE)
        return NoneSymbol;
    if (code == ALLELE_UNKNOWN)
        return (flags & SYMBOLNAME_QUESTION_MARK) ? QuestionSymbol : DashSymbol;
    if (code == ALLELE_ANY)
        return DashSymbol;
    if (code >= (UINT)m_symbolNames.GetSize())
        return m_symbolNames[0];
    return m_symbolNames[code];
}

const CString& CGeneticsSection::GetSymbolDescription(UINT code) const
{
    if (code >= (UINT)m_symbolDescriptions.GetSize())
        return m_symbolDescriptions[0];
    return m_symbolDescriptions[code];
}

UINT CGeneticsSection::GetSymbolGene(UINT code) const
{
    return code < (UINT)m_symbolGenes.GetSize() ? m_symbolGenes[code] : 0;
}

double CGeneticsSection::GetSymbolShare(UINT code) const
{
    return code < (UINT)m_symbolShares.GetSize() ? m_symbolShares[code] : 0.0;
}

BOOL CGeneticsSection::IsHeterogametic(int sex) const
{
    return sex == GetHeterogameticSex();
}

static const char* SideWord(int side)
{
    return side == 0 ? "maternal" : "paternal";
}

CString CGeneticsSection::CheckAlleleForSex(UINT code, int sex, int side, UINT& gene) const
{
    CString error;
    const UINT owner = GetSymbolGene(code);
    const CGeneDef* def = GetGeneDef(owner);
    if (def == NULL)
        return "invalid allele";
    if (def->IsPolygene())
        return "allele name is the same as a polygenic range symbol";
    const CString& name = GetSymbolName(code);
    if (sex != SEX_FEMALE && sex != SEX_MALE)
        sex = SEX_EITHER;
    if (sex != SEX_EITHER && def->m_nSexLinkage == SEXLINK_SHARED && IsHeterogametic(sex))
    {
        const int allowedSide = m_nSexSystem == SEXSYSTEM_XY ? 0 : 1;
        if (side != allowedSide)
        {
            error.Format("allele '%s' cannot be %s in the heterogametic sex", (LPCTSTR)name, SideWord(side));
            return error;
        }
    }
    else if (sex != SEX_EITHER && def->m_nSexLinkage == SEXLINK_UNSHARED)
    {
        if (!IsHeterogametic(sex))
        {
            error.Format("allele '%s' cannot be present in the homogametic sex", (LPCTSTR)name);
            return error;
        }
        const int allowedSide = m_nSexSystem == SEXSYSTEM_XY ? 1 : 0;
        if (side != allowedSide)
        {
            error.Format("allele '%s' can only be %s", (LPCTSTR)name, SideWord(allowedSide));
            return error;
        }
    }
    gene = owner;
    return error;
}

BOOL CGeneticsSection::CanCarryAllele(UINT gene, int sex, int side) const
{
    const CGeneDef* def = GetGeneDef(gene);
    if (def == NULL)
        return FALSE;
    const int heterogametic = GetHeterogameticSex();
    if (sex != SEX_FEMALE)
        sex = SEX_MALE;
    switch (def->m_nSexLinkage)
    {
    case SEXLINK_NONE:
        return TRUE;
    case SEXLINK_SHARED:
        return sex != heterogametic || side == (m_nSexSystem == SEXSYSTEM_XY ? 0 : 1);
    case SEXLINK_UNSHARED:
        return sex == heterogametic && side == (m_nSexSystem == SEXSYSTEM_XY ? 1 : 0);
    default:
        return FALSE;
    }
}

CString CGeneticsSection::CheckRangeSymbol(UINT code, UINT& gene) const
{
    const UINT owner = GetSymbolGene(code);
    const CGeneDef* def = GetGeneDef(owner);
    if (def == NULL)
        return "invalid range symbol";
    if (!def->IsPolygene())
        return "range symbol is the same as an allele name of a discrete (non-polygenic) gene";
    gene = owner;
    return CString();
}

BOOL CGeneticsSection::FindPairDescription(const CAllelePair& pair, CString& text, int& sex) const
{
    for (int i = 0; i < m_describedPairs.GetSize(); i++)
    {
        if (m_describedPairs[i].IsEqual(pair))
        {
            text = m_describedTexts[i];
            sex = (int)m_describedSexes[i];
            return TRUE;
        }
    }
    text.Empty();
    sex = SEX_EITHER;
    return FALSE;
}
