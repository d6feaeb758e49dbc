// The codes between "%%" pairs in the notes of a configuration.
#include "genetics/GeneticsConfig.h"

#include "foundation/text/Trim.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsSection.h"

CString CGeneticsConfig::ReplaceNotesCodes()
{
    // The notes are rebuilt once, piece by piece, so that many codes in long
    // notes cost no more than the notes' length. The search resumes after
    // each replacement, so a replacement that holds "%%" is not expanded.
    CString result;
    int from = 0;
    for (;;)
    {
        const int open = m_strNotes.Find("%%", from);
        const int close = open < 0 ? -1 : m_strNotes.Find("%%", open + 2);
        if (close < 0)
            break;
        CString replacement;
        CString error = ExpandNotesCode(m_strNotes.Mid(open + 2, close - open - 2), replacement);
        if (!error.IsEmpty())
            return error;
        result += m_strNotes.Mid(from, open - from);
        result += replacement;
        from = close + 2;
    }
    if (from > 0)
        m_strNotes = result + m_strNotes.Mid(from);
    return CString();
}

CString CGeneticsConfig::ExpandNotesCode(const CString& code, CString& replacement)
{
    replacement.Empty();
    if (code.IsEmpty() || GetSectionCount() == 0)
        return CString();
    const char letter = code[0];
    CString argument = code.Mid(1);
    TrimString(&argument);
    CGeneticsSection* first = GetSection(0);
    CGeneticsSection* last = GetSection(GetSectionCount() - 1);
    CString error;

    if (letter == 'a' || letter == 'd')
    {
        const UINT gene = first->FindGene(argument);
        if (gene == 0)
        {
            error.Format(letter == 'a' ? "error in %%%%a%%%% code in notes: invalid gene %s"
                                       : "error in %%%%d%%%% code in notes: invalid gene %s",
                         (LPCTSTR)argument);
            return error;
        }
        if (letter == 'd')
        {
            replacement = ExpandTerms(first->GetGeneDef(gene)->FormatDistribution(first));
            return error;
        }
        CAllelePair pair;
        if (last->FindAssumedPair(pair, gene, SEX_EITHER))
        {
            replacement = ExpandTerms(pair.Format(first, 0));
            return error;
        }
        CString text, female;
        if (last->FindAssumedPair(pair, gene, SEX_MALE))
            text.Format("%s[~MaleAnimalLetter~]", (LPCTSTR)pair.Format(first, 0));
        if (last->FindAssumedPair(pair, gene, SEX_FEMALE))
        {
            female.Format("%s[~FemaleAnimalLetter~]", (LPCTSTR)pair.Format(first, 0));
            if (!text.IsEmpty())
                text += "; ";
            text += female;
        }
        replacement = ExpandTerms(text);
        return error;
    }

    if (letter == 'p')
    {
        CGenotype genotype;
        int namedSex = SEX_EITHER;
        CString parseError = genotype.Parse(first, argument, SEX_EITHER, 0, &namedSex);
        if (!parseError.IsEmpty())
        {
            error.Format("error in %%%%p%%%% code in notes: %s", (LPCTSTR)parseError);
            return error;
        }
        const int sex = namedSex != SEX_EITHER ? namedSex : first->GetHomogameticSex();
        last->AddAssumedAlleles(genotype, sex);
        CString phenotype = last->DeducePhenotype(genotype, 1);
        if (phenotype.IsEmpty())
            phenotype = "Unknown phenotype";
        if (namedSex == SEX_MALE)
            phenotype += " [~MaleAnimalLetter~]";
        else if (namedSex == SEX_FEMALE)
            phenotype += " [~FemaleAnimalLetter~]";
        replacement = ExpandTerms(argument + ": " + phenotype);
    }
    return error;
}
