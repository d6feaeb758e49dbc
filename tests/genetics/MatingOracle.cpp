#include "MatingOracle.h"

#include <math.h>
#include <stdlib.h>
#include <vector>

#include "foundation/containers/ArraySorting.h"
#include "foundation/terminology/TokenExpander.h"
#include "genetics/GametePattern.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"

namespace
{
const double NEGLIGIBLE = 0.00000005;
// A share equal to the cut-off up to rounding counts as equal to it.
const double NEGLIGIBLE_UP_TO_ROUNDING = NEGLIGIBLE * (1.0 + 1e-9);

const COwningObArray* Table(const CGeneticsSection& section, int parent, int table)
{
    const COwningObArray& tables = parent == 0 ? section.m_femaleTables : section.m_maleTables;
    return (const COwningObArray*)tables.GetAt(table);
}

// The work area of one prediction.
struct COracle
{
    CGeneticsSection* section;
    CMatingResult* result;
    UINT geneCount;
    int slotCount;
    std::vector<UINT> parentAlleles[2][2];
    std::vector<UINT> childAlleles[2];
    std::vector<UINT> fixedAlleles;
    std::vector<int> chosenTable[2];
    std::vector<int> phase[2];
    std::vector<const CGametePattern*> chosenPattern[2];
    std::vector<bool> fixedSlot;
    CGenotype polygenes;

    BOOL IsPolygene(UINT gene) const { return section->GetGeneDef(gene)->IsPolygene(); }
    int HeterogameticParent() const { return section->m_nSexSystem == SEXSYSTEM_XY ? 1 : 0; }

