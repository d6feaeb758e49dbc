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

// A choice is offered when one of its alternatives suits the parent's sex. A
// field that cannot offer its choices so (none of them, or not both states
// of a check box) lists them all but does not apply to this parent: FALSE.
BOOL CGenSelGenes::OffersChoices(const CGeneticsSection* rules, int sex)
{
    m_sexAlternatives.assign(m_choices.size(), 0);
    m_choiceOffered.assign(m_choices.size(), false);
    BOOL anyOffered = FALSE, allOffered = TRUE;
    for (size_t c = 0; c < m_choices.size(); c++)
    {
        for (size_t a = m_choices[c].size(); a-- > 0;)
        {
            if (GenotypeErrorForSex(rules, m_choices[c][a], sex).IsEmpty())
            {
                m_sexAlternatives[c] = (int)a;
                m_choiceOffered[c] = true;
            }
        }
        if (!m_choices[c][0].IsEmpty()) // not the assumed or other-value choice
        {
            anyOffered |= m_choiceOffered[c];
            allOffered &= m_choiceOffered[c];
        }
    }
    const BOOL applies = (anyOffered || HasOtherValue()) && (!m_bCheckBox || allOffered);
    m_offeredChoices.clear();
    for (size_t c = 0; c < m_choices.size(); c++)
        if (m_choiceOffered[c] || !applies)
            m_offeredChoices.push_back((int)c);
    return applies;
}

int CGenSelGenes::ItemOf(int choice) const
{
    const auto found = std::find(m_offeredChoices.begin(), m_offeredChoices.end(), choice);
    return found == m_offeredChoices.end() ? -1 : (int)(found - m_offeredChoices.begin());
}

int CGenSelGenes::ChoiceOf(int item) const
{
    return item >= 0 && item < (int)m_offeredChoices.size() ? m_offeredChoices[item] : -1;
}

// What the field shows for no choice: a list or radio group nothing, a check
// box its third state where it has one, else its unchecked one.
int CGenSelGenes::NoChoiceItem() const
{
    if (!m_bCheckBox)
        return -1;
    return m_choices.size() == 3 ? BST_INDETERMINATE : BST_UNCHECKED;
}

// The offered choice that holds the genotype's pairs of the covered genes;
// the assumed choice when it has none of them; else -1.
int CGenSelGenes::ChoiceFor(const CGeneticsSection* section, const CGenotype& genotype) const
{
    const int choice = FindChoice(section, genotype);
    if (choice >= 0)
        return choice < (int)m_choiceOffered.size() && !m_choiceOffered[choice] ? -1 : choice;
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
        if (genotype.FindPair(m_coveredGenes[i]) != NULL)
            return -1;
    return m_nAssumedChoice;
}

void CGenSelGenes::RememberShown(const CGenotype& genotype, int item, BOOL showsPairs)
{
    m_shownPairs.RemoveAll();
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
        if (const CAllelePair* pair = genotype.FindPair(m_coveredGenes[i]))
            m_shownPairs.AddPair(*pair);
    m_nShownItem = item;
    m_bShowsPairs = showsPairs;
}

int CGenSelGenes::ShownItem(CFieldList& list, int field) const
{
    return m_bCheckBox ? list.GetFieldCheck(field) : list.GetFieldSelection(field);
}

void CGenSelGenes::ShowChoice(CFieldList& list, int field, int choice, const CString& otherText)
{
    const int item = choice >= 0 ? ItemOf(choice) : NoChoiceItem();
    if (m_bCheckBox)
        list.SetFieldCheck(field, item);
    else
        list.SelectFieldItem(field, item, otherText);
}

