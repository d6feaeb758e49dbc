// Passes of the statement parser that declare genes, linkage and descriptions.
#include "genetics/ConfigStatementParser.h"

#include <stdlib.h>

#include "foundation/values/Decimal.h"
#include "genetics/GeneticsSection.h"

static const char* const GeneKinds[] = {
    "gene", "coatcolourgene", "coatcolorgene", "colourgene", "colorgene", "coatpatterngene",
    "patterngene", "eyecolourgene", "eyecolorgene", "defectgene", "diseasegene", "breedgene"};
static const char* const PolygeneKinds[] = {
    "polygene", "coatcolourpolygene", "coatcolorpolygene", "colourpolygene", "colorpolygene",
    "coatpatternpolygene", "patternpolygene", "eyecolourpolygene", "eyecolorpolygene", "defectpolygene",
    "diseasepolygene", "breedpolygene"};

// 1 for a gene kind, 2 for a polygene kind, 0 otherwise.
static int GetGeneKind(const CString& word)
{
    for (const char* kind : GeneKinds)
    {
        if (word.CompareNoCase(kind) == 0)
            return 1;
    }
    for (const char* kind : PolygeneKinds)
    {
        if (word.CompareNoCase(kind) == 0)
            return 2;
    }
    return 0;
}

CString CConfigStatementParser::ReadGenes()
{
    for (int i = 0; i < GetCount(); i++)
    {
        const int kind = WordCount(i) > 0 ? GetGeneKind(Words(i)[0]) : 0;
        if (kind == 0)
            continue;
        if (!m_section.m_bGenes)
            return Error(i, "genes may only be defined for a genes section, not a rules section");
        if (WordCount(i) < 3)
            return Error(i, "gene specification should have 2 or more arguments, not %d", WordCount(i) - 1);
        const CString& name = Words(i)[1];
        if (!IsValidName(name))
            return Error(i, "invalid gene name '%s'", (LPCTSTR)name);
        if (m_section.FindGene(name) != 0)
            return Error(i, "duplicate gene name '%s'", (LPCTSTR)name);
        const UINT gene = m_section.AddGene(name, kind == 2);
        CString error = m_section.GetGeneDef(gene)->ParseArguments(&m_section, JoinWords(i, 2));
        if (!error.IsEmpty())
            return Error(i, "%s", (LPCTSTR)error);
        RemoveStatement(i);
    }
    m_section.UpdateCommaNeeded();
    return CString();
}

// A crossover probability in percent, as a fraction: one plain decimal number
// from 0 to 100, kept to 5 decimals ("12", "0.5"), with or without one "%"
// right after it ("10%"). Anything else is refused rather than read in part:
// a figure with an exponent, a sign, trailing letters or digits beyond the
// integer range would otherwise become some other percentage unnoticed, and a
// figure outside 0 to 100 could only be clamped.
static BOOL ReadPercentage(const CString& written, double& probability)
{
    const CString word = written.Right(1) == "%" ? written.Left(written.GetLength() - 1) : written;
    const int length = word.GetLength();
    int digits = 0;
    int point = -1;
    for (int i = 0; i < length; i++)
    {
        const char c = word[i];
        if (c >= '0' && c <= '9')
            digits++;
        else if (c == '.' && point < 0)
            point = i;
        else
            return FALSE;
    }
    if (digits == 0)
        return FALSE;
    // The integer part decides the range before any conversion: "000100.0" is
    // 100, while "4294967306" must not wrap round.
    int first = 0;
    const int integerEnd = point < 0 ? length : point;
    while (first < integerEnd && word[first] == '0')
        first++;
    if (integerEnd - first > 3)
        return FALSE;
    CDecimal decimal(5);
    decimal.SetValue(atof((LPCTSTR)word));
    const double percent = decimal.GetValue();
    if (!(percent >= 0.0 && percent <= 100.0))
        return FALSE;
    probability = percent / 100.0;
    return TRUE;
}