    void EnumeratePhases(int slot);
    void EnumeratePatterns(int slot);
    void Leaf();
};

void COracle::EnumeratePhases(int slot)
{
    while (slot < slotCount && fixedSlot[slot])
        slot++;
    if (slot >= slotCount)
    {
        EnumeratePatterns(0);
        return;
    }
    for (int a = 0; a < 2; a++)
    {
        for (int b = 0; b < 2; b++)
        {
            chosenTable[0][slot] = chosenTable[1][slot] = slot + 1;
            phase[0][slot] = a;
            phase[1][slot] = b;
            EnumeratePhases(slot + 1);
        }
    }
}

void COracle::EnumeratePatterns(int slot)
{
    while (slot < slotCount && fixedSlot[slot])
        slot++;
    if (slot >= slotCount)
    {
        Leaf();
        return;
    }
    const COwningObArray* maternal = Table(*section, 0, chosenTable[0][slot]);
    const COwningObArray* paternal = Table(*section, 1, chosenTable[1][slot]);
    for (int m = 0; m < (int)maternal->GetSize(); m++)
    {
        for (int f = 0; f < (int)paternal->GetSize(); f++)
        {
            chosenPattern[0][slot] = (const CGametePattern*)maternal->GetAt(m);
            chosenPattern[1][slot] = (const CGametePattern*)paternal->GetAt(f);
            EnumeratePatterns(slot + 1);
        }
    }
}

void COracle::Leaf()
{
    const BOOL sameTable = chosenTable[0][0] == chosenTable[1][0];
    int sex;
    if (section->m_nSexSystem == SEXSYSTEM_XY)
        sex = sameTable ? SEX_FEMALE : SEX_MALE;
    else
        sex = sameTable ? SEX_MALE : SEX_FEMALE;

    for (UINT gene = 1; gene <= geneCount; gene++)
    {
        if (IsPolygene(gene))
            continue;
        for (int c = 0; c < 2; c++)
            childAlleles[c][gene] = section->CanCarryAllele(gene, sex, c) ? ALLELE_UNKNOWN : ALLELE_NONE;
        if (fixedAlleles[gene] != 0)
            childAlleles[0][gene] = childAlleles[1][gene] = fixedAlleles[gene];
    }

    double q = 1.0;
    for (int slot = 0; slot < slotCount; slot++)
    {
        if (fixedSlot[slot])
            continue;
        for (int parent = 0; parent < 2; parent++)
        {
            const int h = phase[parent][slot];
            const CGametePattern* pattern = chosenPattern[parent][slot];
            q = q * pattern->m_dProbability;
            for (int j = 0; j < pattern->GetGeneCount(); j++)
            {
                const int entry = pattern->GetEntry(j);
                const UINT gene = (UINT)abs(entry);
                int side = h;
                if (entry < 0 && !(slot == 0 && parent == HeterogameticParent()))
                    side = 1 - h;
                childAlleles[parent][gene] = parentAlleles[parent][side][gene];
            }
        }
        q = q / 4.0;
    }

    CGenotype genotype;
    for (UINT gene = 1; gene <= geneCount; gene++)
    {
        if (IsPolygene(gene))
            continue;
        if (!IsRealAllele(childAlleles[0][gene]) && !IsRealAllele(childAlleles[1][gene]))
            continue;
        CAllelePair pair;
        pair.m_nGene = gene;
        pair.m_nAllele1 = childAlleles[0][gene];
        pair.m_nAllele2 = childAlleles[1][gene];
        pair.m_nFlags = PAIR_PARSED;
        genotype.AddPair(pair);
    }
    CPredictedOffspring* found = result->FindOffspring(genotype, (UINT)sex);
    if (found != NULL)
    {
        found->m_dProbability += q;
        return;
    }
    CPredictedOffspring* offspring = new CPredictedOffspring;
    offspring->m_dProbability = q;
    offspring->m_nSex = (UINT)sex;
    offspring->m_genotype.Copy(genotype);
    offspring->m_polygenes.Copy(polygenes);
    offspring->m_pGenesSection = section;
    result->AddOffspring(offspring);
}

void RemoveOffspringAt(CMatingResult& result, int index)
{
    delete result.GetOffspring(index);
    result.m_offspring.RemoveAt(index);
}

// The chains of linked genes, each in chain order, taken from the tables.
std::vector<std::vector<UINT>> CollectLinkedChains(const CGeneticsSection& section)
{
    std::vector<std::vector<UINT>> chains;
    for (int table = 0; table < (int)section.m_femaleTables.GetSize(); table++)
    {
        const CGametePattern* first = (const CGametePattern*)Table(section, 0, table)->GetAt(0);
        for (int j = 0; j < first->GetGeneCount(); j++)
        {
            const UINT gene = (UINT)abs(first->GetEntry(j));
            if (j > 0 && section.GetGeneDef(chains.back().back())->m_nNextGene == gene)
                chains.back().push_back(gene);
            else
                chains.push_back(std::vector<UINT>(1, gene));
        }
    }
    return chains;
}

BOOL OrderCarriesNoInformation(const CGeneticsSection& section, UINT gene, UINT sex)
{
    const UINT linkage = section.GetGeneDef(gene)->m_nSexLinkage;
    const int homogametic = section.m_nSexSystem == SEXSYSTEM_XY ? SEX_FEMALE : SEX_MALE;
    return linkage == SEXLINK_NONE || (linkage == SEXLINK_SHARED && sex == (UINT)homogametic);
}

void PutIntoCanonicalOrder(const CGeneticsSection& section, CPredictedOffspring& offspring,
                           const std::vector<std::vector<UINT>>& chains)
{
    CGenotype& genotype = offspring.m_genotype;
    CAllelePair* pairs = genotype.GetPairs();
    for (int i = 0; i < genotype.GetCount(); i++)
    {
        const CGeneDef* def = section.GetGeneDef(pairs[i].m_nGene);
        if (def->m_nNextGene != 0 || def->m_bLinkedTo ||
            !OrderCarriesNoInformation(section, pairs[i].m_nGene, offspring.m_nSex))
            continue;
        if (pairs[i].m_nAllele1 > pairs[i].m_nAllele2)
            std::swap(pairs[i].m_nAllele1, pairs[i].m_nAllele2);
    }
    for (const std::vector<UINT>& chain : chains)
    {
        if (chain.size() < 2 || !OrderCarriesNoInformation(section, chain[0], offspring.m_nSex))
            continue;
        for (UINT gene : chain)
        {
            const int index = genotype.FindPairIndex(gene);
            if (index < 0 || pairs[index].m_nAllele1 == pairs[index].m_nAllele2)
                continue;
            if (pairs[index].m_nAllele1 > pairs[index].m_nAllele2)
            {
                for (UINT swapped : chain)
                {
                    const int k = genotype.FindPairIndex(swapped);
                    if (k >= 0)
                        std::swap(pairs[k].m_nAllele1, pairs[k].m_nAllele2);
                }
            }
            break;
        }
    }
}

CString StripSuffixes(const CString& text)
{
    CString stripped = text;
    if (stripped.GetLength() > MaleLetterSuffix.GetLength() && stripped.Right(MaleLetterSuffix.GetLength()) == MaleLetterSuffix)
        stripped = stripped.Left(stripped.GetLength() - MaleLetterSuffix.GetLength());
    if (stripped.GetLength() > FemaleLetterSuffix.GetLength() &&
        stripped.Right(FemaleLetterSuffix.GetLength()) == FemaleLetterSuffix)
        stripped = stripped.Left(stripped.GetLength() - FemaleLetterSuffix.GetLength());
    return stripped;
}

const CAllelePair* FindOffspringPair(const CPredictedOffspring* offspring, UINT gene)
{
    const CAllelePair* pair = offspring->m_genotype.FindPair(gene);
    return pair != NULL ? pair : offspring->m_polygenes.FindPair(gene);
}
}  // namespace

