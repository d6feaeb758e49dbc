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
        m_nGene = gene;
        m_nAllele1 = slot == 0 ? code : ALLELE_NONE;
        m_nAllele2 = slot == 0 ? ALLELE_NONE : code;
        m_nFlags = PAIR_PARSED;
        m_dValue = m_dUpper = 0.0;
        if (outSex != NULL)
            *outSex = section->GetHeterogameticSex();
        return error;
    }
    if (def->m_nSexLinkage == SEXLINK_SHARED)
    {
        error.Format("only one allele '%s' for the '%s' gene present, yet this individual is known to be %s and %s "
                     "should have 2 alleles for this gene",
                     (LPCTSTR)name, (LPCTSTR)geneName, SexWord(sex), SexWordPlural(sex));
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

CString CAllelePair::Parse(const CGeneticsSection* section, const CString& text, int sex, UINT flags, int* outSex,
                           CStringArray* messages)
{
    CString error;
    if (outSex != NULL)
        *outSex = sex;
    if (messages == NULL)
        flags &= ~PARSE_COLLECT;

    CStringArray parts;
    TokenizeText(text, parts, ',', TOKENIZE_TRIM, -1, '(', ')');
    if (parts.GetSize() < 1 || parts.GetSize() > 2)
    {
        error.Format("allele pair '%s' must have 2 alleles given (possibly 1 for sex linked genes)", (LPCTSTR)text);
        return error;
    }
    if (parts.GetSize() == 1)
    {
        UINT code;
        error = section->LookupSymbol(parts[0], 0, code);
        if (error.IsEmpty())
            return ParseSingleAllele(section, parts[0], code, sex, flags, outSex, messages);
        CString first, second;
        if (!section->SplitPairWord(parts[0], first, second))
            return error;
        parts.SetAt(0, first);
        parts.Add(second);
        error.Empty();
    }

    const UINT lookupFlags =
        SYMBOL_BANG_IS_NONE | SYMBOL_UNKNOWN | ((flags & PARSE_ALLOW_ANY) ? SYMBOL_DASH_IS_ANY : 0);
    UINT codes[2];
    UINT genes[2] = {0, 0};
    for (int side = 0; side < 2; side++)
    {
        error = section->LookupSymbol(parts[side], lookupFlags, codes[side]);
        if (!error.IsEmpty())
            return error;
        if (!IsRealAllele(codes[side]))
            continue;
        CString check = section->CheckAlleleForSex(codes[side], sex, side, genes[side]);
        if (check.IsEmpty())
            continue;
        error.Format(side == 0 ? "maternal allele %s - %s" : "paternal allele %s - %s", (LPCTSTR)parts[side],
                     (LPCTSTR)check);
        if (!(flags & PARSE_COLLECT))
            return error;
        messages->Add(error);
        error.Empty();
        codes[side] = ALLELE_NONE;
        genes[side] = 0;
    }

    if (genes[0] == 0 && genes[1] == 0)
        return "cannot identify gene";
    if (genes[0] != 0 && genes[1] != 0 && genes[0] != genes[1])
        return "alleles not from same gene";

    const UINT gene = genes[0] != 0 ? genes[0] : genes[1];
    const CGeneDef* def = section->GetGeneDef(gene);
    int shownSex = SEX_EITHER;
    for (int side = 0; side < 2; side++)
    {
        if (codes[side] != ALLELE_NONE)
            continue;
        // One side missing: the other allele must be of a sex-linked gene.
        const char* present = side == 0 ? "paternal" : "maternal";
        const char* missing = side == 0 ? "maternal" : "paternal";
        const CString& presentName = parts[1 - side];
        if (def->IsPolygene())
        {
            error.Format("%s allele is a polygenic range symbol", present);
            return error;
        }
        if (def->m_nSexLinkage == SEXLINK_NONE)
        {
            error.Format("%s allele missing, yet %s allele %s is not sex linked", missing, present,
                         (LPCTSTR)presentName);
            return error;
        }
        if (def->m_nSexLinkage == SEXLINK_UNSHARED && IsKnownSex(sex) && !section->IsHeterogametic(sex))
        {
            error.Format("%s allele missing, yet the %s allele %s is known to be sex linked to the unshared sex "
                         "chromosome, yet this individual is known to be %s and %s should have 2 alleles for "
                         "this gene",
                         missing, present, (LPCTSTR)presentName, SexWord(sex), SexWordPlural(sex));
            return error;
        }
        if (def->m_nSexLinkage == SEXLINK_SHARED && IsKnownSex(sex) && !section->IsHeterogametic(sex))
        {
            // The homogametic sex has two of the shared chromosome: a missing
            // allele is refused as a lone allele is.
            error.Format("only one allele '%s' for the '%s' gene present, yet this individual is known to be %s and %s "
                         "should have 2 alleles for this gene",
                         (LPCTSTR)presentName, (LPCTSTR)section->GetGeneName(gene), SexWord(sex), SexWordPlural(sex));
            if (!(flags & PARSE_COLLECT))
                return error;
            messages->Add(error);
            error.Empty();
            codes[side] = codes[1 - side];
        }
        // Only the heterogametic sex lacks an allele of a sex-linked gene.
        if (!IsKnownSex(sex))
            shownSex = section->GetHeterogameticSex();
        break;
    }

    if (codes[0] != ALLELE_NONE && codes[1] != ALLELE_NONE && def->m_nSexLinkage != SEXLINK_NONE)
    {
        shownSex = def->m_nSexLinkage == SEXLINK_SHARED ? section->GetHomogameticSex()
                                                        : section->GetHeterogameticSex();
        if (IsKnownSex(sex) && shownSex != sex)
        {
            error.Format("'%s' cannot be associated with the %s sex", (LPCTSTR)text, SexWord(sex));
            return error;
        }
    }
    // With the sex unknown, the alleles must stand where the sex that the
    // pair shows has them: otherwise a maternal Y allele, or two alleles of a
    // Y-linked gene, would be taken as a male's.
    if (!IsKnownSex(sex) && shownSex != SEX_EITHER)
    {
        for (int side = 0; side < 2; side++)
        {
            if (!IsRealAllele(codes[side]))
                continue;
            UINT checkedGene;
            CString check = section->CheckAlleleForSex(codes[side], shownSex, side, checkedGene);
            if (!check.IsEmpty())
            {
                error.Format(side == 0 ? "maternal allele %s - %s" : "paternal allele %s - %s",
                             (LPCTSTR)parts[side], (LPCTSTR)check);
                return error;
            }
        }
    }
    if (outSex != NULL && shownSex != SEX_EITHER)
        *outSex = shownSex;

    m_nGene = gene;
    m_nAllele1 = codes[0];
    m_nAllele2 = codes[1];
    m_nFlags = PAIR_PARSED;
    m_dValue = m_dUpper = 0.0;
    return error;
}

CString CAllelePair::ParsePolygene(const CGeneticsSection* section, const CString& text, BOOL rangesAllowed)
{
    CString error;
    UINT code;
    if (section->LookupSymbol(text, 0, code).IsEmpty())
    {
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
        InitPolygene(gene, def->m_nPlaces);
        if (rangesAllowed)
        {
            double lower, upper;
            def->GetRangeBounds(k, lower, upper);
            SetRange(lower, upper);
        }
        else
        {
            SetValue(def->GetRangeMidpoint(k));
        }
        return error;
    }

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
    const CString lowerText = value.Left(dash);
    const CString upperText = value.Mid(dash + 1);
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
    SetRange(lower, upper);
    return error;
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