CString CConfigStatementParser::ReadLinks()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!KeywordIs(i, "link"))
            continue;
        if (!m_section.m_bGenes)
            return Error(i, "gene linkage may only be defined for a genes section, not a rules section");
        if (WordCount(i) != 4 && WordCount(i) != 5)
            return Error(i, "linkage specification should have 3 or 4 arguments, not %d", WordCount(i) - 1);
        UINT genes[2];
        for (int w = 1; w <= 2; w++)
        {
            const CString& name = Words(i)[w];
            genes[w - 1] = m_section.FindGene(name);
            if (genes[w - 1] == 0)
                return Error(i, "unknown gene '%s'", (LPCTSTR)name);
            if (m_section.GetGeneDef(genes[w - 1])->IsPolygene())
                return Error(i, "gene '%s' is polygenic and may not be linked to other genes", (LPCTSTR)name);
        }
        double female = 0.0, male = 0.0;
        if (!ReadPercentage(Words(i)[3], female))
            return Error(i, "invalid crossover probability '%s'", (LPCTSTR)Words(i)[3]);
        male = female;
        if (WordCount(i) == 5 && !ReadPercentage(Words(i)[4], male))
            return Error(i, "invalid crossover probability '%s'", (LPCTSTR)Words(i)[4]);
        CGeneDef* first = m_section.GetGeneDef(genes[0]);
        first->m_nNextGene = genes[1];
        first->m_dFemaleCrossover = female;
        first->m_dMaleCrossover = male;
        RemoveStatement(i);
    }
    // The linked-to flags follow the final links, so a link that a later
    // statement replaced leaves no stale flag behind.
    const UINT count = m_section.GetGeneCount();
    for (UINT gene = 1; gene <= count; gene++)
        m_section.GetGeneDef(gene)->m_bLinkedTo = FALSE;
    for (UINT gene = 1; gene <= count; gene++)
    {
        CGeneDef* next = m_section.GetGeneDef(m_section.GetGeneDef(gene)->m_nNextGene);
        if (next != NULL)
            next->m_bLinkedTo = TRUE;
    }
    return CString();
}

CString CConfigStatementParser::ReadSexLinkage()
{
    const CString sharedKeyword = CGeneticsSection::GetSharedChromosomeName() + "-link";
    const CString unsharedKeyword = CGeneticsSection::GetUnsharedChromosomeName() + "-link";
    for (int i = 0; i < GetCount(); i++)
    {
        const BOOL shared = KeywordIs(i, sharedKeyword);
        if (!shared && !KeywordIs(i, unsharedKeyword))
            continue;
        if (!m_section.m_bGenes)
            return Error(i, "sex linkage may only be defined for a genes section, not a rules section");
        if (WordCount(i) < 2)
            return Error(i, "sex linkage specification requires 1 or more gene names");
        for (int w = 1; w < WordCount(i); w++)
        {
            const CString& name = Words(i)[w];
            const UINT gene = m_section.FindGene(name);
            if (gene == 0)
                return Error(i, "unknown gene '%s'", (LPCTSTR)name);
            CGeneDef* def = m_section.GetGeneDef(gene);
            if (def->IsPolygene())
                return Error(i, "gene '%s' is polygenic and may not be sex linked", (LPCTSTR)name);
            def->m_nSexLinkage = shared ? SEXLINK_SHARED : SEXLINK_UNSHARED;
        }
        RemoveStatement(i);
    }
    return CheckLinkedSexLinkage();
}

CString CConfigStatementParser::CheckLinkedSexLinkage() const
{
    for (UINT gene = 1; gene <= m_section.GetGeneCount(); gene++)
    {
        const CGeneDef* def = m_section.GetGeneDef(gene);
        const CGeneDef* next = m_section.GetGeneDef(def->m_nNextGene);
        if (def->IsPolygene() || next == NULL || next->m_nSexLinkage == def->m_nSexLinkage)
            continue;
        CString error;
        error.Format("genes %s and %s are linked, but have different sex linkage",
                     (LPCTSTR)m_section.GetGeneName(gene), (LPCTSTR)m_section.GetGeneName(def->m_nNextGene));
        return error;
    }
    return CString();
}

