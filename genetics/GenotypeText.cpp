// Genotype texts: whole genotypes, allele pairs and polygene values.
#include "genetics/Genotype.h"

#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "genetics/DecimalCompare.h"
#include "genetics/GeneticsSection.h"

static const char* SexWord(int sex)
{
    return sex == SEX_FEMALE ? "female" : "male";
}

static const char* SexWordPlural(int sex)
{
    return sex == SEX_FEMALE ? "females" : "males";
}

static const char* SideWord(int side)
{
    return side == 0 ? "maternal" : "paternal";
}

static BOOL IsKnownSex(int sex)
{
    return sex == SEX_FEMALE || sex == SEX_MALE;
}

// The slot (0 maternal, 1 paternal) of the single allele of a sex-linked gene
// in the heterogametic sex.
static int SingleAlleleSlot(const CGeneticsSection* section, UINT sexLinkage)
{
    const BOOL xy = section->m_nSexSystem == SEXSYSTEM_XY;
    if (sexLinkage == SEXLINK_SHARED)
        return xy ? 0 : 1;
    return xy ? 1 : 0;
}

// "maternal allele W - check" or "paternal allele W - check".
static CString SideAlleleError(int side, const CString& word, const CString& check)
{
    CString error;
    error.Format("%s allele %s - %s", SideWord(side), (LPCTSTR)word, (LPCTSTR)check);
    return error;
}

static CString LoneAlleleError(const CString& allele, const CString& geneName, int sex)
{
    CString error;
    error.Format("only one allele '%s' for the '%s' gene present, yet this individual is known to be %s and %s "
                 "should have 2 alleles for this gene",
                 (LPCTSTR)allele, (LPCTSTR)geneName, SexWord(sex), SexWordPlural(sex));
    return error;
}

void CAllelePair::SetAlleles(UINT gene, UINT maternal, UINT paternal)
{
    m_nGene = gene;
    m_nAllele1 = maternal;
    m_nAllele2 = paternal;
    m_nFlags = PAIR_PARSED;
    m_dValue = m_dUpper = 0.0;
}

CString CAllelePair::ParseSingleAllele(const CGeneticsSection* section, const CString& word, UINT code, int sex,
                                       UINT flags, int* outSex, CStringArray* messages)
{
    CString error;
    const UINT gene = section->GetSymbolGene(code);
    const CGeneDef* def = section->GetGeneDef(gene);
    const CString& name = section->GetSymbolName(code);
    if (def == NULL || def->IsPolygene())
    {
        error.Format("allele '%s' is a polygenic range symbol", (LPCTSTR)name);
        return error;
    }
    const CString& geneName = section->GetGeneName(gene);
    if (def->m_nSexLinkage == SEXLINK_NONE)
    {
        error.Format("only one allele '%s' for the '%s' gene present, yet this gene is not sex linked",
                     (LPCTSTR)name, (LPCTSTR)geneName);
        return error;
    }
    if (!IsKnownSex(sex) || section->IsHeterogametic(sex))
    {
        const int slot = SingleAlleleSlot(section, def->m_nSexLinkage);
        SetAlleles(gene, slot == 0 ? code : ALLELE_NONE, slot == 0 ? ALLELE_NONE : code);
        if (outSex != NULL)
            *outSex = section->GetHeterogameticSex();
        return error;
    }
    if (def->m_nSexLinkage == SEXLINK_SHARED)
    {
        error = LoneAlleleError(name, geneName, sex);
        if (!(flags & PARSE_COLLECT))
            return error;
        // Collecting: take the individual as homozygous and go on.
        messages->Add(error);
        return Parse(section, word + "," + word, sex, flags, outSex, messages);
    }
    error.Format("allele '%s' for the '%s' gene present, yet this individual is known to be %s, and %s are "
                 "homogametic and cannot carry this gene",
                 (LPCTSTR)name, (LPCTSTR)geneName, SexWord(sex), SexWordPlural(sex));
    return error;
}

namespace
{
// A pair text of two allele words (maternal, paternal) on its way to a pair:
// the words, their codes and the genes of the real alleles (0 for none).
struct CPairText
{
    CPairText(const CGeneticsSection* section, int sex, UINT flags, CStringArray* messages)
        : section(section), sex(sex), flags(flags), messages(messages), codes{0, 0}, genes{0, 0}
    {
    }

    const CGeneticsSection* section;
    int sex;
    UINT flags;
    CStringArray* messages;
    CStringArray words;
    UINT codes[2];
    UINT genes[2];

