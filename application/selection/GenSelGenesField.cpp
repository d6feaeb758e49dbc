// The field of a genes element on a genotype selection form: which choice a
// genotype shows and which genotype a choice stands for.
#include "application/selection/FieldList.h"
#include "application/selection/GenSelGenes.h"
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

int CGenSelGenes::AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                           CDWordArray& coveredGenes, const CString& groupText)
{
    m_nSex = sex;
    if (!AppliesTo(rules, sex))
        return -1;
    CString group;
    const DWORD style = GetFieldStyle(sex, groupText, group);

    std::vector<UINT> genes;
    for (const CGenSelChoice& choice : m_choices)
        for (int p = 0; !choice.empty() && p < choice[0].GetCount(); p++)
            genes.push_back(choice[0].GetPairs()[p].m_nGene);
    std::sort(genes.begin(), genes.end());
    genes.erase(std::unique(genes.begin(), genes.end()), genes.end());
    m_coveredGenes.RemoveAll();
    for (UINT gene : genes)
    {
        m_coveredGenes.Add(gene);
        coveredGenes.Add(gene);
    }

    int current = working.IsEmpty() ? m_nDefaultChoice : FindChoice(rules, working);
    if (!HasOtherValue())
    {
        if (current < 0)
            current = m_nAssumedChoice;
        if (current < 0)
            current = 0;
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
    CString text = current >= 0 ? m_choiceNames[current] : FormatOtherValue(rules, working);
    const int width = 5 * (int)genes.size();
    if (text.IsEmpty())
    {
        current = m_nAssumedChoice >= 0 ? m_nAssumedChoice : 0;
        return list.AddChoiceField(m_strLabel, m_strHelp, style, group, m_choiceNames, NULL, current, 0, &alternatives,
                                   width, m_strOtherHelp);
    }
    return list.AddComboFieldWithText(m_strLabel, m_strHelp, style, group, m_choiceNames, NULL, text, 0, &alternatives,
                                      width, m_strOtherHelp);
}

namespace
{
CAllelePair Ordered(const CAllelePair& pair)
{
    CAllelePair copy = pair;
    if (copy.IsPolygene() && copy.m_nAllele1 > copy.m_nAllele2)
        std::swap(copy.m_nAllele1, copy.m_nAllele2);
    return copy;
}

BOOL AlternativeMatches(const CGenotype& alternative, const CGenotype& genotype, BOOL ordered)
{
    for (int p = 0; p < alternative.GetCount(); p++)
    {
        const CAllelePair* wanted = &alternative.GetPairs()[p];
        const CAllelePair* held = genotype.FindPair(wanted->m_nGene);
        if (held == NULL)
            return FALSE;
        const CAllelePair a = ordered ? Ordered(*wanted) : *wanted, b = ordered ? Ordered(*held) : *held;
        if (!(a.IsPolygene() ? a.MatchPolygene(b, 8) : a.IsEqual(b)))
            return FALSE;
    }
    return TRUE;
}
} // namespace

int CGenSelGenes::FindChoice(const CGeneticsSection*, const CGenotype& genotype) const
{
    for (int pass = 0; pass < 2; pass++)
        for (size_t c = 0; c < m_choices.size(); c++)
            for (const CGenotype& alternative : m_choices[c])
                if (!alternative.IsEmpty() && AlternativeMatches(alternative, genotype, pass == 1))
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
    if (HasOtherValue())
    {
        // A matching choice shows by its name, never as its text typed into the other value.
        if (choice >= 0)
            list.SelectFieldText(field, m_choiceNames[choice]);
        else if (!FormatOtherValue(genes, genotype).IsEmpty())
            list.SelectFieldText(field, FormatOtherValue(genes, genotype));
        else if (m_nAssumedChoice >= 0)
            list.SelectFieldText(field, m_choiceNames[m_nAssumedChoice]);
        return;
    }
    if (choice < 0)
        choice = m_nAssumedChoice;
    if (choice < 0)
        return;
    if (m_bCheckBox)
        list.SetFieldCheck(field, choice);
    else
        list.SelectFieldText(field, m_choiceNames[choice]);
}

CGenotype CGenSelGenes::GetChosenGenotype(CFieldList& list, const CGeneticsSection* section, int field)
{
    if (HasOtherValue())
    {
        const CString text = list.GetFieldText(field);
        const int choice = FindStringInArray(m_choiceNames, text, FALSE);
        if (choice >= 0)
            return m_choices[choice][0];
        if (!m_ownGenotype.Parse(section, text, m_nSex, 0).IsEmpty())
        {
            const BOOL named =
                m_bSinglePolygene &&
                m_ownGenotype.Parse(section, section->GetGeneName(m_coveredGenes[0]) + "=" + text, m_nSex, 0).IsEmpty();
            if (!named)
                m_ownGenotype.RemoveAll();
        }
        return m_ownGenotype;
    }
    const int choice =
        m_bCheckBox ? list.GetFieldCheck(field) : FindStringInArray(m_choiceNames, list.GetFieldText(field), FALSE);
    if (choice < 0 || choice >= (int)m_choices.size())
        return CGenotype();
    return m_choices[choice][0];
}
