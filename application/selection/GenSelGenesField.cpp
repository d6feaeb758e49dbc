// The field of a genes element on a genotype selection form: which choice a
// genotype shows and which genotype a choice stands for.
#include "application/selection/FieldList.h"
#include "application/selection/GenSelGenes.h"
#include "application/selection/GenotypeSexCheck.h"
#include "foundation/text/StringLists.h"
#include "genetics/GeneDef.h"
#include "genetics/GeneticsSection.h"

#include <algorithm>

UINT CGenSelGenes::OtherValueFormat() const
{
    if (m_bSinglePolygene)
        return FORMAT_RANGE_AS_MIDPOINT | FORMAT_NO_GENE_NAME | FORMAT_NO_RANGE_SYMBOLS;
    return HasSexFlags() ? 0 : FORMAT_SHOW_NONE;
}

std::vector<UINT> CGenSelGenes::GetChoiceGenes() const
{
    std::vector<UINT> genes;
    for (const CGenSelChoice& choice : m_choices)
        for (int p = 0; !choice.empty() && p < choice[0].GetCount(); p++)
            genes.push_back(choice[0].GetPairs()[p].m_nGene);
    std::sort(genes.begin(), genes.end());
    genes.erase(std::unique(genes.begin(), genes.end()), genes.end());
    return genes;
}

BOOL CGenSelGenes::Covers(UINT gene) const
{
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
        if (m_coveredGenes[i] == gene)
            return TRUE;
    return FALSE;
}

const CGenotype& CGenSelGenes::GetChoiceGenotype(int choice) const
{
    const size_t alternative = choice < (int)m_sexAlternatives.size() ? (size_t)m_sexAlternatives[choice] : 0;
    return m_choices[choice][alternative < m_choices[choice].size() ? alternative : 0];
}

void CGenSelGenes::RememberShown(const CGenotype& genotype, int choice)
{
    m_shownPairs.RemoveAll();
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
        if (const CAllelePair* pair = genotype.FindPair(m_coveredGenes[i]))
            m_shownPairs.AddPair(*pair);
    m_nShownChoice = choice;
}

int CGenSelGenes::ShownChoice(CFieldList& list, int field) const
{
    return m_bCheckBox ? list.GetFieldCheck(field) : list.GetFieldSelection(field);
}

int CGenSelGenes::AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                           CDWordArray& coveredGenes, const CString& groupText)
{
    m_nSex = sex;
    if (!AppliesTo(rules, sex))
        return -1;
    CString group;
    const DWORD style = GetFieldStyle(sex, groupText, group);

    const std::vector<UINT> genes = GetChoiceGenes();
    m_coveredGenes.RemoveAll();
    for (UINT gene : genes)
    {
        m_coveredGenes.Add(gene);
        coveredGenes.Add(gene);
    }
    // A choice stands for its first alternative that this parent may hold.
    m_sexAlternatives.assign(m_choices.size(), 0);
    for (size_t c = 0; c < m_choices.size(); c++)
        for (size_t a = m_choices[c].size(); a-- > 0;)
            if (GenotypeErrorForSex(rules, m_choices[c][a], sex).IsEmpty())
                m_sexAlternatives[c] = (int)a;

    int current = working.IsEmpty() ? m_nDefaultChoice : FindChoice(rules, working);
    if (!HasOtherValue())
    {
        if (current < 0)
            current = m_nAssumedChoice;
        if (current < 0)
            current = 0;
        RememberShown(working, current);
        if (m_bCheckBox)
            return list.AddCheckField(m_strLabel, m_strHelp, style | (m_choices.size() == 3 ? FS_OPTIONAL : 0), group,
                                      current, NULL, NULL, NULL);
        return list.AddChoiceField(m_strLabel, m_strHelp, style | (m_bRadio ? FS_CHOICE_RADIO : FS_DROP_LIST), group,
                                   m_choiceNames, NULL, current, 0, NULL, 5, NULL);
    }

    const CGeneDef* def = genes.size() == 1 ? rules->GetGeneDef(genes[0]) : NULL;
    m_bSinglePolygene = def != NULL && def->IsPolygene();
    CStringArray alternatives;
    for (CGenSelChoice& choice : m_choices)
        alternatives.Add(choice.empty() ? CString() : choice[0].Format(rules, OtherValueFormat()));
    const CString text = current >= 0 ? CString() : FormatOtherValue(rules, working);
    const int width = 5 * (int)genes.size();
    if (text.IsEmpty())
    {
        if (current < 0)
            current = m_nAssumedChoice >= 0 ? m_nAssumedChoice : 0;
        RememberShown(working, current);
        return list.AddChoiceField(m_strLabel, m_strHelp, style, group, m_choiceNames, NULL, current, 0, &alternatives,
                                   width, m_strOtherHelp);
    }
    RememberShown(working, OtherChoice());
    return list.AddComboFieldWithText(m_strLabel, m_strHelp, style, group, m_choiceNames, NULL, OtherChoice(), text,
                                      0, &alternatives, width, m_strOtherHelp);
}

