// Predictions whose offspring have long texts: the texts are made once and
// shared, and a report too long to hold ends the prediction with an error
// instead of exhausting the memory.
#include <set>

#include "LongTextConfig.h"
#include "PredictionTestSupport.h"
#include "support/ThreadCpuTime.h"

namespace
{
struct LongTextMating
{
    LongTextMating(int genes, int sayWords, int carriedWords)
        : config(LongTextGenesText(genes, sayWords, carriedWords, parent))
    {
    }

    CString Predict(CMatingResult& result)
    {
        CGeneticsSection* genes = config.Section(0);
        return genes->PredictMating(result, ParseGenotype(genes, parent, SEX_FEMALE),
                                    ParseGenotype(genes, parent, SEX_MALE));
    }

    CString parent;
    CTestConfig config;
};
}  // namespace

// Nine loci heterozygous in both parents with texts of 125 words used to
// exhaust the memory (hundreds of megabytes of texts) and end the program.
TEST(LongTextPrediction, AReportTooLongToHoldEndsInAnErrorInsteadOfExhaustingTheMemory)
{
    LongTextMating mating(9, 125, 125);
    CMatingResult result;
    const CThreadCpuTimer timer;
    CString expected;
    expected.Format("the report of the mating would be longer than %u characters, too long to show",
                    MAX_REPORT_LENGTH);
    EXPECT_TEXT(mating.Predict(result), expected);
    EXPECT_EQ(result.GetOffspringCount(), 0);
    EXPECT_EQ(result.GetItemCount(RESULT_LIST_PHENOTYPES), 0);
    EXPECT_LT(timer.Milliseconds(), 30000u);
}

TEST(LongTextPrediction, TheCallersLimitOnTheReportHoldsForThePredictionAndTheReport)
{
    LongTextMating mating(3, 3, 2);
    CMatingResult full;
    ASSERT_STREQ((LPCTSTR)mating.Predict(full), "");
    CString report = "before\n";
    ASSERT_STREQ((LPCTSTR)full.WriteReport(report), "");
    int lineEnds = 0;
    for (int i = 0; i < report.GetLength(); i++)
        lineEnds += report[i] == '\n' ? 1 : 0;
    const UINT shown = (UINT)(report.GetLength() + lineEnds);

    // The report fits exactly, or by one character too few; a limit below the
    // texts themselves stops the prediction.
    const struct
    {
        UINT limit;
        bool predicted;
        bool written;
    } cases[] = {{shown, true, true}, {shown - 1, true, false}, {200, false, false}};
    for (const auto& c : cases)
    {
        CMatingResult result;
        result.m_nMaxReportLength = c.limit;
        const CString error = mating.Predict(result);
        EXPECT_EQ(error.IsEmpty(), c.predicted) << c.limit;
        EXPECT_EQ(result.GetOffspringCount(), c.predicted ? 27 : 0) << c.limit;
        if (!c.predicted)
        {
            EXPECT_TEXT(error, result.TooLongReport());
            continue;
        }
        CString written = "before\n";
        const CString writeError = result.WriteReport(written);
        EXPECT_EQ(writeError.IsEmpty(), c.written) << c.limit;
        EXPECT_TEXT(written, c.written ? report : CString("before\n"));
    }
}

// Offspring with equal texts hold one shared string, not a copy each; and the
// long texts still agree with the step-by-step reference enumeration.
TEST(LongTextPrediction, EqualTextsAreSharedAndAgreeWithTheReference)
{
    LongTextMating mating(4, 3, 2);
    CMatingResult result;
    ASSERT_STREQ((LPCTSTR)mating.Predict(result), "");
    ASSERT_EQ(result.GetOffspringCount(), 81);
    std::set<const char*> buffers[3];
    std::set<CString> texts[3];
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        const CPredictedOffspring* offspring = result.GetOffspring(i);
        const CString* kinds[3] = {&offspring->m_strPhenotype, &offspring->m_strCarriedTraits,
                                   &offspring->m_strPhenotypeWithCarriedTraits};
        for (int k = 0; k < 3; k++)
        {
            buffers[k].insert(kinds[k]->GetString());
            texts[k].insert(*kinds[k]);
        }
    }
    EXPECT_EQ(texts[0].size(), 16u);  // dominant or recessive at each locus
    EXPECT_EQ(texts[1].size(), 16u);  // carrier or not at each locus
    EXPECT_EQ(texts[2].size(), 81u);
    for (int k = 0; k < 3; k++)
        EXPECT_EQ(buffers[k].size(), texts[k].size()) << k;

    CGeneticsSection* genes = mating.config.Section(0);
    ExpectPredictionsAgree(genes, ParseGenotype(genes, mating.parent, SEX_FEMALE),
                           ParseGenotype(genes, mating.parent, SEX_MALE));
}
