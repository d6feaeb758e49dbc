#include "genetics/GeneticsSection.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsExprNode.h"

IMPLEMENT_DYNAMIC(CGeneticsSection, CObject)

namespace
{
UINT sectionGeneration = 0;
}

UINT CGeneticsSection::GetSectionGeneration()
{
    return sectionGeneration;
}

CGeneticsSection::CGeneticsSection()
    : m_pConfig(NULL), m_bGenes(FALSE), m_nSexSystem(SEXSYSTEM_XY)
{
    Reset();
}

CGeneticsSection::~CGeneticsSection()
{
    ++sectionGeneration;
    // The owning arrays delete the gene records, rule conditions, rule
    // genotypes, linkage tables and selection elements.
}

void CGeneticsSection::Reset()
{
    ++sectionGeneration;
    m_strName.Empty();
    m_strBaseName.Empty();
    m_bGenes = FALSE;
    m_nSexSystem = SEXSYSTEM_XY;

    m_geneDefs.DeleteAll();
    m_geneDefs.Add(NULL);
    m_geneNames.RemoveAll();
    m_geneNames.Add(CString());
    m_geneDescriptions.RemoveAll();
    m_geneDescriptions.Add(CString());
    m_geneIndex.RemoveAll();
    m_commaNeeded.SetSize(1);
    m_commaNeeded.Set(0, FALSE);

    m_symbolNames.RemoveAll();
    m_symbolNames.Add(CString());
    m_symbolDescriptions.RemoveAll();
    m_symbolDescriptions.Add(CString());
    m_symbolGenes.RemoveAll();
    m_symbolGenes.Add(0);
    m_symbolShares.RemoveAll();
    m_symbolShares.Add(0.0);
    m_symbolIndex.RemoveAll();

    m_describedPairs.RemoveAll();
    m_describedTexts.RemoveAll();
    m_describedSexes.RemoveAll();

    m_ruleKinds.RemoveAll();
    m_ruleConditions.DeleteAll();
    m_ruleGenotypes.DeleteAll();
    m_ruleTexts.RemoveAll();

    m_selectionElements.DeleteAll();
}

void CGeneticsSection::AddToIndex(CMap<CString, LPCTSTR, UINT, UINT>& index, const CString& name, UINT value)
{
    if ((UINT)index.GetCount() >= index.GetHashTableSize())
        index.InitHashTable(index.GetHashTableSize() * 2 + 1);
    index.SetAt(name, value);
}

UINT CGeneticsSection::FindGene(const CString& name) const
{
    UINT gene = 0;
    if (name.IsEmpty() || !m_geneIndex.Lookup(name, gene))
        return 0;
    return gene;
}

const CString& CGeneticsSection::GetGeneName(UINT gene) const
{
    if (gene >= (UINT)m_geneNames.GetSize())
        return m_geneNames[0];
    return m_geneNames[gene];
}

CGeneDef* CGeneticsSection::GetGeneDef(UINT gene) const
{
    if (gene == 0 || gene >= (UINT)m_geneDefs.GetSize())
        return NULL;
    return (CGeneDef*)m_geneDefs[gene];
}

UINT CGeneticsSection::AddGene(const CString& name, BOOL polygene)
{
    const UINT gene = (UINT)m_geneNames.GetSize();
    m_geneNames.Add(name);
    m_geneDescriptions.Add(CString());
    AddToIndex(m_geneIndex, name, gene);
    CGeneDef* def = new CGeneDef;
    def->m_nGene = gene;
    def->m_bPolygene = polygene ? 1 : 0;
    m_geneDefs.Add(def);
    return gene;
}

CGeneticsSection* CGeneticsSection::GetBaseSection() const
{
    if (m_strBaseName.IsEmpty() || m_pConfig == NULL)
        return NULL;
    return m_pConfig->FindSection(m_strBaseName);
}

CGeneticsSection* CGeneticsSection::GetGenesSection()
{
    // The reader refuses a section whose bases do not lead to a genes section,
    // so the walk always ends in one; the bound guards against a broken chain.
    CGeneticsSection* section = this;
    for (int steps = 0; section != NULL && !section->m_bGenes && steps < 10000; steps++)
        section = section->GetBaseSection();
    return section != NULL && section->m_bGenes ? section : this;
}

const CGeneticsSection* CGeneticsSection::GetGenesSection() const
{
    return const_cast<CGeneticsSection*>(this)->GetGenesSection();
}

BOOL CGeneticsSection::IsCommaNeeded(UINT gene) const
{
    return gene < m_commaNeeded.GetSize() && m_commaNeeded.Test(gene);
}

