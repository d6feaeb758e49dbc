// Benchmark of the mating prediction: k unlinked genes heterozygous in both
// parents (3^k distinct offspring), each gene with a visible recessive trait
// and a carried trait, so that every offspring has its own texts. Times the
// product's prediction with collation and report lines for k = 4..10 and the
// step-by-step reference enumeration of the tests for k = 4..6, and reports
// the peak memory (reached at k = 10).
//   bench_predict [runs]
#include "afx/AfxCore.h"

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "foundation/terminology/TerminologySetup.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"
// The reference enumeration lives with the tests; the benchmark compiles it in.
#include "tests/genetics/MatingOracle.cpp"
#include "tools/programs/BenchTimer.h"

namespace
{
CString ConfigText(int genes)
{
    CString text = "[genes Bench]\nalways goto Traits\n";
    CString rules = "[rules Traits]\nbaseon Bench\n";
    for (int g = 0; g < genes; g++)
    {
        CString line;
        line.Format("gene G%d P%d, q%d\n", g, g, g);
        text += line;
        line.Format("q%d,q%d say trait%d\nP%d,q%d carries trait%d\n", g, g, g, g, g, g);
        rules += line;
    }
    return text + rules;
}

CString ParentText(int genes)
{
    CString text;
    for (int g = 0; g < genes; g++)
    {
        CString pair;
        pair.Format("P%d,q%d ", g, g);
        text += pair;
    }
    return text;
}

BOOL ReadConfig(CGeneticsConfig& config, const CString& text)
{
    CStringArray lines;
    CDWordArray numbers;
    int start = 0;
    while (start < text.GetLength())
    {
        int end = text.Find('\n', start);
        if (end < 0)
            end = text.GetLength();
        lines.Add(text.Mid(start, end - start));
        numbers.Add((DWORD)lines.GetSize());
        start = end + 1;
    }
    const CString error = config.Read(lines, numbers);
    if (!error.IsEmpty())
        fprintf(stderr, "configuration error: %s\n", (LPCTSTR)error);
    return error.IsEmpty();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One prediction with everything the report needs from it.
int PredictAndCollate(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father, bool oracle)
{
    CMatingResult result;
    if (oracle)
        OraclePredictMating(*genes, result, mother, father);
    else
        genes->PredictMating(result, mother, father);
    CStringArray lines;
    if (oracle)
        OracleCollate(result, lines);
    else
        result.Collate(lines);
    const int count = (int)lines.GetSize();
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        result.FormatList(list, lines);
    return count;
}

double TimeRuns(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father, bool oracle, int runs,
                int& offspring)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; run++)
    {
        const double start = BenchSeconds();
        offspring = PredictAndCollate(genes, mother, father, oracle);
        seconds.push_back(BenchSeconds() - start);
    }
    return Median(seconds);
}
}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    InitProductTerms();
    InitDefaultTerms();
    RefreshSexLetterTexts();

    double oracleAtSix = 0.0;
    double fastAtSix = 0.0;
    for (int k = 4; k <= 10; k++)
    {
        CGeneticsConfig config;
        if (!ReadConfig(config, ConfigText(k)))
            return 1;
        CGeneticsSection* genes = config.GetSection(0);
        CGeneticsSection* rules = config.GetSection(1);
        CGenotype mother, father;
        mother.Parse(genes, ParentText(k), SEX_FEMALE, 0);
        father.Parse(genes, ParentText(k), SEX_MALE, 0);
        rules->AddAssumedAlleles(mother, SEX_FEMALE);
        rules->AddAssumedAlleles(father, SEX_MALE);

        int offspring = 0;
        const double fast = TimeRuns(genes, mother, father, false, k <= 8 ? runs : std::min(runs, 3), offspring);
        printf("k=%2d  %6d genotypes  fast %9.4f s", k, offspring, fast);
        if (k <= 6)
        {
            int oracleOffspring = 0;
            const double oracle = TimeRuns(genes, mother, father, true, std::min(runs, 3), oracleOffspring);
            printf("  reference %9.4f s  (%d genotypes, %.0f times the fast one)", oracle, oracleOffspring,
                   oracle / fast);
            if (k == 6)
            {
                oracleAtSix = oracle;
                fastAtSix = fast;
            }
        }
        printf("\n");
        fflush(stdout);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    printf("peak working set %.1f MB\n", (double)memory.PeakWorkingSetSize / (1024.0 * 1024.0));
    printf("reference / fast at k=6: %.0f\n", fastAtSix > 0 ? oracleAtSix / fastAtSix : 0.0);
    return 0;
}