    // In collect mode a fault is noted and parsing goes on: TRUE then.
    BOOL Collect(const CString& error) const
    {
        if (!(flags & PARSE_COLLECT))
            return FALSE;
        messages->Add(error);
        return TRUE;
    }
};

// The words of the pair text: two comma-separated words, or one word that
// splits into two alleles, or a lone allele symbol (one word; its code in
// loneCode). The error text when the text is none of these.
CString SplitAlleleWords(const CGeneticsSection* section, const CString& text, CStringArray& words, UINT& loneCode)
{
    TokenizeText(text, words, ',', TOKENIZE_TRIM, -1, '(', ')');
    CString error;
    if (words.GetSize() < 1 || words.GetSize() > 2)
    {
        error.Format("allele pair '%s' must have 2 alleles given (possibly 1 for sex linked genes)", (LPCTSTR)text);
        return error;
    }
    if (words.GetSize() == 2)
        return error;
    error = section->LookupSymbol(words[0], 0, loneCode);
    if (error.IsEmpty())
        return error;
    CString first, second;
    if (!section->SplitPairWord(words[0], first, second))
        return error;
    words.SetAt(0, first);
    words.Add(second);
    return CString();
}

// Looks up both words; a real allele must stand where the sex may carry it
// (in collect mode one that does not is dropped).
CString LookUpAlleles(CPairText& pair)
{
    const UINT lookupFlags =
        SYMBOL_BANG_IS_NONE | SYMBOL_UNKNOWN | ((pair.flags & PARSE_ALLOW_ANY) ? SYMBOL_DASH_IS_ANY : 0);
    for (int side = 0; side < 2; side++)
    {
        pair.genes[side] = 0;
        const CString error = pair.section->LookupSymbol(pair.words[side], lookupFlags, pair.codes[side]);
        if (!error.IsEmpty())
            return error;
        if (!IsRealAllele(pair.codes[side]))
            continue;
        const CString check = pair.section->CheckAlleleForSex(pair.codes[side], pair.sex, side, pair.genes[side]);
        if (check.IsEmpty())
            continue;
        const CString sideError = SideAlleleError(side, pair.words[side], check);
        if (!pair.Collect(sideError))
            return sideError;
        pair.codes[side] = ALLELE_NONE;
        pair.genes[side] = 0;
    }
    return CString();
}

// The one gene of the pair's real alleles.
CString IdentifyGene(const CPairText& pair, UINT& gene)
{
    if (pair.genes[0] == 0 && pair.genes[1] == 0)
        return "cannot identify gene";
    if (pair.genes[0] != 0 && pair.genes[1] != 0 && pair.genes[0] != pair.genes[1])
        return "alleles not from same gene";
    gene = pair.genes[0] != 0 ? pair.genes[0] : pair.genes[1];
    return CString();
}

// With one side missing the other allele must be of a sex-linked gene that
// the sex may hold alone; only the heterogametic sex lacks an allele, so the
// pair shows that sex when the parent's is unknown.
CString CheckMissingAllele(CPairText& pair, UINT gene, int& shownSex)
{
    const CGeneticsSection* section = pair.section;
    const CGeneDef* def = section->GetGeneDef(gene);
    const int sex = pair.sex;
    const int side = pair.codes[0] == ALLELE_NONE ? 0 : pair.codes[1] == ALLELE_NONE ? 1 : -1;
    if (side < 0)
        return CString();
    const char* present = SideWord(1 - side);
    const char* missing = SideWord(side);
    const CString& presentName = pair.words[1 - side];
    CString error;
    if (def->IsPolygene())
    {
        error.Format("%s allele is a polygenic range symbol", present);
        return error;
    }
    if (def->m_nSexLinkage == SEXLINK_NONE)
    {
        error.Format("%s allele missing, yet %s allele %s is not sex linked", missing, present, (LPCTSTR)presentName);
        return error;
    }
    const BOOL homogametic = IsKnownSex(sex) && !section->IsHeterogametic(sex);
    if (def->m_nSexLinkage == SEXLINK_UNSHARED && homogametic)
    {
        error.Format("%s allele missing, yet the %s allele %s is known to be sex linked to the unshared sex "
                     "chromosome, yet this individual is known to be %s and %s should have 2 alleles for "
                     "this gene",
                     missing, present, (LPCTSTR)presentName, SexWord(sex), SexWordPlural(sex));
        return error;
    }
    if (def->m_nSexLinkage == SEXLINK_SHARED && homogametic)
    {
        // The homogametic sex has two of the shared chromosome: a missing
        // allele is refused as a lone allele is.
        error = LoneAlleleError(presentName, section->GetGeneName(gene), sex);
        if (!pair.Collect(error))
            return error;
        pair.codes[side] = pair.codes[1 - side];
    }
    if (!IsKnownSex(sex))
        shownSex = section->GetHeterogameticSex();
    return CString();
}

// Both alleles of a sex-linked gene: the pair shows the sex that has two of
// its chromosome, which a known sex must be.
CString CheckSexLinkedPair(const CPairText& pair, UINT gene, const CString& text, int& shownSex)
{
    const CGeneDef* def = pair.section->GetGeneDef(gene);
    if (pair.codes[0] == ALLELE_NONE || pair.codes[1] == ALLELE_NONE || def->m_nSexLinkage == SEXLINK_NONE)
        return CString();
    shownSex = def->m_nSexLinkage == SEXLINK_SHARED ? pair.section->GetHomogameticSex()
                                                    : pair.section->GetHeterogameticSex();
    CString error;
    if (IsKnownSex(pair.sex) && shownSex != pair.sex)
        error.Format("'%s' cannot be associated with the %s sex", (LPCTSTR)text, SexWord(pair.sex));
    return error;
}

// With the sex unknown, the alleles must stand where the sex that the pair
// shows has them: otherwise a maternal Y allele, or two alleles of a Y-linked
// gene, would be taken as a male's.
CString CheckAllelesSuitShownSex(const CPairText& pair, int shownSex)
{
    if (IsKnownSex(pair.sex) || shownSex == SEX_EITHER)
        return CString();
    for (int side = 0; side < 2; side++)
    {
        if (!IsRealAllele(pair.codes[side]))
            continue;
        UINT checkedGene;
        const CString check = pair.section->CheckAlleleForSex(pair.codes[side], shownSex, side, checkedGene);
        if (!check.IsEmpty())
            return SideAlleleError(side, pair.words[side], check);
    }
    return CString();
}

// Sets a polygene pair from one of its gene's range symbols: the range, or
// where no range is allowed its midpoint.
CString SetFromRangeSymbol(CAllelePair& pair, const CGeneticsSection* section, const CString& text, UINT code,
                           BOOL rangesAllowed)
{
    CString error;
    UINT gene = 0;
    CString check = section->CheckRangeSymbol(code, gene);
    if (!check.IsEmpty())
    {
        error.Format("%s - %s", (LPCTSTR)text, (LPCTSTR)check);
        return error;
    }
    const CGeneDef* def = section->GetGeneDef(gene);
    int k = 0;
    while (k < def->m_symbolCodes.GetSize() && def->m_symbolCodes[k] != code)
        k++;
    pair.InitPolygene(gene, def->m_nPlaces);
    if (rangesAllowed)
    {
        double lower, upper;
        def->GetRangeBounds(k, lower, upper);
        pair.SetRange(lower, upper);
    }
    else
    {
        pair.SetValue(def->GetRangeMidpoint(k));
    }
    return error;
}

// Sets a polygene pair to the range written as its two bounds.
CString SetPolygeneRange(CAllelePair& pair, const CGeneDef* def, const CString& name, const CString& lowerText,
                         const CString& upperText)
{
    CString error;
    double lower, upper;
    if (!ReadFiniteNumber(lowerText, &lower))
    {
        error.Format("invalid lower bound '%s' in range for polygene '%s'", (LPCTSTR)lowerText, (LPCTSTR)name);
        return error;
    }
    if (!ReadFiniteNumber(upperText, &upper))
    {
        error.Format("invalid upper bound '%s' in range for polygene '%s'", (LPCTSTR)upperText, (LPCTSTR)name);
        return error;
    }
    if (!ApproxGreater(upper, lower, def->m_nPlaces))
    {
        error.Format("lower bound '%s' is not less than upper bound '%s' for polygene '%s' (to %d decimal place(s))",
                     (LPCTSTR)lowerText, (LPCTSTR)upperText, (LPCTSTR)name, def->m_nPlaces);
        return error;
    }
    pair.SetRange(lower, upper);
    return error;
}
} // namespace