CString CConfigStatementParser::ReadDescriptions()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!KeywordIs(i, "describe"))
            continue;
        if (WordCount(i) < 4)
            return Error(i, "'describe' line should have at least 4 arguments, not %d", WordCount(i) - 1);
        const CString& selector = Words(i)[1];
        const CString& target = Words(i)[2];
        const CString text = JoinWords(i, 3);
        if (selector.CompareNoCase("gene") == 0)
        {
            const UINT gene = m_section.FindGene(target);
            if (gene == 0)
                return Error(i, "unknown gene %s", (LPCTSTR)target);
            m_section.m_geneDescriptions.SetAt(gene, text);
        }
        else if (selector.CompareNoCase("allele") == 0 || selector.CompareNoCase("range") == 0)
        {
            UINT code = 0;
            CString error = m_section.LookupSymbol(target, 0, code);
            if (!error.IsEmpty())
                return Error(i, "%s", (LPCTSTR)error);
            m_section.m_symbolDescriptions.SetAt(code, text);
        }
        else if (selector.CompareNoCase("genotype") == 0)
        {
            CAllelePair pair;
            int sex = SEX_EITHER;
            CString error = pair.Parse(&m_section, target, SEX_EITHER, 0, &sex);
            if (!error.IsEmpty())
                return Error(i, "%s", (LPCTSTR)error);
            m_section.m_describedPairs.Add(pair);
            m_section.m_describedTexts.Add(text);
            m_section.m_describedSexes.Add((DWORD)sex);
        }
        else
        {
            return Error(i, "'describe' line has unknown selector '%s'", (LPCTSTR)selector);
        }
        RemoveStatement(i);
    }
    ReplaceDescriptionCodes();
    return CString();
}

void CConfigStatementParser::ReplaceDescriptionCodes()
{
    for (int i = 0; i < GetCount(); i++)
    {
        CStringArray& words = Words(i);
        for (int w = 0; w < words.GetSize(); w++)
        {
            if (words[w].Find('@') >= 0)
                words.SetAt(w, ReplaceCodesInWord(words[w]));
        }
    }
}

CString CConfigStatementParser::ReplaceCodesInWord(const CString& word) const
{
    CString text = word;
    int at = text.Find('@');
    while (at >= 0 && at + 1 < text.GetLength())
    {
        const char letter = text[at + 1];
        const int close = text.Find('@', at + 2);
        BOOL found = FALSE;
        CString replacement;
        if (close > at + 2)
        {
            const CString name = text.Mid(at + 2, close - at - 2);
            UINT code = 0;
            if (letter == 'g')
            {
                const UINT gene = m_section.FindGene(name);
                found = gene != 0;
                if (found)
                    replacement = m_section.m_geneDescriptions[gene];
            }
            else if (letter == 'a' || letter == 'r')
            {
                found = m_section.LookupSymbol(name, 0, code).IsEmpty();
                if (found)
                    replacement = m_section.GetSymbolDescription(code);
            }
            else if (letter == 't')
            {
                CAllelePair pair;
                int sex;
                found = pair.Parse(&m_section, name, SEX_EITHER, 0).IsEmpty() &&
                        m_section.FindPairDescription(pair, replacement, sex);
            }
        }
        if (!found)
        {
            at = text.Find('@', at + 1);
            continue;
        }
        text = text.Left(at) + replacement + text.Mid(close + 1);
        // Resume after the inserted text, so a description holding its own
        // code cannot expand without end.
        const int resume = at + replacement.GetLength();
        at = resume < text.GetLength() ? text.Find('@', resume) : -1;
    }
    return text;
}
