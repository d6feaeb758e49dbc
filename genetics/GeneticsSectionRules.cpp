// Rule keywords, named conditions and assumed alleles of a section.
#include "genetics/GeneticsSection.h"

#include "genetics/ExprNode.h"
#include "genetics/GeneticsConfig.h"

static const char* const RuleKeywords[] = {
    "", "lethal", "means", "say", "assumed", "assumediffemale", "assumedifmale", "carries", "masks", "goto"};
static const UINT RuleKeywordCount = sizeof(RuleKeywords) / sizeof(RuleKeywords[0]);

CString CGeneticsSection::GetRuleKeyword(UINT kind)
{
    return kind >= 1 && kind < RuleKeywordCount ? CString(RuleKeywords[kind]) : CString();
}

UINT CGeneticsSection::FindRuleKind(const CString& word)
{
    for (UINT kind = 1; kind < RuleKeywordCount; kind++)
    {
        if (word.CompareNoCase(RuleKeywords[kind]) == 0)
            return kind;
    }
    return RULE_NONE;
}

CString CGeneticsSection::GetSharedChromosomeName()
{
    return "X";
}

CString CGeneticsSection::GetUnsharedChromosomeName()
{
    return "Y";
}

void CGeneticsSection::AddRule(UINT kind, CExprNode* condition, CGenotype* genotype, const CString& text)
{
    m_ruleKinds.Add(kind);
    m_ruleConditions.Add(condition);
    m_ruleGenotypes.Add(genotype);
    m_ruleTexts.Add(text);
}

CExprNode* CGeneticsSection::GetRuleCondition(int rule) const
{
    return (CExprNode*)m_ruleConditions[rule];
}

CGenotype* CGeneticsSection::GetRuleGenotype(int rule) const
{
    return (CGenotype*)m_ruleGenotypes[rule];
}

BOOL CGeneticsSection::FindNamedCondition(const CString& name, CExprNode*& tree) const
{
    for (int rule = 0; rule < GetRuleCount(); rule++)
    {
        if (m_ruleKinds[rule] == RULE_MEANS && m_ruleTexts[rule] == name)
        {
            tree = GetRuleCondition(rule);
            return TRUE;
        }
    }
    tree = NULL;
    return FALSE;
}

static BOOL AssumedRuleApplies(UINT kind, int sex)
{
    return kind == RULE_ASSUMED || (kind == RULE_ASSUMED_IF_FEMALE && sex == SEX_FEMALE) ||
           (kind == RULE_ASSUMED_IF_MALE && sex == SEX_MALE);
}

static BOOL InFilter(const CDWordArray* geneFilter, UINT gene)
{
    if (geneFilter == NULL)
        return TRUE;
    for (int i = 0; i < geneFilter->GetSize(); i++)
    {
        if ((*geneFilter)[i] == gene)
            return TRUE;
    }
    return FALSE;
}

int CGeneticsSection::WorkAssumedAlleles(CGenotype& genotype, int sex, CGenotype* out,
                                         const CDWordArray* geneFilter, BOOL remove)
{
    if (out != NULL)
        out->RemoveAll();
    int count = 0;
    for (int rule = 0; rule < GetRuleCount(); rule++)
    {
        const CGenotype* assumed = GetRuleGenotype(rule);
        if (!AssumedRuleApplies(m_ruleKinds[rule], sex) || assumed == NULL)
            continue;
        const CAllelePair* pairs = assumed->GetPairs();
        for (int i = 0; i < assumed->GetCount(); i++)
        {
            const CAllelePair& pair = pairs[i];
            if (!InFilter(geneFilter, pair.m_nGene))
                continue;
            const CAllelePair* present = genotype.FindPair(pair.m_nGene);
            if (!remove && present == NULL)
            {
                genotype.AddPair(pair);
                if (out != NULL)
                    out->AddPair(pair);
                count++;
            }
            else if (remove && present != NULL && present->IsEqual(pair))
            {
                genotype.RemoveGene(pair.m_nGene);
                if (out != NULL)
                    out->AddPair(pair);
                count++;
            }
        }
    }
    CGeneticsSection* base = GetBaseSection();
    if (base != NULL && base != this)
        count += base->WorkAssumedAlleles(genotype, sex, NULL, NULL, remove);
    return count;
}

int CGeneticsSection::AddAssumedAlleles(CGenotype& genotype, int sex, CGenotype* assumed,
                                        const CDWordArray* geneFilter)
{
    return WorkAssumedAlleles(genotype, sex, assumed, geneFilter, FALSE);
}

int CGeneticsSection::RemoveAssumedAlleles(CGenotype& genotype, int sex, CGenotype* removed,
                                           const CDWordArray* geneFilter)
{
    return WorkAssumedAlleles(genotype, sex, removed, geneFilter, TRUE);
}

BOOL CGeneticsSection::FindAssumedPair(CAllelePair& pair, UINT gene, int sex) const
{
    for (const CGeneticsSection* section = this; section != NULL; section = section->GetBaseSection())
    {
        for (int rule = 0; rule < section->GetRuleCount(); rule++)
        {
            const CGenotype* assumed = section->GetRuleGenotype(rule);
            if (!AssumedRuleApplies(section->m_ruleKinds[rule], sex) || assumed == NULL)
                continue;
            const CAllelePair* found = assumed->FindPair(gene);
            if (found != NULL)
            {
                pair = *found;
                return TRUE;
            }
        }
        if (section->GetBaseSection() == section)
            break;
    }
    return FALSE;
}