// A gene's pairs need a comma when some two of its alleles written together
// do not read back as that pair: when the joined word is a symbol itself, or
// when a shorter start of the first allele is a symbol and the rest of the
// word a symbol of the same gene, since a word is split at its first such
// point. Both are found from the symbols rather than by trying every pair of
// alleles, which for a gene of thousands of alleles took millions of trials.
void CGeneticsSection::UpdateCommaNeeded()
{
    const UINT genes = (UINT)m_geneNames.GetSize();
    m_commaNeeded.SetSize(genes);
    std::vector<char> needed(genes, 0);
    const int symbolCount = (int)m_symbolNames.GetSize();
    std::string part;
    auto lookup = [this, &part](const char* text, size_t length, UINT& code) {
        part.assign(text, length);
        return m_symbolIndex.Lookup(part.c_str(), code);
    };

    // A symbol that reads as two alleles of one gene written together.
    std::vector<std::pair<std::string, UINT>> sorted;
    sorted.reserve(symbolCount);
    for (int code = 1; code < symbolCount; code++)
    {
        const CString& name = m_symbolNames[code];
        sorted.emplace_back(std::string(name, (size_t)name.GetLength()), (UINT)code);
        for (int pos = 1; pos < name.GetLength(); pos++)
        {
            UINT left, right;
            if (!lookup(name, (size_t)pos, left) || !lookup((LPCTSTR)name + pos, (size_t)(name.GetLength() - pos), right))
                continue;
            const UINT gene = GetSymbolGene(left);
            if (gene == GetSymbolGene(right) && gene < genes)
                needed[gene] = 1;
        }
    }
    std::sort(sorted.begin(), sorted.end());

    // An allele whose shorter start is a symbol, and whose rest followed by
    // an allele of its gene is a symbol of the start's gene.
    for (UINT gene = 1; gene < genes; gene++)
    {
        const CGeneDef* def = GetGeneDef(gene);
        const int count = def ? def->m_symbolCodes.GetSize() : 0;
        for (int i = 0; i < count && !needed[gene]; i++)
        {
            const CString& name = GetSymbolName(def->m_symbolCodes[i]);
            for (int pos = 1; pos < name.GetLength() && !needed[gene]; pos++)
            {
                UINT start;
                if (!lookup(name, (size_t)pos, start))
                    continue;
                const std::string rest((LPCTSTR)name + pos, (size_t)(name.GetLength() - pos));
                for (auto it = std::lower_bound(sorted.begin(), sorted.end(), std::make_pair(rest, 0u));
                     it != sorted.end() && it->first.compare(0, rest.size(), rest) == 0 && !needed[gene]; ++it)
                {
                    UINT second;
                    if (it->first.size() > rest.size() && GetSymbolGene(it->second) == GetSymbolGene(start) &&
                        lookup(it->first.data() + rest.size(), it->first.size() - rest.size(), second) &&
                        GetSymbolGene(second) == gene)
                        needed[gene] = 1;
                }
            }
        }
        m_commaNeeded.Set(gene, count > 0 && needed[gene]);
    }
}

void CGeneticsSection::CopyFromBase(const CGeneticsSection& base)
{
    m_nSexSystem = base.m_nSexSystem;

    m_geneDefs.DeleteAll();
    for (int i = 0; i < base.m_geneDefs.GetSize(); i++)
    {
        const CGeneDef* def = (const CGeneDef*)base.m_geneDefs[i];
        m_geneDefs.Add(def ? def->Clone() : NULL);
    }
    m_geneNames.Copy(base.m_geneNames);
    m_geneDescriptions.Copy(base.m_geneDescriptions);
    m_commaNeeded.SetSize(base.m_commaNeeded.GetSize());
    for (UINT i = 0; i < base.m_commaNeeded.GetSize(); i++)
        m_commaNeeded.Set(i, base.m_commaNeeded.Test(i));

    m_symbolNames.Copy(base.m_symbolNames);
    m_symbolDescriptions.Copy(base.m_symbolDescriptions);
    m_symbolGenes.Copy(base.m_symbolGenes);
    m_symbolShares.Copy(base.m_symbolShares);

    m_geneIndex.RemoveAll();
    for (int i = 1; i < m_geneNames.GetSize(); i++)
        AddToIndex(m_geneIndex, m_geneNames[i], (UINT)i);
    m_symbolIndex.RemoveAll();
    for (int i = 1; i < m_symbolNames.GetSize(); i++)
        AddToIndex(m_symbolIndex, m_symbolNames[i], (UINT)i);

    m_describedPairs.Copy(base.m_describedPairs);
    m_describedTexts.Copy(base.m_describedTexts);
    m_describedSexes.Copy(base.m_describedSexes);

    m_selectionElements.Copy(base.m_selectionElements);

    for (int rule = 0; rule < base.GetRuleCount(); rule++)
    {
        const UINT kind = base.m_ruleKinds[rule];
        if (kind == RULE_GOTO)
            continue;
        const CGeneticsExprNode* condition = (const CGeneticsExprNode*)base.m_ruleConditions[rule];
        const CGenotype* genotype = (const CGenotype*)base.m_ruleGenotypes[rule];
        AddRule(kind, condition ? new CGeneticsExprNode(*condition) : NULL,
                genotype ? new CGenotype(*genotype) : NULL, base.m_ruleTexts[rule]);
    }
}

CString FormatLineReference(int line)
{
    CString text;
    if (line >= 0)
        text.Format("line %d", line);
    else
        text.Format("line %d (genetics extension file)", -line);
    return text;
}

BOOL IsValidName(const CString& text)
{
    if (text.IsEmpty())
        return FALSE;
    for (int i = 0; i < text.GetLength(); i++)
    {
        const char c = text[i];
        const bool valid = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!valid)
            return FALSE;
    }
    return TRUE;
}