BOOL CGenSelGenes::IsOrderFree(const CGeneticsSection* section, const CAllelePair& pair) const
{
    const CGeneticsSection* genes = section->GetGenesSection();
    const CGeneDef* def = genes->GetGeneDef(pair.m_nGene);
    if (def == NULL || def->IsPolygene() || def->m_nNextGene != 0 || def->m_bLinkedTo)
        return FALSE;
    if (def->m_nSexLinkage == SEXLINK_NONE)
        return TRUE;
    return def->m_nSexLinkage == SEXLINK_SHARED && m_nSex != SEX_EITHER && !genes->IsHeterogametic(m_nSex);
}

namespace
{
CAllelePair Ordered(const CAllelePair& pair)
{
    CAllelePair copy = pair;
    if (copy.m_nAllele1 > copy.m_nAllele2)
        std::swap(copy.m_nAllele1, copy.m_nAllele2);
    return copy;
}
} // namespace

BOOL CGenSelGenes::AlternativeMatches(const CGeneticsSection* section, const CGenotype& alternative,
                                      const CGenotype& genotype, BOOL ordered) const
{
    for (int p = 0; p < alternative.GetCount(); p++)
    {
        const CAllelePair* wanted = &alternative.GetPairs()[p];
        const CAllelePair* held = genotype.FindPair(wanted->m_nGene);
        if (held == NULL)
            return FALSE;
        const BOOL reorder = ordered && (wanted->IsPolygene() || IsOrderFree(section, *wanted));
        const CAllelePair a = reorder ? Ordered(*wanted) : *wanted, b = reorder ? Ordered(*held) : *held;
        if (!(a.IsPolygene() ? a.MatchPolygene(b, 8) : a.IsEqual(b)))
            return FALSE;
    }
    return TRUE;
}

int CGenSelGenes::FindChoice(const CGeneticsSection* section, const CGenotype& genotype) const
{
    for (int pass = 0; pass < 2; pass++)
        for (size_t c = 0; c < m_choices.size(); c++)
            for (const CGenotype& alternative : m_choices[c])
                if (!alternative.IsEmpty() && AlternativeMatches(section, alternative, genotype, pass == 1))
                    return (int)c;
    return -1;
}

CString CGenSelGenes::FormatOtherValue(const CGeneticsSection* section, const CGenotype& genotype) const
{
    CString text;
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
    {
        const CAllelePair* pair = genotype.FindPair(m_coveredGenes[i]);
        if (pair == NULL)
            continue;
        if (!text.IsEmpty())
            text += ' ';
        text += pair->Format(section, OtherValueFormat());
    }
    return text;
}

void CGenSelGenes::ShowGenotype(const CGeneticsSection* genes, const CGenotype& genotype, CFieldList& list, int field)
{
    int choice = FindChoice(genes, genotype);
    CString other;
    if (choice < 0 && HasOtherValue())
    {
        // A matching choice shows by its name, never as its text typed into the other value.
        other = FormatOtherValue(genes, genotype);
        if (!other.IsEmpty())
            choice = OtherChoice();
    }
    if (choice < 0)
        choice = m_nAssumedChoice;
    if (choice < 0)
        choice = ShownChoice(list, field); // the field keeps its value
    else if (m_bCheckBox)
        list.SetFieldCheck(field, choice);
    else
        list.SelectFieldItem(field, choice, other);
    RememberShown(genotype, choice);
}

CGenotype CGenSelGenes::GetChosenGenotype(CFieldList& list, const CGeneticsSection* section, int field)
{
    const int choice = ShownChoice(list, field);
    if (choice == m_nShownChoice && !m_shownPairs.IsEmpty())
        return m_shownPairs;
    if (choice >= 0 && choice == OtherChoice())
    {
        const CString text = list.GetFieldText(field);
        const int named = FindStringInArray(m_choiceNames, text, FALSE);
        if (named >= 0 && named != choice)
            return GetChoiceGenotype(named);
        if (!m_ownGenotype.Parse(section, text, m_nSex, 0).IsEmpty())
        {
            const BOOL parsed =
                m_bSinglePolygene &&
                m_ownGenotype.Parse(section, section->GetGeneName(m_coveredGenes[0]) + "=" + text, m_nSex, 0).IsEmpty();
            if (!parsed)
                m_ownGenotype.RemoveAll();
        }
        return m_ownGenotype;
    }
    if (choice < 0 || choice >= (int)m_choices.size())
        return CGenotype();
    return GetChoiceGenotype(choice);
}
