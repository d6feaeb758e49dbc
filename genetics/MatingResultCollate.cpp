// Collation of the predicted offspring into the result lists and the genotype
// lines of the report. Equal texts are found through hash maps, so that a
// prediction with tens of thousands of offspring is collated in linear time;
// the order of the lists is the order of the first occurrence of each text.
// The maps look at the texts where they are, without copies: offspring share
// their texts, and a copy per offspring would cost the texts' whole length in
// short-lived heap blocks.
#include "genetics/MatingResult.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/terminology/TokenExpander.h"
#include "foundation/values/ConstantTexts.h"
#include "genetics/GeneDef.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"

namespace
{
BOOL EndsWith(const CString& text, const CString& suffix)
{
    return text.GetLength() > suffix.GetLength() && text.Right(suffix.GetLength()) == suffix;
}

// The text without its sex suffix: the male one first, then the female one.
CString StripSexSuffixes(const CString& text)
{
    CString stripped = text;
    if (EndsWith(stripped, MaleLetterSuffix))
        stripped = stripped.Left(stripped.GetLength() - MaleLetterSuffix.GetLength());
    if (EndsWith(stripped, FemaleLetterSuffix))
        stripped = stripped.Left(stripped.GetLength() - FemaleLetterSuffix.GetLength());
    return stripped;
}

// An offspring whose rules give it no phenotype is listed by the words that
// its genotype line uses.
CString OrUnknownPhenotype(const CString& phenotype)
{
    if (!phenotype.IsEmpty())
        return phenotype;
    CString unknown;
    ExpandTokens("~Unknown~ ~phenotype~", unknown);
    return unknown;
}

CString GetOffspringText(const CPredictedOffspring* offspring, int list)
{
    switch (list)
    {
    case RESULT_LIST_PHENOTYPES:
        return OrUnknownPhenotype(offspring->GetPhenotype());
    case RESULT_LIST_PHENOTYPES_WITH_CARRIED:
        return OrUnknownPhenotype(offspring->GetPhenotypeWithCarriedTraits());
    default:
        return offspring->GetCarriedTraits();
    }
}

// Each item takes at most one later partner whose text differs from its own
// only by a sex suffix; the item keeps the text without the suffix.
void MergeSexSuffixPartners(COwningObArray& items)
{
    const int count = (int)items.GetSize();
    // The maps look at the keys where they are, without copies.
    std::vector<CString> keys(count);
    std::unordered_map<std::string_view, std::vector<int>> positions;
    positions.reserve(count);
    for (int i = 0; i < count; i++)
    {
        keys[i] = StripSexSuffixes(((CMatingResultItem*)items.GetAt(i))->m_strText);
        positions[std::string_view(keys[i], (size_t)keys[i].GetLength())].push_back(i);
    }
    std::unordered_map<std::string_view, size_t> cursors;
    cursors.reserve(count);
    std::vector<bool> deleted(count, false);
    for (int a = 0; a < count; a++)
    {
        if (deleted[a])
            continue;
        const std::string_view key(keys[a], (size_t)keys[a].GetLength());
        const std::vector<int>& candidates = positions[key];
        size_t& cursor = cursors[key];
        while (cursor < candidates.size() && (candidates[cursor] <= a || deleted[candidates[cursor]]))
            cursor++;
        if (cursor == candidates.size())
            continue;
        const int b = candidates[cursor];
        CMatingResultItem* item = (CMatingResultItem*)items.GetAt(a);
        item->m_dProbability += ((CMatingResultItem*)items.GetAt(b))->m_dProbability;
        item->m_strText = keys[a];
        deleted[b] = true;
    }
    items.DeleteMarked(deleted);
}

// A text given as two parts, compared and hashed as the two joined.
struct CTwoPartText
{
    CTwoPartText(const CString& first, const CString& second)
        : m_first((LPCTSTR)first, (size_t)first.GetLength()), m_second((LPCTSTR)second, (size_t)second.GetLength())
    {
    }

    bool operator==(const CTwoPartText& other) const
    {
        if (m_first.size() + m_second.size() != other.m_first.size() + other.m_second.size())
            return false;
        if (m_first.size() == other.m_first.size())
            return m_first == other.m_first && m_second == other.m_second;
        const CTwoPartText& shorter = m_first.size() < other.m_first.size() ? *this : other;
        const CTwoPartText& longer = m_first.size() < other.m_first.size() ? other : *this;
        const size_t split = shorter.m_first.size();
        const size_t rest = longer.m_first.size() - split;
        return longer.m_first.substr(0, split) == shorter.m_first &&
               longer.m_first.substr(split) == shorter.m_second.substr(0, rest) &&
               longer.m_second == shorter.m_second.substr(rest);
    }

