// Gene linkage tables: each group of linked genes becomes, per parent sex, the
// list of crossover patterns of one gamete with their probabilities.
#include "genetics/GeneticsSection.h"

#include <vector>

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

// An interval without crossover in either sex (two chains that merely share
// a sex chromosome, or a link at 0 percent) adds no patterns: its crossover
// patterns could only have no share. Every other interval doubles the table,
// and the prediction pairs every maternal with every paternal pattern, so
// more than fifteen such intervals in one group are refused: the table would
// take gigabytes to load and hours to predict.
const int MaxLinkedGenes = 16;

BOOL HasCrossover(const CArray<double, double>& femaleProbs, const CArray<double, double>& maleProbs, int interval)
{
    return ClampProbability(femaleProbs[interval]) > 0.0 || ClampProbability(maleProbs[interval]) > 0.0;
}

CString CheckGroupSize(const CGeneticsSection& section, const CDWordArray& genes,
                       const CArray<double, double>& femaleProbs, const CArray<double, double>& maleProbs)
{
    int linked = 1;
    UINT firstLinked = 0;
    for (int i = 0; i + 1 < (int)genes.GetSize(); i++)
    {
        if (!HasCrossover(femaleProbs, maleProbs, i))
            continue;
        if (firstLinked == 0)
            firstLinked = genes[i];
        linked++;
    }
    CString error;
    if (linked > MaxLinkedGenes)
        error.Format("too many genes linked with gene '%s': %d, at most %d may be linked",
                     (LPCTSTR)section.GetGeneName(firstLinked), linked, MaxLinkedGenes);
    return error;
}

COwningObArray* BuildPatternTable(const CDWordArray& genes, int intervals, const CArray<double, double>& probs,
                                  const CArray<double, double>& otherProbs)
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
        if (!HasCrossover(probs, otherProbs, i))
            continue;
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

namespace
{
// Finds the heads of chains: genes of a sex linkage that no other unvisited
// gene links to. The genes that link to each gene are listed once, so that a
// configuration of many genes is not searched through once per gene.
class CChainHeads
{
public:
    explicit CChainHeads(const CGeneticsSection& section) : m_section(section), m_nCount(section.GetGeneCount())
    {
        m_firstLinker.assign(m_nCount + 2, 0);
        for (UINT gene = 1; gene <= m_nCount; gene++)
        {
            const UINT next = section.GetGeneDef(gene)->m_nNextGene;
            if (next >= 1 && next <= m_nCount)
                m_firstLinker[next + 1]++;
        }
        for (UINT gene = 1; gene <= m_nCount + 1; gene++)
            m_firstLinker[gene] += m_firstLinker[gene - 1];
        m_linkers.resize(m_firstLinker[m_nCount + 1]);
        std::vector<UINT> fill(m_firstLinker.begin(), m_firstLinker.end() - 1);
        for (UINT gene = 1; gene <= m_nCount; gene++)
        {
            const UINT next = section.GetGeneDef(gene)->m_nNextGene;
            if (next >= 1 && next <= m_nCount)
                m_linkers[fill[next]++] = gene;
        }
    }

    // The lowest head at or after the gene "from". A gene below the last head
    // found cannot have become a head since: whatever linked to it was
    // unvisited then and, once visited by a walk, leads the walk to it.
    UINT Find(const CBitSet& visited, UINT type, UINT from) const
    {
        for (UINT gene = from; gene <= m_nCount; gene++)
        {
            const CGeneDef* def = m_section.GetGeneDef(gene);
            if (visited.Test(gene) || def->IsPolygene() || def->m_nSexLinkage != type)
                continue;
            BOOL isNextOfOther = FALSE;
            for (UINT k = m_firstLinker[gene]; k < m_firstLinker[gene + 1] && !isNextOfOther; k++)
            {
                const UINT other = m_linkers[k];
                isNextOfOther = other != gene && !visited.Test(other) && !m_section.GetGeneDef(other)->IsPolygene();
            }
            if (!isNextOfOther)
                return gene;
        }
        return 0;
    }

private:
    const CGeneticsSection& m_section;
    UINT m_nCount;
    std::vector<UINT> m_firstLinker;  // per gene, its first entry in m_linkers
    std::vector<UINT> m_linkers;      // the genes that link to each gene, gene by gene
};
}  // namespace

UINT CGeneticsSection::FindChainHead(const CBitSet& visited, UINT type) const
{
    return CChainHeads(*this).Find(visited, type, 1);
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
    const CChainHeads heads(*this);
    for (UINT head = 1;;)
    {
        head = heads.Find(visited, type, head);
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
    m_femaleTables.Add(BuildPatternTable(genes, intervals, femaleProbs, maleProbs));
    m_maleTables.Add(BuildPatternTable(genes, intervals, maleProbs, femaleProbs));
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
    CString error = CheckGroupSize(*this, genes, femaleProbs, maleProbs);
    if (!error.IsEmpty())
        return error;
    AddLinkageTable(genes, (int)genes.GetSize() - 1, femaleProbs, maleProbs);

    ResetLists(genes, femaleProbs, maleProbs);
    if (!CollectChains(SEXLINK_UNSHARED, genes, femaleProbs, maleProbs))
        return "error in unshared sex gene linkage(2)";
    error = CheckGroupSize(*this, genes, femaleProbs, maleProbs);
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
    const CChainHeads heads(*this);
    UINT head = 1;
    while (marked < geneCount)
    {
        head = heads.Find(visited, SEXLINK_NONE, head);
        if (head == 0)
            return "gene linkage error";
        ResetLists(genes, femaleProbs, maleProbs);
        if (!WalkChain(head, genes, femaleProbs, maleProbs, visited))
            return "gene linkage error";
        marked += (UINT)genes.GetSize();
        error = CheckGroupSize(*this, genes, femaleProbs, maleProbs);
        if (!error.IsEmpty())
            return error;
        AddLinkageTable(genes, (int)genes.GetSize() - 1, femaleProbs, maleProbs);
    }
    return CString();
}
