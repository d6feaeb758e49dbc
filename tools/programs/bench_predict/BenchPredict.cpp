// Benchmark of the mating prediction: k unlinked genes heterozygous in both
// parents (3^k distinct offspring), each gene with a visible recessive trait
// and a carried trait, so that every offspring has its own texts. Times the
// product's prediction with collation and report for k = 4..10 and the
// step-by-step reference enumeration of the tests for k = 4..6, and reports
// the peak memory (reached at k = 10).
// Then matings with texts of realistic length at nine and ten loci: each
// state of each gene says 1, 3 or 25 words and its carried trait 1, 2 or 25
// words. Each runs in a process of its own, so that its peak memory is its own.
//   bench_predict [runs]
//   bench_predict --texts LOCI SAY_WORDS CARRIED_WORDS RUNS   (one such mating)
//   bench_predict --keystrokes FILE "GENOTYPE" RUNS
//     the engine's share of the live phenotype: every prefix of the genotype
//     typed into the main window is parsed, completed with assumed alleles
//     and given its phenotype, as after each keystroke.
#include "afx/core/AfxCore.h"

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationFile.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"
// The reference enumeration and the configuration of long texts live with the
// tests; the benchmark compiles them in.
#include "tests/genetics/MatingOracle.cpp"
#include "tests/genetics/LongTextConfig.cpp"
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

// One prediction with everything the report needs from it: the reference
// enumeration's lines, or the product's report. The product's error, if any,
// is kept.
int PredictAndCollate(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father, bool oracle,
                      CString* error = NULL, int* reportLength = NULL)
{
    CMatingResult result;
    if (oracle)
    {
        OraclePredictMating(*genes, result, mother, father);
        CStringArray lines;
        OracleCollate(result, lines);
        const int count = (int)lines.GetSize();
        for (int list = 0; list < RESULT_LIST_COUNT; list++)
            result.FormatList(list, lines);
        return count;
    }
    CString report;
    CString failure = genes->PredictMating(result, mother, father);
    if (failure.IsEmpty())
        failure = result.WriteReport(report);
    if (error != NULL)
        *error = failure;
    if (reportLength != NULL)
        *reportLength = report.GetLength();
    return result.GetOffspringCount();
}

double TimeRuns(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father, bool oracle, int runs,
                int& offspring, CString* error = NULL, int* reportLength = NULL)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; run++)
    {
        const double start = BenchSeconds();
        offspring = PredictAndCollate(genes, mother, father, oracle, error, reportLength);
        seconds.push_back(BenchSeconds() - start);
    }
    return BenchMedian(seconds);
}

double PeakMegabytes()
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    return (double)memory.PeakWorkingSetSize / (1024.0 * 1024.0);
}

struct Parents
{
    CGenotype mother;
    CGenotype father;
};

void ParseParents(CGeneticsConfig& config, int genes, Parents& parents)
{
    CGeneticsSection* section = config.GetSection(0);
    CGeneticsSection* rules = config.GetSection(1);
    parents.mother.Parse(section, ParentText(genes), SEX_FEMALE, 0);
    parents.father.Parse(section, ParentText(genes), SEX_MALE, 0);
    rules->AddAssumedAlleles(parents.mother, SEX_FEMALE);
    rules->AddAssumedAlleles(parents.father, SEX_MALE);
}

// One mating with realistic texts, in this process.
int RunTextsCase(int genes, int sayWords, int carriedWords, int runs)
{
    CGeneticsConfig config;
    CString parent;
    if (!ReadConfig(config, LongTextGenesText(genes, sayWords, carriedWords, parent)))
        return 1;
    Parents parents;
    ParseParents(config, genes, parents);
    int offspring = 0;
    int reportLength = 0;
    CString error;
    const double seconds = TimeRuns(config.GetSection(0), parents.mother, parents.father, false, runs, offspring,
                                    &error, &reportLength);
    printf("%2d loci, say %2d words, carried %2d:  %9.4f s  peak working set %7.1f MB  ", genes, sayWords,
           carriedWords, seconds, PeakMegabytes());
    if (error.IsEmpty())
        printf("%d genotypes, report %.1f MB\n", offspring, reportLength / (1024.0 * 1024.0));
    else
        printf("Error: %s\n", (LPCTSTR)error);
    fflush(stdout);
    return 0;
}