CString OraclePredictMating(CGeneticsSection& section, CMatingResult& result, const CGenotype& maternal,
                            const CGenotype& paternal)
{
    COracle oracle;
    oracle.section = &section;
    oracle.result = &result;
    oracle.geneCount = section.GetGeneCount();
    oracle.slotCount = (int)section.m_femaleTables.GetSize() - 1;

    // Start from an empty result that belongs to this section.
    result.RemoveAll();
    result.m_pGenesSection = &section;

    // Each parent's alleles per gene and chromosome: the ones typed, unknown
    // where the chromosome can carry the gene, none where it cannot.
    const CGenotype* parents[2] = {&maternal, &paternal};
    for (int p = 0; p < 2; p++)
    {
        for (int c = 0; c < 2; c++)
        {
            oracle.parentAlleles[p][c].assign(oracle.geneCount + 1, ALLELE_NONE);
            for (UINT gene = 1; gene <= oracle.geneCount; gene++)
            {
                if (!oracle.IsPolygene(gene))
                    oracle.parentAlleles[p][c][gene] =
                        section.CanCarryAllele(gene, p, c) ? ALLELE_UNKNOWN : ALLELE_NONE;
            }
        }
        const CAllelePair* pairs = parents[p]->GetPairs();
        for (int i = 0; i < parents[p]->GetCount(); i++)
        {
            if (pairs[i].IsPolygene())
                continue;
            oracle.parentAlleles[p][0][pairs[i].m_nGene] = pairs[i].m_nAllele1;
            oracle.parentAlleles[p][1][pairs[i].m_nGene] = pairs[i].m_nAllele2;
        }
    }

    // Fixed slots: where both parents have one and the same allele on every
    // chromosome for every gene of a slot, every child gets it, and the slot
    // need not be enumerated.
    oracle.fixedAlleles.assign(oracle.geneCount + 1, 0);
    oracle.fixedSlot.assign(oracle.slotCount, false);
    for (int slot = 1; slot < oracle.slotCount; slot++)
    {
        const CGametePattern* first = (const CGametePattern*)Table(section, 0, slot + 1)->GetAt(0);
        bool fixed = true;
        for (int j = 0; j < first->GetGeneCount() && fixed; j++)
        {
            const UINT gene = (UINT)abs(first->GetEntry(j));
            const UINT code = oracle.parentAlleles[0][0][gene];
            fixed = oracle.parentAlleles[0][1][gene] == code && oracle.parentAlleles[1][0][gene] == code &&
                    oracle.parentAlleles[1][1][gene] == code;
        }
        oracle.fixedSlot[slot] = fixed;
        for (int j = 0; j < first->GetGeneCount() && fixed; j++)
        {
            const UINT gene = (UINT)abs(first->GetEntry(j));
            oracle.fixedAlleles[gene] = oracle.parentAlleles[0][0][gene];
        }
    }

    // Polygenes: each child gets the mean of the parents' midpoints.
    const CAllelePair* fatherPairs = paternal.GetPairs();
    for (int i = 0; i < paternal.GetCount(); i++)
    {
        if (!fatherPairs[i].IsPolygene())
            continue;
        const CAllelePair* mother = maternal.FindPair(fatherPairs[i].m_nGene);
        if (mother == NULL)
            continue;
        CAllelePair mean;
        mean.m_nGene = fatherPairs[i].m_nGene;
        mean.m_nFlags = ((UINT)section.GetGeneDef(mean.m_nGene)->m_nPlaces << 4) | 0x3;
        mean.m_dValue = (fatherPairs[i].GetMidpoint() + mother->GetMidpoint()) / 2;
        oracle.polygenes.AddPair(mean);
    }

    // Enumeration: every choice of sex chromosome, phase and gamete pattern of
    // both parents, slot by slot, each adding its child with its share.
    for (int c = 0; c < 2; c++)
        oracle.childAlleles[c].assign(oracle.geneCount + 1, ALLELE_UNKNOWN);
    for (int p = 0; p < 2; p++)
    {
        oracle.chosenTable[p].assign(oracle.slotCount, 0);
        oracle.phase[p].assign(oracle.slotCount, 0);
        oracle.chosenPattern[p].assign(oracle.slotCount, NULL);
    }
    for (int a = 0; a < 2; a++)
    {
        for (int b = 0; b < 2; b++)
        {
            if (section.m_nSexSystem == SEXSYSTEM_XY)
            {
                oracle.chosenTable[0][0] = 0;
                oracle.chosenTable[1][0] = b == 0 ? 0 : 1;
            }
            else
            {
                oracle.chosenTable[1][0] = 0;
                oracle.chosenTable[0][0] = a == 0 ? 1 : 0;
            }
            oracle.phase[0][0] = a;
            oracle.phase[1][0] = b;
            oracle.EnumeratePhases(1);
        }
    }

    // Lethal genotypes leave the result.
    for (int i = 0; i < result.GetOffspringCount();)
    {
        if (section.IsLethal(result.GetOffspring(i)->m_genotype))
            RemoveOffspringAt(result, i);
        else
            i++;
    }

    // Alleles in canonical order, so that equal genotypes compare equal.
    const std::vector<std::vector<UINT>> chains = CollectLinkedChains(section);
    for (int i = 0; i < result.GetOffspringCount(); i++)
        PutIntoCanonicalOrder(section, *result.GetOffspring(i), chains);

    // Equal genotypes merge: their shares add up, and differing sexes become either.
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        CPredictedOffspring* first = result.GetOffspring(i);
        for (int j = i + 1; j < result.GetOffspringCount();)
        {
            CPredictedOffspring* later = result.GetOffspring(j);
            if (!first->m_genotype.IsEqual(later->m_genotype))
            {
                j++;
                continue;
            }
            first->m_dProbability += later->m_dProbability;
            if (first->m_nSex != later->m_nSex)
                first->m_nSex = SEX_EITHER;
            RemoveOffspringAt(result, j);
        }
    }

    // Negligible shares leave the result, judged after the merge.
    for (int i = 0; i < result.GetOffspringCount();)
    {
        if (result.GetOffspring(i)->m_dProbability <= NEGLIGIBLE_UP_TO_ROUNDING)
            RemoveOffspringAt(result, i);
        else
            i++;
    }

    // Normalise the shares to sum to one.
    double sum = 0;
    for (int i = 0; i < result.GetOffspringCount(); i++)
        sum += result.GetOffspring(i)->m_dProbability;
    if (sum > NEGLIGIBLE)
    {
        // Rounded to 40 significant bits, as the product does, so that shares
        // equal in exact arithmetic compare equal.
        for (int i = 0; i < result.GetOffspringCount(); i++)
        {
            int exponent = 0;
            const double mantissa = frexp(result.GetOffspring(i)->m_dProbability / sum, &exponent);
            result.GetOffspring(i)->m_dProbability =
                ldexp(floor(mantissa * 1099511627776.0 + 0.5) / 1099511627776.0, exponent);
        }
    }

    // Texts: each child's phenotype, its phenotype with carried traits, the
    // carried traits alone and its rules section.
    CString firstName;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        CPredictedOffspring* offspring = result.GetOffspring(i);
        CGenotype full;
        full.Copy(offspring->m_genotype);
        full.Merge(offspring->m_polygenes);
        full.Sort();
        CString name;
        offspring->m_strPhenotype = section.DeducePhenotype(full, 0, &name);
        offspring->m_strPhenotypeWithCarriedTraits = section.DeducePhenotype(full, 1);
        offspring->m_strCarriedTraits = section.DeducePhenotype(full, 2);
        offspring->m_strRulesSectionName = name;
        offspring->m_pRulesSection = section.m_pConfig != NULL ? section.m_pConfig->FindSection(name) : NULL;
        if (!name.IsEmpty())
        {
            if (firstName.IsEmpty())
                firstName = name;
            else if (name != firstName)
                result.m_bRulesSectionsDiffer = 1;
        }
    }

    // The report's lists, and the children by share.
    OracleCollateTexts(result);
    result.SortByShare();
    return CString();
}

