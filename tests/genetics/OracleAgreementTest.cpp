// Random configurations and parents: the fast prediction must give exactly
// what the step-by-step oracle gives.
#include <random>

#include "MatingOracle.h"
#include "PredictionTestSupport.h"
#include "genetics/GeneticsConfigLoad.h"

#define ASSERT_TEXT_EMPTY(text) ASSERT_STREQ((LPCTSTR)(text), "")

namespace
{
struct CRandomMating
{
    CString m_strConfig;
    CString m_strMother;
    CString m_strFather;
};

class CMatingGenerator
{
public:
    explicit CMatingGenerator(unsigned seed) : m_random(seed) {}

    // dyadic: crossover percentages whose fractions are exact in binary, so
    // that every share is computed without rounding; otherwise any rates,
    // among them rates that put shares right at the cut-off.
    CRandomMating Make(bool dyadic);

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    CString Percent(bool dyadic);
    CString Allele(int gene, int allele) const;
    CString Pattern(int gene, const CString& first, const CString& second) const;
    CString ParentPair(int gene, int sex, bool zw, bool heterozygous);

    std::mt19937 m_random;
    std::vector<int> m_alleleCounts;
    std::vector<int> m_linkage;
};

CString CMatingGenerator::Percent(bool dyadic)
{
    static const char* const kDyadic[] = {"0", "6.25", "12.5", "25", "37.5", "50", "100"};
    static const char* const kAny[] = {"0", "1", "10", "33.3", "45", "50", "0.00004"};
    return dyadic ? kDyadic[Pick(7)] : kAny[Pick(7)];
}

CString CMatingGenerator::Allele(int gene, int allele) const
{
    CString name;
    name.Format("a%d_%d", gene, allele);
    return name;
}

// A rule pattern of two alleles; a gene of the unshared sex chromosome has a
// single allele, which the pattern gives alone.
CString CMatingGenerator::Pattern(int gene, const CString& first, const CString& second) const
{
    if (m_linkage[gene] == SEXLINK_UNSHARED)
        return first == "-" ? second : first;
    return first + "," + second;
}

CString CMatingGenerator::ParentPair(int gene, int sex, bool zw, bool heterozygous)
{
    const int count = m_alleleCounts[gene];
    const int first = Pick(count);
    const int second = heterozygous ? (first + 1 + Pick(count - 1)) % count : first;
    const bool heterogametic = (sex == SEX_MALE) != zw;
    const int linkage = m_linkage[gene];
    if (linkage == SEXLINK_UNSHARED)
    {
        if (!heterogametic)
            return "";
        return zw ? Allele(gene, first) + ",!" : "!," + Allele(gene, first);
    }
    if (linkage == SEXLINK_SHARED && heterogametic)
        return zw ? "!," + Allele(gene, first) : Allele(gene, first) + ",!";
    return Allele(gene, first) + "," + Allele(gene, second);
}

CRandomMating CMatingGenerator::Make(bool dyadic)
{
    CRandomMating mating;
    const bool zw = Chance(0.3);
    const int genes = 2 + Pick(7);
    m_alleleCounts.assign(genes, 2);
    m_linkage.assign(genes, SEXLINK_NONE);
    CString& text = mating.m_strConfig;
    text = "[genes Main]\n";
    if (zw)
        text += "sexsystem zw\n";
    for (int g = 0; g < genes; g++)
    {
        m_alleleCounts[g] = 2 + (Chance(0.3) ? 1 : 0);
        CString line;
        line.Format("gene G%d ", g);
        for (int a = 0; a < m_alleleCounts[g]; a++)
            line += (a > 0 ? ", " : "") + Allele(g, a);
        text += line + "\n";
        const double roll = std::uniform_real_distribution<double>(0, 1)(m_random);
        m_linkage[g] = roll < 0.25 ? SEXLINK_SHARED : roll < 0.35 ? SEXLINK_UNSHARED : SEXLINK_NONE;
        if (m_linkage[g] != SEXLINK_NONE)
        {
            line.Format("%s-link G%d\n", m_linkage[g] == SEXLINK_SHARED ? "X" : "Y", g);
            text += line;
        }
    }
    // Chains: each gene may link to the next later gene of the same kind, so
    // the links never branch or close a ring.
    std::vector<bool> linkedTo(genes, false);
    for (int g = 0; g < genes; g++)
    {
        for (int next = g + 1; next < genes; next++)
        {
            if (m_linkage[next] != m_linkage[g] || linkedTo[next])
                continue;
            if (Chance(0.5))
            {
                text += "link G" + CString((char)('0' + g)) + " G" + CString((char)('0' + next)) + " " +
                        Percent(dyadic) + (Chance(0.5) ? " " + Percent(dyadic) : CString()) + "\n";
                linkedTo[next] = true;
            }
            break;
        }
    }
    text += "polygene Size places=1\n";
    if (Chance(0.5))
        text += Pattern(0, Allele(0, 0), Allele(0, 0)) + " lethal\n";
    text += Pattern(0, Allele(0, 1), "-") + " goto Other\n";
    text += "always goto Coat\n";
    text += "[rules Coat]\nbaseon Main\n";
    for (int g = 0; g < genes; g++)
    {
        CString line;
        line.Format(" say W%d\n", g);
        text += Pattern(g, Allele(g, 0), "-") + line;
        if (m_linkage[g] != SEXLINK_UNSHARED)
        {
            line.Format(" carries C%d\n", g);
            text += Pattern(g, Allele(g, 0), Allele(g, 1)) + line;
        }
        if (Chance(0.3))
        {
            line.Format(" masks G%d\n", (g + 1) % genes);
            text += Pattern(g, Allele(g, 1), Allele(g, 1)) + line;
        }
    }
    text += "[rules Other]\nbaseon Main\n";
    text += Pattern(genes - 1, Allele(genes - 1, 1), "-") + " say Other\n";

    // Parents: at most six genes heterozygous in both.
    int segregating = 0;
    for (int g = 0; g < genes; g++)
    {
        const bool motherHet = segregating < 6 && Chance(0.7);
        const bool fatherHet = segregating < 6 && Chance(0.7);
        if (motherHet && fatherHet)
            segregating++;
        if (!Chance(0.1))
            mating.m_strMother += ParentPair(g, SEX_FEMALE, zw, motherHet) + " ";
        if (!Chance(0.1))
            mating.m_strFather += ParentPair(g, SEX_MALE, zw, fatherHet) + " ";
    }
    if (Chance(0.5))
    {
        mating.m_strMother += "Size=4.5";
        if (Chance(0.7))
            mating.m_strFather += "Size=7";
    }
    mating.m_strMother.TrimRight();
    mating.m_strFather.TrimRight();
    return mating;
}

// What the random matings covered, so that a generator that drifts into
// trivial cases is noticed.
struct CCoverage
{
    int m_nLarge = 0;          // 50 offspring or more
    int m_nSexed = 0;          // some offspring of one sex only
    int m_nRulesDiffer = 0;
    int m_nLinked = 0;
    int m_nLethal = 0;
};

void CheckRandomMatings(unsigned seed, int count, bool dyadic)
{
    EnsureDefaultTerms();
    RefreshSexLetterTexts();
    CMatingGenerator generator(seed);
    CCoverage coverage;
    for (int i = 0; i < count; i++)
    {
        const CRandomMating mating = generator.Make(dyadic);
        SCOPED_TRACE(std::string("configuration:\n") + (LPCTSTR)mating.m_strConfig + "mother: " +
                     (LPCTSTR)mating.m_strMother + "\nfather: " + (LPCTSTR)mating.m_strFather);
        CTestConfig config(mating.m_strConfig);
        ASSERT_EQ(config.m_config.GetSectionCount(), 3);
        CGeneticsSection* genes = config.Section(0);
        CGenotype mother;
        CGenotype father;
        if (!mating.m_strMother.IsEmpty())
        {
            ASSERT_TEXT_EMPTY(mother.Parse(genes, mating.m_strMother, SEX_FEMALE, 0));
        }
        if (!mating.m_strFather.IsEmpty())
        {
            ASSERT_TEXT_EMPTY(father.Parse(genes, mating.m_strFather, SEX_MALE, 0));
        }
        ExpectPredictionsAgree(genes, mother, father);
        if (::testing::Test::HasFailure())
            return;

        CMatingResult result;
        genes->PredictMating(result, mother, father);
        coverage.m_nLarge += result.GetOffspringCount() >= 50;
        coverage.m_nRulesDiffer += result.m_bRulesSectionsDiffer != 0;
        coverage.m_nLinked += mating.m_strConfig.Find("link G") >= 0;
        coverage.m_nLethal += mating.m_strConfig.Find("lethal") >= 0;
        for (int k = 0; k < result.GetOffspringCount(); k++)
        {
            if (result.GetOffspring(k)->m_nSex != (UINT)SEX_EITHER)
            {
                coverage.m_nSexed++;
                break;
            }
        }
    }
    EXPECT_GE(coverage.m_nLarge, count / 10);
    EXPECT_GE(coverage.m_nSexed, count / 5);
    EXPECT_GE(coverage.m_nRulesDiffer, count / 10);
    EXPECT_GE(coverage.m_nLinked, count / 2);
    EXPECT_GE(coverage.m_nLethal, count / 4);
}
}  // namespace

TEST(OracleAgreement, RandomMatingsWithExactSharesGiveIdenticalResults)
{
    CheckRandomMatings(20261207, 150, true);
}

TEST(OracleAgreement, RandomMatingsWithAnyCrossoverRatesAgree)
{
    CheckRandomMatings(4242, 150, false);
}
