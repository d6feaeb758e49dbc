// Configurations far larger than any real one load in time proportional to
// their size, or are refused with a message when their sections would hold
// more than the memory can.
#include "GeneticsTestSupport.h"
#include "support/ThreadCpuTime.h"

namespace
{
CString Lines(const char* format, int count, int offset = 0)
{
    CString text;
    CString line;
    for (int i = 0; i < count; i++)
    {
        line.Format(format, i + offset, i + offset, i + offset);
        text += line;
    }
    return text;
}

CString ManyGenes(int count)
{
    return "[genes G]\n" + Lines("gene G%d P%d, q%d\n", count) + "[rules R]\nbaseon G\nq0,q0 say recessive\n";
}

CString ManyAlleles(int count)
{
    return "[genes G]\ngene A a0" + Lines(", a%d", count - 1, 1) + "\n[rules R]\nbaseon G\na0,a0 say first\n";
}

CString ManyContinuedLines(int count)
{
    return "[genes G]\ngene A a0, a1\ndescribe gene A w0 \\\n" + Lines("w%d \\\n", count - 2, 1) +
           "end\n[rules R]\nbaseon G\na0,a0 say first\n";
}

CString ManyCommentAndNotesLines(int count)
{
    return Lines("# comment %d\nnotes line %d\n", count) + ManyGenes(10);
}
}  // namespace

TEST(LargeConfiguration, LoadsInTimeProportionalToItsSize)
{
    const struct
    {
        const char* what;
        CString text;
        UINT genes;
        UINT symbols;
    } cases[] = {
        {"20,000 genes", ManyGenes(20000), 20000, 40000},
        {"a gene of 2,000 alleles", ManyAlleles(2000), 1, 2000},
        {"100,000 continued lines", ManyContinuedLines(100000), 1, 2},
        {"50,000 comment and notes lines", ManyCommentAndNotesLines(50000), 10, 20},
    };
    for (const auto& c : cases)
    {
        CGeneticsConfig config;
        const CThreadCpuTimer timer;
        EXPECT_TEXT(ReadConfigText(config, c.text), "") << c.what;
        EXPECT_LT(timer.Milliseconds(), 2000u) << c.what;
        ASSERT_EQ(config.GetSectionCount(), 2) << c.what;
        EXPECT_EQ(config.GetSection(0)->GetGeneCount(), c.genes) << c.what;
        EXPECT_EQ(config.GetSection(0)->GetSymbolCount(), c.symbols) << c.what;
        EXPECT_EQ(config.GetSection(1)->GetSymbolCount(), c.symbols) << c.what;
    }
}

// Allele codes from 0xFFFD on mean "!", "?" and "-": a gene of more alleles
// would have them read as such.
TEST(LargeConfiguration, AllelesBeyondTheLastCodeAreRefused)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, ManyAlleles(65532)), "");
    EXPECT_TEXT(ReadConfigText(config, ManyAlleles(65533)),
                "line 2, too many allele and range symbols, at most 65532 may be defined");
}

TEST(LargeConfiguration, ContinuedLinesJoinAndKeepTheNumberOfTheirFirstLine)
{
    CGeneticsConfig config;
    // The last line of all continues nowhere, its backslash kept.
    EXPECT_TEXT(ReadConfigText(config, "[genes G]\ngene A a1, \\\n\\\na2, \\\na3\ngene B b1, b2\n"
                                       "[rules R]\nbaseon G\na1,a1 say x\nq\\\n"),
                "line 10, unknown control line");
    EXPECT_TEXT(ReadConfigText(config, "[genes G]\ngene A a1, \\\na2\ngene B b1, \\\nb1\n"),
                "line 4, duplicate alleles seen");
}

TEST(LargeConfiguration, SectionsBasedOneOnAnotherAreRefusedBeforeTheyExhaustTheMemory)
{
    // Each rules section copies the rules of the one it is based on: 3,000
    // of them would hold 4.5 million rules.
    CString text = "[genes G]\ngene A A, a\n[rules R0]\nbaseon G\na,a say zero\n";
    for (int i = 1; i < 3000; i++)
    {
        CString section;
        section.Format("[rules R%d]\nbaseon R%d\na,a say level %d\n", i, i - 1, i);
        text += section;
    }
    CGeneticsConfig config;
    const CString error = ReadConfigText(config, text);
    EXPECT_NE(error.Find("the sections hold more than 1000000 genes, alleles and rules together near line "), -1)
        << (LPCTSTR)error;
}
