// Phenotype deduction: the "say", "masks", "carries", "goto" and "lethal"
// rules of a section turn a genotype into the texts that the user reads.
#include "genetics/GeneticsSection.h"

#include "foundation/terminology/TokenExpander.h"
#include "foundation/text/StringLists.h"
#include "foundation/text/Tokenizer.h"
#include "genetics/ExprNode.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/PhenotypeTextMaker.h"
#include "genetics/PhenotypeTexts.h"

namespace
{
BOOL RuleApplies(CGeneticsSection* section, int rule, const CGenotype& genotype)
{
    CExprNode* condition = section->GetRuleCondition(rule);
    return condition == NULL || condition->Evaluate(genotype, section);
}

// The section that the first applicable "goto" rule names, or NULL.
CGeneticsSection* FindGotoTarget(CGeneticsSection* section, const CGenotype& genotype)
{
    if (section->m_pConfig == NULL)
        return NULL;
    for (int rule = 0; rule < section->GetRuleCount(); rule++)
    {
        if (section->m_ruleKinds[rule] != RULE_GOTO || !RuleApplies(section, rule, genotype))
            continue;
        return section->m_pConfig->FindSection(section->m_ruleTexts[rule]);
    }
    return NULL;
}

// Follows "goto" rules from a section to the one whose rules apply. The
// reader refuses "goto" rules that lead in a circle; should a configuration
// built otherwise hold one, a walk of more steps than it has sections must be
// going round, and it stops there rather than never ending.
CGeneticsSection* FollowGotos(CGeneticsSection* section, const CGenotype& genotype)
{
    const int maxSteps = section->m_pConfig != NULL ? section->m_pConfig->GetSectionCount() : 0;
    for (int step = 0; step < maxSteps; step++)
    {
        CGeneticsSection* target = FindGotoTarget(section, genotype);
        if (target == NULL)
            break;
        section = target;
    }
    return section;
}

void AppendPhenotypeWords(CGeneticsSection* section, const CGenotype& genotype, CStringArray& words)
{
    CGenotype work(genotype);
    for (int rule = 0; rule < section->GetRuleCount(); rule++)
    {
        if (work.GetCount() == 0)
            break;
        const UINT kind = section->m_ruleKinds[rule];
        if (kind != RULE_SAY && kind != RULE_MASKS)
            continue;
        if (!RuleApplies(section, rule, work))
            continue;
        if (kind == RULE_SAY)
        {
            words.Add(section->GetRuleWords(rule));
            continue;
        }
        CStringArray ruleWords;
        SplitRuleWords(section->m_ruleTexts[rule], ruleWords);
        for (int i = 0; i < ruleWords.GetSize(); i++)
        {
            const UINT gene = section->FindGene(ruleWords[i]);
            if (gene != 0)
                work.RemoveGene(gene);
        }
    }
}

void AppendCarriedTraits(CGeneticsSection* section, const CGenotype& genotype, CStringArray& traits)
{
    for (int rule = 0; rule < section->GetRuleCount(); rule++)
    {
        if (section->m_ruleKinds[rule] != RULE_CARRIES || !RuleApplies(section, rule, genotype))
            continue;
        traits.Add(section->GetRuleWords(rule));
    }
}

CString ExpandText(const char* text)
{
    CString expanded;
    ExpandTokens(text, expanded);
    return expanded;
}
}  // namespace

void SplitRuleWords(const CString& text, CStringArray& words)
{
    CStringArray fields;
    TokenizeText(text, fields, ' ', TOKENIZE_TRIM, -1, '(', ')');
    for (int i = 0; i < fields.GetSize(); i++)
    {
        CString word = fields[i];
        word.TrimLeft();
        word.TrimRight();
        if (!word.IsEmpty() && word != "NUL")
            words.Add(word);
    }
}

CString CombinePhenotypeTexts(const CString& phenotype, const CString& carriedTraits)
{
    if (carriedTraits.IsEmpty())
        return phenotype;
    if (phenotype.IsEmpty())
        return ExpandText("~carries~ ") + carriedTraits;
    return phenotype + ExpandText(" ~carrying~ ") + carriedTraits;
}

void DeduceAllPhenotypeTexts(CGeneticsSection* section, const CGenotype& genotype, CPhenotypeTexts& texts)
{
    CPhenotypeTextMaker().Deduce(section, genotype, texts);
}

CString CGeneticsSection::DeducePhenotype(const CGenotype& genotype, int mode, CString* rulesSectionName)
{
    CString phenotype;
    CString carriedTraits;
    if (mode == 0 || mode == 1)
    {
        CStringArray words;
        CollectPhenotypeWords(genotype, words, rulesSectionName);
        phenotype = JoinStrings(words, " ", 0, -1);
    }
    if (mode == 1 || mode == 2)
    {
        CStringArray traits;
        CollectCarriedTraits(genotype, traits);
        carriedTraits = JoinStrings(traits, " + ", 0, -1);
    }
    switch (mode)
    {
    case 0:
        return phenotype;
    case 1:
        return CombinePhenotypeTexts(phenotype, carriedTraits);
    case 2:
        return carriedTraits;
    default:
        return CString();
    }
}

void CGeneticsSection::CollectPhenotypeWords(const CGenotype& genotype, CStringArray& words, CString* rulesSectionName)
{
    CGeneticsSection* section = FollowGotos(this, genotype);
    AppendPhenotypeWords(section, genotype, words);
    if (rulesSectionName != NULL)
        *rulesSectionName = section->m_strName;
}

void CGeneticsSection::CollectCarriedTraits(const CGenotype& genotype, CStringArray& traits)
{
    AppendCarriedTraits(FollowGotos(this, genotype), genotype, traits);
}

const CString& CGeneticsSection::GetRuleWords(int rule)
{
    const CString& text = m_ruleTexts[rule];
    if (m_ruleWords.GetSize() < m_ruleTexts.GetSize())
    {
        m_ruleWordSources.SetSize(m_ruleTexts.GetSize());
        m_ruleWords.SetSize(m_ruleTexts.GetSize());
    }
    if (m_ruleWordSources[rule].GetString() != text.GetString())
    {
        CStringArray words;
        SplitRuleWords(text, words);
        m_ruleWords.SetAt(rule, JoinStrings(words, " ", 0, -1));
        m_ruleWordSources.SetAt(rule, text);
    }
    return m_ruleWords[rule];
}

BOOL CGeneticsSection::IsLethal(const CGenotype& genotype)
{
    for (int rule = 0; rule < GetRuleCount(); rule++)
    {
        if (m_ruleKinds[rule] == RULE_LETHAL && RuleApplies(this, rule, genotype))
            return TRUE;
    }
    return FALSE;
}
