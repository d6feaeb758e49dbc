// predict [--time N] CONFIG MOTHER FATHER
//
// Reads a genetics configuration (plain text or sealed), parses the two
// genotypes as the main dialog does (female and male, completed with the
// alleles that the rules section assumes), predicts the mating and prints the
// mating report from its first "potential" heading on, with LF line ends and
// the default terminology. A configuration or genotype error, or a mating that
// cannot be listed, is printed and ends the program with exit code 2. With --time N the prediction, with its
// collation and report lines, is repeated N times and the median time of one
// run and the peak memory are written to stderr.
#include "afx/core/AfxCore.h"

#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "application/report/MatingReport.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationFile.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"
#include "tools/programs/BenchTimer.h"

namespace
{
const int EXIT_INPUT_ERROR = 2;

int Fail(const CString& message)
{
    fprintf(stdout, "%s\n", (LPCTSTR)message);
    return EXIT_INPUT_ERROR;
}

CString ParseParent(CGeneticsSection* genes, CGeneticsSection* rules, const char* text, int sex, CGenotype& genotype)
{
    CString trimmed = text;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    if (!trimmed.IsEmpty())
    {
        const CString error = genotype.Parse(genes, trimmed, sex, 0);
        if (!error.IsEmpty())
            return error;
    }
    CGenotype assumed;
    rules->AddAssumedAlleles(genotype, sex, &assumed);
    return CString();
}

void ReportTimes(std::vector<double>& seconds)
{
    std::sort(seconds.begin(), seconds.end());
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    fprintf(stderr, "median %.6f s per prediction (%d runs), peak working set %.1f MB\n", seconds[seconds.size() / 2],
            (int)seconds.size(), (double)memory.PeakWorkingSetSize / (1024.0 * 1024.0));
}
}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    int repeat = 0;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "--time") == 0)
    {
        repeat = atoi(argv[2]);
        first = 3;
    }
    if (argc - first != 3 || (first == 3 && repeat < 1))
    {
        fprintf(stderr, "usage: predict [--time N] CONFIG MOTHER FATHER\n");
        return EXIT_INPUT_ERROR;
    }

    InitProductTerms();
    InitDefaultTerms();
    RefreshSexLetterTexts();

    CStringArray lines;
    const CString readError = ReadConfigurationFile(argv[first], lines);
    if (!readError.IsEmpty())
        return Fail(readError);
    CGeneticsConfig config;
    const CString configError = config.Read(lines);
    if (!configError.IsEmpty())
        return Fail("Error in " + CString(argv[first]) + ", " + configError);
    CGeneticsSection* rules = config.FindFirstRulesSection();
    if (rules == NULL)
        return Fail("the configuration has no rules section");
    CGeneticsSection* genes = rules->GetGenesSection();

    CGenotype mother;
    CGenotype father;
    CString error = ParseParent(genes, rules, argv[first + 1], SEX_FEMALE, mother);
    if (!error.IsEmpty())
        return Fail("Error in the maternal genotype: " + error);
    error = ParseParent(genes, rules, argv[first + 2], SEX_MALE, father);
    if (!error.IsEmpty())
        return Fail("Error in the paternal genotype: " + error);

    std::vector<double> seconds;
    CString report;
    do
    {
        const double start = BenchSeconds();
        report = PredictMatingLists(genes, mother, father);
        seconds.push_back(BenchSeconds() - start);
    } while ((int)seconds.size() < repeat);

    fwrite((LPCTSTR)report, 1, (size_t)report.GetLength(), stdout);
    if (repeat > 0)
        ReportTimes(seconds);
    // A listed report begins with its count; a prediction that failed gives
    // its error instead.
    return report.Left(7) == "Error: " ? EXIT_INPUT_ERROR : 0;
}