    std::string_view m_first;
    std::string_view m_second;
};

struct CTwoPartTextHash
{
    size_t operator()(const CTwoPartText& text) const
    {
        size_t hash = 2166136261u;
        for (const std::string_view& part : {text.m_first, text.m_second})
        {
            for (const char c : part)
                hash = (hash ^ (unsigned char)c) * 16777619u;
        }
        return hash;
    }
};

const CString& SexSuffix(UINT sex)
{
    if (sex == (UINT)SEX_FEMALE)
        return FemaleLetterSuffix;
    return sex == (UINT)SEX_MALE ? MaleLetterSuffix : SharedEmptyText;
}

const CAllelePair* FindOffspringPair(const CPredictedOffspring* offspring, UINT gene)
{
    const CAllelePair* pair = offspring->m_genotype.FindPair(gene);
    return pair != NULL ? pair : offspring->m_polygenes.FindPair(gene);
}

void AppendGenes(const CGenotype& genotype, std::vector<UINT>& genes)
{
    const CAllelePair* pairs = genotype.GetPairs();
    for (int i = 0; i < genotype.GetCount(); i++)
        genes.push_back(pairs[i].m_nGene);
}
}  // namespace

void CMatingResult::CollateTexts()
{
    // An item's text is the offspring's text with the suffix of its sex. The
    // items are found by that text, looked at in its two parts, and an
    // item's text is made once, when the item is added.
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        std::vector<CString> texts(GetOffspringCount());
        std::unordered_map<CTwoPartText, int, CTwoPartTextHash> itemIndex;
        itemIndex.reserve(GetOffspringCount());
        const int firstNew = GetItemCount(list);
        for (int i = 0; i < GetOffspringCount(); i++)
        {
            const CPredictedOffspring* offspring = GetOffspring(i);
            texts[i] = GetOffspringText(offspring, list);
            const CTwoPartText key(texts[i], SexSuffix(offspring->m_nSex));
            const auto found = itemIndex.find(key);
            if (found != itemIndex.end())
            {
                GetItem(list, found->second)->m_dProbability += offspring->m_dProbability;
                continue;
            }
            itemIndex.emplace(key, GetItemCount(list));
            AddItem(list, new CMatingResultItem(offspring->m_dProbability, AppendSexSuffix(texts[i], offspring->m_nSex)));
        }
        // Items that the list held before are matched by their whole text.
        for (int i = 0; i < firstNew; i++)
        {
            CMatingResultItem* item = GetItem(list, i);
            for (int j = firstNew; j < GetItemCount(list); j++)
            {
                CMatingResultItem* added = GetItem(list, j);
                if (added->m_strText != item->m_strText)
                    continue;
                item->m_dProbability += added->m_dProbability;
                m_lists[list].DeleteAt(j);
                break;
            }
        }
        MergeSexSuffixPartners(m_lists[list]);
    }
}

void FindCommonGenes(const CMatingResult& result, CDWordArray& commonGenes)
{
    commonGenes.RemoveAll();
    const int count = result.GetOffspringCount();
    if (count == 0)
        return;
    std::vector<UINT> genes;
    for (int i = 0; i < count; i++)
    {
        AppendGenes(result.GetOffspring(i)->m_genotype, genes);
        AppendGenes(result.GetOffspring(i)->m_polygenes, genes);
    }
    std::sort(genes.begin(), genes.end());
    genes.erase(std::unique(genes.begin(), genes.end()), genes.end());

    const CPredictedOffspring* first = result.GetOffspring(0);
    for (UINT gene : genes)
    {
        const CAllelePair* firstPair = FindOffspringPair(first, gene);
        BOOL common = firstPair != NULL;
        for (int i = 1; i < count && common; i++)
        {
            const CAllelePair* pair = FindOffspringPair(result.GetOffspring(i), gene);
            common = pair != NULL && pair->IsEqual(*firstPair);
        }
        if (common)
            commonGenes.Add(gene);
    }
}

namespace
{
// One distinct genotype line of the report: its text and the name of the
// rules section that described it, kept together as the key that tells
// lines apart (the text, a NUL, the name), with the line's share and sex.
struct CCollatedLine
{
    CString m_strKey;
    int m_nLineLength;
    double m_dShare;
    UINT m_nSex;

