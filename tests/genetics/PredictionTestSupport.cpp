#include "PredictionTestSupport.h"

#include <string.h>

#include <vector>

#include "MatingOracle.h"
#include "genetics/GeneticsConfig.h"

namespace
{
CString PairsText(const CGenotype& genotype)
{
    CString text;
    const CAllelePair* pairs = genotype.GetPairs();
    for (int i = 0; i < genotype.GetCount(); i++)
    {
        CString pair;
        pair.Format("(%u:%u,%u/%x/%.12g)", pairs[i].m_nGene, pairs[i].m_nAllele1, pairs[i].m_nAllele2,
                    pairs[i].m_nFlags, pairs[i].m_dValue);
        text += pair;
    }
    return text;
}

CString OffspringKey(const CPredictedOffspring* offspring)
{
    CString key;
    key.Format("%u ", offspring->m_nSex);
    return key + PairsText(offspring->m_genotype) + " " + PairsText(offspring->m_polygenes) + " [" +
           offspring->m_strRulesSectionName + "] " + offspring->m_strPhenotype + " | " +
           offspring->m_strPhenotypeWithCarriedTraits + " | " + offspring->m_strCarriedTraits;
}

// Compares two sequences of keys with their shares, in order.
void ExpectSameSequence(const char* what, const std::vector<CString>& fastKeys, const std::vector<double>& fastShares,
                        const std::vector<CString>& oracleKeys, const std::vector<double>& oracleShares)
{
    ASSERT_EQ(fastKeys.size(), oracleKeys.size()) << what;
    for (size_t i = 0; i < fastKeys.size(); i++)
        EXPECT_NEAR(fastShares[i], oracleShares[i], 1e-12) << what << " #" << i;
    for (size_t i = 0; i < fastKeys.size(); i++)
        EXPECT_TEXT(fastKeys[i], oracleKeys[i]) << what << " #" << i;
}
}  // namespace

void ExpectSameResults(const CMatingResult& fast, const CMatingResult& oracle)
{
    EXPECT_EQ(fast.m_pGenesSection, oracle.m_pGenesSection);
    EXPECT_EQ(fast.m_bRulesSectionsDiffer, oracle.m_bRulesSectionsDiffer);
    {
        std::vector<CString> fastKeys, oracleKeys;
        std::vector<double> fastShares, oracleShares;
        for (int i = 0; i < fast.GetOffspringCount(); i++)
        {
            fastKeys.push_back(OffspringKey(fast.GetOffspring(i)));
            fastShares.push_back(fast.GetOffspring(i)->m_dProbability);
            EXPECT_EQ(fast.GetOffspring(i)->m_pRulesSection,
                      fast.m_pGenesSection->m_pConfig ? fast.m_pGenesSection->m_pConfig->FindSection(
                                                            fast.GetOffspring(i)->m_strRulesSectionName)
                                                      : NULL);
        }
        for (int i = 0; i < oracle.GetOffspringCount(); i++)
        {
            oracleKeys.push_back(OffspringKey(oracle.GetOffspring(i)));
            oracleShares.push_back(oracle.GetOffspring(i)->m_dProbability);
        }
        ExpectSameSequence("offspring", fastKeys, fastShares, oracleKeys, oracleShares);
    }
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        std::vector<CString> fastKeys, oracleKeys;
        std::vector<double> fastShares, oracleShares;
        for (int i = 0; i < fast.GetItemCount(list); i++)
        {
            fastKeys.push_back(fast.GetItem(list, i)->m_strText);
            fastShares.push_back(fast.GetItem(list, i)->m_dProbability);
        }
        for (int i = 0; i < oracle.GetItemCount(list); i++)
        {
            oracleKeys.push_back(oracle.GetItem(list, i)->m_strText);
            oracleShares.push_back(oracle.GetItem(list, i)->m_dProbability);
        }
        CString what;
        what.Format("list %d", list);
        ExpectSameSequence(what, fastKeys, fastShares, oracleKeys, oracleShares);
    }
    CStringArray fastLines, oracleLines;
    fast.Collate(fastLines);
    OracleCollate(oracle, oracleLines);
    ASSERT_EQ(fastLines.GetSize(), oracleLines.GetSize());
    for (int i = 0; i < fastLines.GetSize(); i++)
        EXPECT_TEXT(fastLines[i], oracleLines[i]) << "report line " << i;
}

void ExpectPredictionsAgree(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father)
{
    CMatingResult fast;
    CMatingResult oracle;
    EXPECT_TEXT(genes->PredictMating(fast, mother, father), "");
    EXPECT_TEXT(OraclePredictMating(*genes, oracle, mother, father), "");
    ExpectSameResults(fast, oracle);
}

const CPredictedOffspring* FindPredicted(const CMatingResult& result, const char* genotype)
{
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        CGenotype copy;
        copy.Copy(result.GetOffspring(i)->m_genotype);
        copy.Merge(result.GetOffspring(i)->m_polygenes);
        if (copy.Format(result.m_pGenesSection, FORMAT_SHOW_NONE) == genotype)
            return result.GetOffspring(i);
    }
    return NULL;
}

double OffspringShare(const CMatingResult& result, const char* genotype)
{
    const CPredictedOffspring* offspring = FindPredicted(result, genotype);
    return offspring != NULL ? offspring->m_dProbability : -1.0;
}

double ItemShare(const CMatingResult& result, int list, const char* text)
{
    const CMatingResultItem* item = result.FindItem(list, text);
    return item != NULL ? item->m_dProbability : -1.0;
}

CString DescribeOffspring(const CMatingResult& result)
{
    CString text;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        CGenotype copy;
        copy.Copy(result.GetOffspring(i)->m_genotype);
        CString line;
        line.Format("%s sex %u %.6f; ", (LPCTSTR)copy.Format(result.m_pGenesSection, FORMAT_SHOW_NONE),
                    result.GetOffspring(i)->m_nSex, result.GetOffspring(i)->m_dProbability);
        text += line;
    }
    return text;
}

double TotalShare(const CMatingResult& result)
{
    double sum = 0;
    for (int i = 0; i < result.GetOffspringCount(); i++)
        sum += result.GetOffspring(i)->m_dProbability;
    return sum;
}

CString ManyHeterozygousGenes(int count, CString& heterozygous)
{
    CString text = "[genes Main]\n";
    heterozygous.Empty();
    for (int i = 0; i < count; i++)
    {
        CString line;
        line.Format("gene G%d P%d, q%d\n", i, i, i);
        text += line;
        line.Format("P%d,q%d ", i, i);
        heterozygous += line;
    }
    return text;
}
