// Gene linkage tables: each group of linked genes becomes, per parent sex, the
// list of crossover patterns of one gamete with their probabilities.
#include "genetics/GeneticsSection.h"

#include "genetics/GametePattern.h"

namespace
{
void ResetLists(CDWordArray& genes, CArray<double, double>& femaleProbs, CArray<double, double>& maleProbs)
{
    genes.RemoveAll();
    femaleProbs.RemoveAll();
    maleProbs.RemoveAll();
}

double ClampProbability(double p)
{
    if (p < 0.0)
        return 0.0;
    if (p >= 1.0)
        return 1.0;
    return p;
}

// Each gene of a linkage group doubles its table of crossover patterns, and
// the prediction pairs every maternal with every paternal pattern: a larger
// group would take gigabytes to load and hours to predict.
const int MaxLinkedGenes = 16;

CString CheckGroupSize(const CGeneticsSection& section, const CDWordArray& genes)
{
    CString error;
    if (genes.GetSize() > MaxLinkedGenes)
        error.Format("too many genes linked with gene '%s': %d, at most %d may be linked",
                     (LPCTSTR)section.GetGeneName(genes[0]), (int)genes.GetSize(), MaxLinkedGenes);
    return error;
}

COwningObArray* BuildPatternTable(const CDWordArray& genes, int intervals, const CArray<double, double>& probs)
{
    COwningObArray* table = new COwningObArray;
    const int n = (int)genes.GetSize();
    CGametePattern* first = new CGametePattern;
    for (int i = 0; i < n; i++)
        first->m_genes.Add((int)genes[i]);
    first->m_dProbability = 1.0;
    table->Add(first);

    for (int i = 0; i < intervals; i++)
    {
        const double p = ClampProbability(probs[i]);
        const int existing = (int)table->GetSize();
        for (int k = 0; k < existing; k++)
        {
            CGametePattern* pattern = (CGametePattern*)table->GetAt(k);
            CGametePattern* crossed = new CGametePattern(*pattern);
            pattern->m_dProbability *= 1.0 - p;
            crossed->m_dProbability *= p;
            for (int j = i + 1; j < n; j++)
                crossed->m_genes[j] = -crossed->m_genes[j];
            table->Add(crossed);
        }
    }
    return table;
}
}  // namespace

UINT CGeneticsSection::FindChainHead(const CBitSet& visited, UINT type) const
{
    const UINT count = GetGeneCount();
    for (UINT gene = 1; gene <= count; gene++)
    {
        const CGeneDef* def = GetGeneDef(gene);
        if (visited.Test(gene) || def->IsPolygene() || def->m_nSexLinkage != type)
            continue;
        BOOL isNextOfOther = FALSE;
        for (UINT other = 1; other <= count && !isNextOfOther; other++)
        {
            const CGeneDef* otherDef = GetGeneDef(other);
            isNextOfOther = other != gene && otherDef->m_nNextGene == gene && !visited.Test(other) &&
                            !otherDef->IsPolygene();
        }
        if (!isNextOfOther)
            return gene;
    }
    return 0;
}

BOOL CGeneticsSection::WalkChain(UINT first, CDWordArray& genes, CArray<double, double>& femaleProbs,
                                 CArray<double, double>& maleProbs, CBitSet& visited) const
{
    // Two chains on one sex chromosome travel together: no crossover between them.
    if (genes.GetSize() > 0)
    {
        femaleProbs.Add(0.0);
        maleProbs.Add(0.0);
    }
    UINT gene = first;
    for (;;)
    {
        if (gene == 0 || gene > GetGeneCount() || visited.Test(gene))
            return FALSE;
        genes.Add(gene);
        visited.Set(gene, TRUE);
        const CGeneDef* def = GetGeneDef(gene);
        if (def->m_nNextGene == 0)
            return TRUE;
        femaleProbs.Add(def->m_dFemaleCrossover);
        maleProbs.Add(def->m_dMaleCrossover);
        gene = def->m_nNextGene;
    }
}

BOOL CGeneticsSection::CollectChains(UINT type, CDWordArray& genes, CArray<double, double>& femaleProbs,
                                     CArray<double, double>& maleProbs) const
{
    CBitSet visited;
    visited.SetSize(GetGeneCount() + 1);
    for (;;)
    {
        const UINT head = FindChainHead(visited, type);
        if (head == 0)
            break;
        if (!WalkChain(head, genes, femaleProbs, maleProbs, visited))
            return FALSE;
    }
    // Genes of this type left over form a ring of links, which has no head;
    // they would otherwise drop out of every prediction.
    for (UINT gene = 1; gene <= GetGeneCount(); gene++)
    {
        const CGeneDef* def = GetGeneDef(gene);
        if (!visited.Test(gene) && !def->IsPolygene() && def->m_nSexLinkage == type)
            return FALSE;
    }
    return TRUE;
}

void CGeneticsSection::AddLinkageTable(const CDWordArray& genes, int intervals,
                                       const CArray<double, double>& femaleProbs,
                                       const CArray<double, double>& maleProbs)
{
    m_femaleTables.Add(BuildPatternTable(genes, intervals, femaleProbs));
    m_maleTables.Add(BuildPatternTable(genes, intervals, maleProbs));
}

CString CGeneticsSection::BuildLinkageTables()
{
    m_femaleTables.DeleteAll();
    m_maleTables.DeleteAll();

    CDWordArray genes;
    CArray<double, double> femaleProbs;
    CArray<double, double> maleProbs;

    if (!CollectChains(SEXLINK_SHARED, genes, femaleProbs, maleProbs))
        return "error in shared sex gene linkage";
    CString error = CheckGroupSize(*this, genes);
    if (!error.IsEmpty())
        return error;
    AddLinkageTable(genes, (int)genes.GetSize() - 1, femaleProbs, maleProbs);

    ResetLists(genes, femaleProbs, maleProbs);
    if (!CollectChains(SEXLINK_UNSHARED, genes, femaleProbs, maleProbs))
        return "error in unshared sex gene linkage(2)";
    error = CheckGroupSize(*this, genes);
    if (!error.IsEmpty())
        return error;
    AddLinkageTable(genes, (int)genes.GetSize() - 1, femaleProbs, maleProbs);

    const UINT geneCount = GetGeneCount();
    CBitSet visited;
    visited.SetSize(geneCount + 1);
    UINT marked = 0;
    for (UINT gene = 1; gene <= geneCount; gene++)
    {
        const CGeneDef* def = GetGeneDef(gene);
        if (def->IsPolygene() || def->m_nSexLinkage != SEXLINK_NONE)
        {
            visited.Set(gene, TRUE);
            marked++;
        }
    }
    while (marked < geneCount)
    {
        const UINT head = FindChainHead(visited, SEXLINK_NONE);
        if (head == 0)
            return "gene linkage error";
        ResetLists(genes, femaleProbs, maleProbs);
        if (!WalkChain(head, genes, femaleProbs, maleProbs, visited))
            return "gene linkage error";
        marked += (UINT)genes.GetSize();
        error = CheckGroupSize(*this, genes);
        if (!error.IsEmpty())
            return error;
        AddLinkageTable(genes, (int)genes.GetSize() - 1, femaleProbs, maleProbs);
    }
    return CString();
}