void OracleCollateTexts(CMatingResult& result)
{
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        for (int i = 0; i < result.GetOffspringCount(); i++)
        {
            const CPredictedOffspring* offspring = result.GetOffspring(i);
            CString text = list == 0 ? offspring->GetPhenotype()
                           : list == 1 ? offspring->GetPhenotypeWithCarriedTraits()
                                       : offspring->GetCarriedTraits();
            // The phenotype lists name an offspring without a phenotype as
            // its genotype line does.
            if (text.IsEmpty() && list != 2)
                ExpandTokens("~Unknown~ ~phenotype~", text);
            text = AppendSexSuffix(text, offspring->m_nSex);
            CMatingResultItem* item = result.FindItem(list, text);
            if (item != NULL)
                item->m_dProbability += offspring->m_dProbability;
            else
                result.AddItem(list, new CMatingResultItem(offspring->m_dProbability, text));
        }
        for (int a = 0; a < result.GetItemCount(list); a++)
        {
            for (int b = a + 1; b < result.GetItemCount(list); b++)
            {
                CMatingResultItem* first = result.GetItem(list, a);
                CMatingResultItem* second = result.GetItem(list, b);
                const CString remaining = StripSuffixes(first->m_strText);
                if (remaining != StripSuffixes(second->m_strText))
                    continue;
                first->m_dProbability += second->m_dProbability;
                first->m_strText = remaining;
                delete second;
                result.m_lists[list].RemoveAt(b);
                break;
            }
        }
    }
}