    LPCTSTR GetName() const { return (LPCTSTR)m_strKey + m_nLineLength + 1; }
    int GetNameLength() const { return m_strKey.GetLength() - m_nLineLength - 1; }
};

void AppendText(std::string& work, const CString& text)
{
    work.append((LPCTSTR)text, (size_t)text.GetLength());
}

// The distinct (line, rules section) pairs in order of first occurrence.
// Each line is written into one reused work buffer and looked up there; only
// a line not seen before is kept, in a string of its own.
void CollateLines(const CMatingResult& result, std::vector<CCollatedLine>& lines)
{
    lines.clear();
    CDWordArray commonGenes;
    FindCommonGenes(result, commonGenes);
    const CGeneticsSection* genes = result.m_pGenesSection;
    const BOOL nameRulesSections =
        genes != NULL && genes->m_pConfig != NULL && genes->m_pConfig->CountRulesSections() > 1;
    const CString unknown = OrUnknownPhenotype(CString());

    std::unordered_map<std::string_view, size_t> lineIndex;
    lineIndex.reserve(result.GetOffspringCount());
    std::string work;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        const CPredictedOffspring* offspring = result.GetOffspring(i);
        CString name;
        CString phenotype;
        if (offspring->m_bTextsDeduced && offspring->m_pGenesSection == genes)
        {
            name = offspring->m_strRulesSectionName;
            phenotype = offspring->m_strPhenotypeWithCarriedTraits;
        }
        else if (genes != NULL)
        {
            CGenotype full;
            offspring->MakeFullGenotype(full);
            phenotype = result.m_pGenesSection->DeducePhenotype(full, 1, &name);
        }
        work.clear();
        AppendText(work, offspring->Describe(commonGenes));
        work += " - ";
        if (phenotype.IsEmpty())
            AppendText(work, unknown);
        else
        {
            AppendText(work, phenotype);
            if (nameRulesSections)
            {
                work += " (";
                AppendText(work, name);
                work += ')';
            }
        }
        const int lineLength = (int)work.size();
        work += '\0';
        AppendText(work, name);

        const auto found = lineIndex.find(std::string_view(work));
        if (found == lineIndex.end())
        {
            CCollatedLine line{CString(work.data(), (int)work.size()), lineLength, offspring->m_dProbability,
                               offspring->m_nSex};
            lineIndex.emplace(std::string_view(line.m_strKey, work.size()), lines.size());
            lines.push_back(line);
            continue;
        }
        CCollatedLine& line = lines[found->second];
        line.m_dShare += offspring->m_dProbability;
        if (line.m_nSex != offspring->m_nSex)
            line.m_nSex = SEX_EITHER;
    }
}

// The share as FormatPercent(share, 2) writes it, with the same formatter
// and so the same rounding; the length of the text.
int WritePercent(char* out, double share)
{
    int length = _snprintf(out, 60, "%.2f%%", share * 100.0);
    while (length < 7)
        out[length++] = ' ';
    out[length] = '\0';
    return length;
}

// Writes pieces of text one after another into a buffer sized ahead; without
// a buffer it only counts their characters and line ends.
class CReportWriter
{
public:
    explicit CReportWriter(char* out) : m_pOut(out), m_nLength(0), m_nLineEnds(0) {}

    void Write(const char* text, int length)
    {
        if (m_pOut != NULL)
            memcpy(m_pOut + m_nLength, text, (size_t)length);
        m_nLength += (unsigned long long)length;
    }
    void Write(const CString& text) { Write(text, text.GetLength()); }
    void Write(const char* text) { Write(text, (int)strlen(text)); }
    void EndLine()
    {
        Write("\n", 1);
        m_nLineEnds++;
    }
    void WriteCount(int count)
    {
        char number[16];
        Write(number, sprintf(number, "%d potential ", count));
    }
    void WriteShare(double share)
    {
        char percent[64];
        Write(percent, WritePercent(percent, share));
        Write(" ", 1);
    }

    unsigned long long GetLength() const { return m_nLength; }
    unsigned long long GetLineEnds() const { return m_nLineEnds; }

private:
    char* m_pOut;
    unsigned long long m_nLength;
    unsigned long long m_nLineEnds;
};

// A heading ends in its line end: written as text, then counted as one.
void WriteHeading(CReportWriter& writer, int count, const char* heading)
{
    writer.WriteCount(count);
    CString expanded;
    ExpandTokens(heading, expanded);
    writer.Write(expanded, expanded.GetLength() - 1);
    writer.EndLine();
}

void WriteGenotypeLine(CReportWriter& writer, const CCollatedLine& line, BOOL nameSection)
{
    writer.WriteShare(line.m_dShare);
    writer.Write(line.m_strKey, line.m_nLineLength);
    if (nameSection)
    {
        writer.Write(" [", 2);
        writer.Write(line.GetName(), line.GetNameLength());
        writer.Write("]", 1);
    }
    writer.Write(SexSuffix(line.m_nSex));
}

