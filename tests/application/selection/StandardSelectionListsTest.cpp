// The selection lists of the standard configurations offer what breeders type:
// for each gene a list covers, every pair of its alleles that a living dog can
// have (one allele for a male's X-linked gene), unless the list takes a typed
// other value.
#include "application/selection/GenSelGenes.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/GeneDef.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace
{
typedef std::pair<UINT, UINT> AllelePair;

AllelePair Unordered(UINT first, UINT second)
{
    return first < second ? AllelePair(first, second) : AllelePair(second, first);
}

class StandardSelectionLists : public ::testing::TestWithParam<const char*>
{
};

TEST_P(StandardSelectionLists, OfferEveryLivingPairOfTheirGenes)
{
    CGeneticsConfig config;
    ASSERT_STREQ((LPCTSTR)LoadShippedConfiguration(config, CString(GetParam()) + ".txt"), "");
    CGeneticsSection* rules = config.FindFirstRulesSection();
    ASSERT_NE(rules, nullptr);
    CGeneticsSection* genesSection = rules->GetGenesSection();
    int lists = 0;
    for (int i = 0; i < rules->m_selectionElements.GetSize(); i++)
    {
        CGenSelGenes* genes = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)rules->m_selectionElements[i]);
        if (genes == NULL || genes->HasOtherValue())
            continue;
        lists++;
        const BOOL male = !genes->AppliesTo(rules, SEX_FEMALE);
        std::set<UINT> covered;
        std::set<AllelePair> offered;
        for (const CGenSelChoice& choice : genes->m_choices)
        {
            const CGenotype& first = choice.front();
            for (int p = 0; p < first.GetCount(); p++)
            {
                const CAllelePair& pair = first.GetPairs()[p];
                covered.insert(pair.m_nGene);
                offered.insert(Unordered(pair.m_nAllele1, male ? pair.m_nAllele1 : pair.m_nAllele2));
            }
        }
        for (const UINT gene : covered)
        {
            const CGeneDef* definition = genesSection->GetGeneDef(gene);
            const CDWordArray& alleles = definition->m_symbolCodes;
            for (int a = 0; a < alleles.GetSize(); a++)
            {
                for (int b = male ? a : 0; b <= a; b++)
                {
                    CGenotype genotype;
                    CAllelePair pair;
                    pair.m_nGene = gene;
                    pair.m_nAllele1 = alleles[a];
                    pair.m_nAllele2 = alleles[b];
                    genotype.AddPair(pair);
                    if (genesSection->IsLethal(genotype))
                        continue;
                    EXPECT_EQ(offered.count(Unordered(alleles[a], alleles[b])), 1u)
                        << GetParam() << ": " << (LPCTSTR)genes->m_strLabel << " lacks "
                        << (LPCTSTR)genotype.Format(genesSection, 0);
                }
            }
        }
    }
    EXPECT_GT(lists, 0);
}

INSTANTIATE_TEST_SUITE_P(Shipped, StandardSelectionLists,
                         ::testing::Values("BorderCollieAussie", "Dachshund", "GeneralCanine", "GreatDane",
                                           "Labrador"));
}  // namespace