void OracleCollate(const CMatingResult& result, CStringArray& lines)
{
    lines.RemoveAll();
    CDWordArray genes;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        const CPredictedOffspring* offspring = result.GetOffspring(i);
        for (int k = 0; k < offspring->m_genotype.GetCount(); k++)
            genes.Add(offspring->m_genotype.GetPairs()[k].m_nGene);
        for (int k = 0; k < offspring->m_polygenes.GetCount(); k++)
            genes.Add(offspring->m_polygenes.GetPairs()[k].m_nGene);
    }
    SortDWordArray(&genes);
    RemoveAdjacentDuplicates(&genes);
    CDWordArray common;
    for (int g = 0; g < genes.GetSize() && result.GetOffspringCount() > 0; g++)
    {
        const CAllelePair* first = FindOffspringPair(result.GetOffspring(0), genes[g]);
        bool all = first != NULL;
        for (int i = 1; i < result.GetOffspringCount() && all; i++)
        {
            const CAllelePair* pair = FindOffspringPair(result.GetOffspring(i), genes[g]);
            all = pair != NULL && pair->IsEqual(*first);
        }
        if (all)
            common.Add(genes[g]);
    }

    CStringArray texts;
    CStringArray names;
    std::vector<double> shares;
    std::vector<UINT> sexes;
    const int rulesSections = result.m_pGenesSection->m_pConfig != NULL
                                  ? result.m_pGenesSection->m_pConfig->CountRulesSections()
                                  : 0;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        const CPredictedOffspring* offspring = result.GetOffspring(i);
        CGenotype full;
        full.Copy(offspring->m_genotype);
        full.Merge(offspring->m_polygenes);
        full.Sort();
        CString name;
        CString phenotype = result.m_pGenesSection->DeducePhenotype(full, 1, &name);
        if (phenotype.IsEmpty())
            ExpandTokens("~Unknown~ ~phenotype~", phenotype);
        else if (rulesSections > 1)
            phenotype += " (" + name + ")";
        texts.Add(offspring->Describe(common) + " - " + phenotype);
        names.Add(name);
        shares.push_back(offspring->m_dProbability);
        sexes.push_back(offspring->m_nSex);
    }
    for (int k = 0; k + 1 < texts.GetSize(); k++)
    {
        for (int m = k + 1; m < texts.GetSize();)
        {
            if (texts[k] != texts[m] || names[k] != names[m])
            {
                m++;
                continue;
            }
            shares[k] += shares[m];
            if (sexes[k] != sexes[m])
                sexes[k] = SEX_EITHER;
            texts.RemoveAt(m);
            names.RemoveAt(m);
            shares.erase(shares.begin() + m);
            sexes.erase(sexes.begin() + m);
        }
    }
    for (int k = 0; k < texts.GetSize(); k++)
    {
        CString line = FormatPercent(shares[k], 2) + " " + texts[k];
        if (result.m_bRulesSectionsDiffer)
            line += " [" + names[k] + "]";
        lines.Add(AppendSexSuffix(line, sexes[k]));
    }
}