// The line that stands for the genotype lines left out of a cut list.
void WriteNotListed(CReportWriter& writer, size_t count)
{
    char number[24];
    writer.Write(number, sprintf(number, "(%u more ", (unsigned)count));
    CString noun;
    ExpandTokens(count == 1 ? "~genotype~" : "~genotypes~", noun);
    writer.Write(noun);
    writer.Write(" not listed: the whole list would be too long to show)");
}

// Writes the lists with the first `listed` genotype lines of the collated
// ones; when that is fewer than all, one line says how many are left out.
void WriteReportLists(CReportWriter& writer, const CMatingResult& result, const std::vector<CCollatedLine>& lines,
                      size_t listed)
{
    static const char* const headings[RESULT_LIST_COUNT] = {"~phenotypes~:\n", "~phenotypeswithcarriedtraits~:\n",
                                                            "~carriedtraits~:\n"};
    WriteHeading(writer, (int)lines.size(), "~genotypes~:\n");
    for (size_t k = 0; k < listed; k++)
    {
        if (k > 0)
            writer.EndLine();
        WriteGenotypeLine(writer, lines[k], result.m_bRulesSectionsDiffer);
    }
    if (listed < lines.size())
    {
        if (listed > 0)
            writer.EndLine();
        WriteNotListed(writer, lines.size() - listed);
    }
    writer.EndLine();
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        writer.EndLine();
        WriteHeading(writer, result.GetItemCount(list), headings[list]);
        for (int i = 0; i < result.GetItemCount(list); i++)
        {
            const CMatingResultItem* item = result.GetItem(list, i);
            writer.Write(" ", 1);
            writer.WriteShare(item->m_dProbability);
            writer.Write(item->m_strText);
            writer.EndLine();
        }
    }
}
}  // namespace

void CMatingResult::Collate(CStringArray& lines) const
{
    lines.RemoveAll();
    std::vector<CCollatedLine> collated;
    CollateLines(*this, collated);
    lines.SetSize(0, (int)collated.size());
    for (const CCollatedLine& line : collated)
    {
        CReportWriter counter(NULL);
        WriteGenotypeLine(counter, line, m_bRulesSectionsDiffer);
        CString text;
        CReportWriter writer(text.GetBufferSetLength((int)counter.GetLength()));
        WriteGenotypeLine(writer, line, m_bRulesSectionsDiffer);
        lines.Add(text);
    }
}

CString CMatingResult::WriteReport(CString& report, BOOL cutGenotypeList) const
{
    // Within the limit the report fits the memory; should it still run out,
    // the report stays as it was and the error says why.
    try
    {
        return WriteReportWithinMemory(report, cutGenotypeList);
    }
    catch (CMemoryException* exception)
    {
        exception->Delete();
        return "there is not enough memory to write the report of the mating";
    }
}

CString CMatingResult::WriteReportWithinMemory(CString& report, BOOL cutGenotypeList) const
{
    std::vector<CCollatedLine> lines;
    CollateLines(*this, lines);
    unsigned long long lineEnds = 0;
    for (int i = 0; i < report.GetLength(); i++)
        lineEnds += report[i] == '\n' ? 1 : 0;
    const unsigned long long before = report.GetLength() + lineEnds;
    CReportWriter counter(NULL);
    WriteReportLists(counter, *this, lines, lines.size());
    size_t listed = lines.size();
    if (before + counter.GetLength() + counter.GetLineEnds() > m_nMaxReportLength)
    {
        // Without any genotype line (and so with the longest count of those
        // not listed) the rest must fit; the lines, most likely first, then
        // take what is left.
        CReportWriter rest(NULL);
        WriteReportLists(rest, *this, lines, 0);
        unsigned long long shown = before + rest.GetLength() + rest.GetLineEnds();
        if (!cutGenotypeList || shown > m_nMaxReportLength)
            return TooLongReport();
        listed = 0;
        for (; listed < lines.size(); listed++)
        {
            CReportWriter line(NULL);
            WriteGenotypeLine(line, lines[listed], m_bRulesSectionsDiffer);
            const unsigned long long cost = line.GetLength() + 2;  // and its CR LF
            if (shown + cost > m_nMaxReportLength)
                break;
            shown += cost;
        }
    }
    if (listed < lines.size())
    {
        counter = CReportWriter(NULL);
        WriteReportLists(counter, *this, lines, listed);
    }
    const int start = report.GetLength();
    const int total = start + (int)counter.GetLength();
    CReportWriter writer(report.GetBuffer(total) + start);
    WriteReportLists(writer, *this, lines, listed);
    report.ReleaseBuffer(total);
    return CString();
}

CString CMatingResult::TooLongReport() const
{
    CString error;
    error.Format("the report of the mating would be longer than %u characters, too long to show",
                 m_nMaxReportLength);
    return error;
}