CString CAllelePair::Parse(const CGeneticsSection* section, const CString& text, int sex, UINT flags, int* outSex,
                           CStringArray* messages)
{
    if (outSex != NULL)
        *outSex = sex;
    if (messages == NULL)
        flags &= ~PARSE_COLLECT;

    CPairText pair(section, sex, flags, messages);
    UINT loneCode = 0;
    CString error = SplitAlleleWords(section, text, pair.words, loneCode);
    if (!error.IsEmpty())
        return error;
    if (pair.words.GetSize() == 1)
        return ParseSingleAllele(section, pair.words[0], loneCode, sex, flags, outSex, messages);

    UINT gene = 0;
    int shownSex = SEX_EITHER;
    error = LookUpAlleles(pair);
    if (error.IsEmpty())
        error = IdentifyGene(pair, gene);
    if (error.IsEmpty())
        error = CheckMissingAllele(pair, gene, shownSex);
    if (error.IsEmpty())
        error = CheckSexLinkedPair(pair, gene, text, shownSex);
    if (error.IsEmpty())
        error = CheckAllelesSuitShownSex(pair, shownSex);
    if (!error.IsEmpty())
        return error;

    if (outSex != NULL && shownSex != SEX_EITHER)
        *outSex = shownSex;
    SetAlleles(gene, pair.codes[0], pair.codes[1]);
    return CString();
}