// Runs this program again for one mating with realistic texts.
void RunTextsCaseApart(int genes, int sayWords, int carriedWords, int runs)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    CString command;
    command.Format("\"%s\" --texts %d %d %d %d", path, genes, sayWords, carriedWords, runs);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(NULL, command.GetBuffer(0), NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
    {
        printf("cannot run %s\n", (LPCTSTR)command);
        return;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
// What the main window computes for one typed text: the genotype, its
// assumed alleles and its phenotype.
void PhenotypeOf(CGeneticsSection* rules, CGeneticsSection* genes, const CString& typed, int sex)
{
    CGenotype genotype;
    if (!genotype.Parse(genes, typed, sex, 0).IsEmpty())
        return;
    CGenotype completed;
    rules->AddAssumedAlleles(genotype, sex, &completed);
    completed.Format(genes, 0);
    CString sectionName;
    genes->DeducePhenotype(genotype, 1, &sectionName);
}

int RunKeystrokes(const char* path, const CString& genotype, int runs)
{
    CStringArray lines;
    const CString readError = ReadConfigurationFile(path, lines);
    if (!readError.IsEmpty())
    {
        fprintf(stderr, "%s\n", (LPCTSTR)readError);
        return 1;
    }
    CGeneticsConfig config;
    const CString error = config.Read(lines);
    CGeneticsSection* rules = config.FindFirstRulesSection();
    if (!error.IsEmpty() || rules == NULL || rules->GetGenesSection() == NULL)
    {
        fprintf(stderr, "configuration error: %s\n", error.IsEmpty() ? "no rules section" : (LPCTSTR)error);
        return 1;
    }
    CGeneticsSection* genes = rules->GetGenesSection();
    std::vector<double> perKey;
    for (int length = 1; length <= genotype.GetLength(); length++)
    {
        const CString typed = genotype.Left(length);
        std::vector<double> times;
        for (int run = 0; run < runs; run++)
        {
            const double start = BenchSeconds();
            PhenotypeOf(rules, genes, typed, SEX_FEMALE);
            times.push_back(BenchSeconds() - start);
        }
        perKey.push_back(BenchMedian(times));
    }
    double sum = 0.0;
    for (double t : perKey)
        sum += t;
    printf("%s: %d keystrokes, engine per keystroke: mean %.1f us, slowest %.1f us\n", path, (int)perKey.size(),
           sum * 1e6 / (double)perKey.size(), *std::max_element(perKey.begin(), perKey.end()) * 1e6);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    InitProductTerms();
    InitDefaultTerms();
    RefreshSexLetterTexts();
    if (argc == 6 && strcmp(argv[1], "--texts") == 0)
        return RunTextsCase(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), std::max(1, atoi(argv[5])));
    if (argc == 5 && strcmp(argv[1], "--keystrokes") == 0)
        return RunKeystrokes(argv[2], argv[3], std::max(1, atoi(argv[4])));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    double oracleAtSix = 0.0;
    double fastAtSix = 0.0;
    for (int k = 4; k <= 10; k++)
    {
        CGeneticsConfig config;
        if (!ReadConfig(config, ConfigText(k)))
            return 1;
        CGeneticsSection* genes = config.GetSection(0);
        Parents parents;
        ParseParents(config, k, parents);
        const CGenotype& mother = parents.mother;
        const CGenotype& father = parents.father;

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
    printf("peak working set %.1f MB\n", PeakMegabytes());
    printf("reference / fast at k=6: %.0f\n", fastAtSix > 0 ? oracleAtSix / fastAtSix : 0.0);

    printf("\nrealistic texts, with report (%d runs each, 1 for 25 words):\n", std::min(runs, 3));
    fflush(stdout);
    const int texts[][2] = {{1, 1}, {3, 2}, {25, 25}};
    for (int k = 9; k <= 10; k++)
    {
        for (const auto& words : texts)
            RunTextsCaseApart(k, words[0], words[1], words[0] == 25 ? 1 : std::min(runs, 3));
    }
    return 0;
}