int CGenSelGenes::AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                           CDWordArray& coveredGenes, const CString& groupText)
{
    m_nSex = sex;
    if (!AppliesTo(rules, sex))
        return -1;
    CString group;
    DWORD style = GetFieldStyle(sex, groupText, group);

    const std::vector<UINT> genes = GetChoiceGenes();
    m_coveredGenes.RemoveAll();
    for (UINT gene : genes)
    {
        m_coveredGenes.Add(gene);
        coveredGenes.Add(gene);
    }
    if (!OffersChoices(rules, sex))
        style |= FS_DISABLED;
    CStringArray names;
    for (int choice : m_offeredChoices)
        names.Add(m_choiceNames[choice]);

    // A field that opens on its default stands for it; any other field keeps
    // the pairs that it opens on, whether a choice holds them or not.
    const BOOL byDefault = working.IsEmpty() && m_nDefaultChoice >= 0 && m_choiceOffered[m_nDefaultChoice];
    const int current = byDefault ? m_nDefaultChoice : ChoiceFor(rules, working);
    if (!HasOtherValue())
    {
        const int item = current >= 0 ? ItemOf(current) : NoChoiceItem();
        RememberShown(working, item, !byDefault);
        if (m_bCheckBox)
            return list.AddCheckField(m_strLabel, m_strHelp, style | (m_choices.size() == 3 ? FS_OPTIONAL : 0), group,
                                      item, NULL, NULL, NULL);
        return list.AddChoiceField(m_strLabel, m_strHelp, style | (m_bRadio ? FS_CHOICE_RADIO : FS_DROP_LIST), group,
                                   names, NULL, item, 0, NULL, 5, NULL);
    }

    const CGeneDef* def = genes.size() == 1 ? rules->GetGeneDef(genes[0]) : NULL;
    m_bSinglePolygene = def != NULL && def->IsPolygene();
    CStringArray alternatives;
    for (int choice : m_offeredChoices)
        alternatives.Add(CGenotype(GetChoiceGenotype(choice)).Format(rules, OtherValueFormat()));
    const CString text = current >= 0 ? CString() : FormatOtherValue(rules, working);
    const int width = 5 * (int)genes.size();
    const int item = current >= 0 || !text.IsEmpty() ? ItemOf(current >= 0 ? current : OtherChoice()) : -1;
    RememberShown(working, item, !byDefault);
    if (text.IsEmpty())
        return list.AddChoiceField(m_strLabel, m_strHelp, style, group, names, NULL, item, 0, &alternatives, width,
                                   m_strOtherHelp);
    return list.AddComboFieldWithText(m_strLabel, m_strHelp, style, group, names, NULL, item, text, 0, &alternatives,
                                      width, m_strOtherHelp);
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
    int choice = ChoiceFor(genes, genotype);
    CString other;
    if (choice < 0 && HasOtherValue())
    {
        // A matching choice shows by its name, never as its text typed into the other value.
        other = FormatOtherValue(genes, genotype);
        if (!other.IsEmpty())
            choice = OtherChoice();
    }
    ShowChoice(list, field, choice, other);
    RememberShown(genotype, ShownItem(list, field));
}

CString CGenSelGenes::ReadOtherText(const CGeneticsSection* section, const CString& text)
{
    CString error = m_ownGenotype.Parse(section, text, m_nSex, 0);
    if (!error.IsEmpty() && m_bSinglePolygene &&
        m_ownGenotype.Parse(section, section->GetGeneName(m_coveredGenes[0]) + "=" + text, m_nSex, 0).IsEmpty())
        error.Empty();
    // The field stands for its own genes only: a pair of another gene would
    // replace that gene's pair while the field's own pairs were dropped.
    for (int i = 0; error.IsEmpty() && i < m_ownGenotype.GetCount(); i++)
    {
        const UINT gene = m_ownGenotype.GetPairs()[i].m_nGene;
        if (!Covers(gene))
            error.Format("gene '%s' is not one of this field's genes", (LPCTSTR)section->GetGeneName(gene));
    }
    if (!error.IsEmpty())
        m_ownGenotype.RemoveAll();
    return error;
}

// The text of the other value when the user typed one that names no choice.
BOOL CGenSelGenes::ShowsTypedOtherValue(CFieldList& list, int field, CString& text) const
{
    const int item = ShownItem(list, field);
    if ((m_bShowsPairs && item == m_nShownItem) || !HasOtherValue() || ChoiceOf(item) != OtherChoice())
        return FALSE;
    text = list.GetFieldText(field);
    const int named = FindStringInArray(m_choiceNames, text, FALSE);
    return named < 0 || named == OtherChoice();
}

BOOL CGenSelGenes::ReadsOtherValue(CFieldList& list, const CGeneticsSection* section, int field, CString& text,
                                   CString& error)
{
    error.Empty();
    if (ShowsTypedOtherValue(list, field, text))
        error = ReadOtherText(section, text);
    return error.IsEmpty();
}

CGenotype CGenSelGenes::GetChosenGenotype(CFieldList& list, const CGeneticsSection* section, int field)
{
    const int item = ShownItem(list, field);
    if (m_bShowsPairs && item == m_nShownItem)
        return m_shownPairs;
    CString text;
    if (ShowsTypedOtherValue(list, field, text))
    {
        ReadOtherText(section, text);
        return m_ownGenotype;
    }
    int choice = ChoiceOf(item);
    if (choice >= 0 && choice == OtherChoice())
        choice = FindStringInArray(m_choiceNames, list.GetFieldText(field), FALSE); // names a choice
    return choice >= 0 ? GetChoiceGenotype(choice) : CGenotype();
}