CString CAllelePair::ParsePolygene(const CGeneticsSection* section, const CString& text, BOOL rangesAllowed)
{
    CString error;
    UINT code;
    if (section->LookupSymbol(text, 0, code).IsEmpty())
        return SetFromRangeSymbol(*this, section, text, code, rangesAllowed);

    const int equals = text.Find('=');
    if (equals < 0)
        return "cannot determine polygene value";
    CString name = text.Left(equals);
    CString value = text.Mid(equals + 1);
    TrimString(&name);
    TrimString(&value);
    if (name.IsEmpty())
        return "missing polygene name";
    if (value.IsEmpty())
        return "missing polygene value/range";
    const UINT gene = section->FindGene(name);
    if (gene == 0)
    {
        error.Format("unknown polygene '%s'", (LPCTSTR)name);
        return error;
    }
    const CGeneDef* def = section->GetGeneDef(gene);
    if (!def->IsPolygene())
    {
        error.Format("gene '%s' is not a polygene", (LPCTSTR)name);
        return error;
    }

    InitPolygene(gene, def->m_nPlaces);
    const int dash = value.GetLength() > 1 ? value.Find('-', 1) : -1;
    if (dash < 0)
    {
        double number;
        if (!ReadFiniteNumber(value, &number))
        {
            error.Format("invalid value '%s' for polygene '%s'", (LPCTSTR)value, (LPCTSTR)name);
            return error;
        }
        SetValue(number);
        return error;
    }
    if (!rangesAllowed)
    {
        error.Format("value '%s' for polygene '%s' is a range but has been used where a range is not permitted",
                     (LPCTSTR)value, (LPCTSTR)name);
        return error;
    }
    return SetPolygeneRange(*this, def, name, value.Left(dash), value.Mid(dash + 1));
}

CString CGenotype::Parse(const CGeneticsSection* section, const CString& text, int sex, UINT flags, int* outSex,
                         CStringArray* messages)
{
    RemoveAll();
    if (outSex != NULL)
        *outSex = SEX_EITHER;
    if (messages == NULL)
        flags &= ~PARSE_COLLECT;

    CStringArray words;
    TokenizeTextOnSet(text, words, " ;", TOKENIZE_TRIM, -1, '(', ')');
    if (words.GetSize() == 0)
        return "allele pair list empty";

    int knownSex = sex;
    for (int i = 0; i < words.GetSize(); i++)
    {
        CAllelePair pair;
        int pairSex = knownSex;
        CString error = pair.Parse(section, words[i], knownSex, flags, &pairSex, messages);
        if (error.IsEmpty())
        {
            knownSex = pairSex;
        }
        else
        {
            CAllelePair polygene;
            if (!polygene.ParsePolygene(section, words[i], (flags & PARSE_ALLOW_RANGES) != 0).IsEmpty())
                return error;
            pair = polygene;
        }
        AddPair(pair);
    }

    Sort();
    for (int i = 1; i < GetCount(); i++)
    {
        CAllelePair* pairs = GetPairs();
        if (pairs[i].m_nGene != pairs[i - 1].m_nGene)
            continue;
        // The message names the gene: in a long genotype the user could not
        // tell which one is given twice.
        CString message;
        message.Format("Alleles for gene '%s' are multiply defined", (LPCTSTR)section->GetGeneName(pairs[i].m_nGene));
        if (!(flags & PARSE_COLLECT))
            return message;
        messages->Add(message);
        // Keep the first pair of the gene: drop this one.
        RemoveAt(i);
        i--;
    }
    if (outSex != NULL)
        *outSex = knownSex;
    return CString();
}
