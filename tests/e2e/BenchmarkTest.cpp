// Timings of the program as a user meets it, printed for the report (not
// asserted: the machine is shared). Wine is already running when they start.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace e2e;

namespace
{
double Seconds(LARGE_INTEGER from)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return (double)(now.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}
}  // namespace

TEST(Benchmark, StartKeystrokeAndPredictAtEightLoci)
{
    CProgramFolder folder("bench", {"predict_eight_loci.gen"}, true);
    CProgramDriver driver;
    const LARGE_INTEGER start = Now();
    HWND main = StartUntil(driver, folder, MainCaption, NULL);
    const double startSeconds = Seconds(start);
    ASSERT_NE(main, nullptr);

    // Each character is one keystroke; the output is set before the message returns.
    const std::string genotype = "P0q0 P1q1 P2q2 P3q3 P4q4 P5q5 P6q6 P7q7";
    const LARGE_INTEGER typing = Now();
    CProgramDriver::TypeInto(main, FemaleGenotype, genotype);
    const double perKey = Seconds(typing) / (double)genotype.size();
    CProgramDriver::TypeInto(main, MaleGenotype, genotype);
    ASSERT_TRUE(CProgramDriver::IsItemEnabled(main, Predict) ||
                CProgramDriver::WaitUntil([](HWND d, int id) { return CProgramDriver::IsItemEnabled(d, id) != 0; },
                                          main, Predict));

    std::vector<double> predictions;
    for (int run = 0; run < 5; run++)
    {
        CProgramDriver::SetItemText(main, ReportText, "");
        const LARGE_INTEGER click = Now();
        CProgramDriver::Click(main, Predict);
        // The report is shown once the pane holds text; its length is asked
        // for, not its megabyte of text.
        HWND pane = ::GetDlgItem(main, ReportText);
        for (int i = 0; i < 20000 && ::SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0) == 0; i++)
            ::Sleep(1);
        predictions.push_back(Seconds(click));
        ASSERT_NE(CProgramDriver::ItemText(main, ReportText).find("carried traits"), std::string::npos);
    }
    std::sort(predictions.begin(), predictions.end());
    std::printf("[bench] start to main dialog: %.3f s (with the printer and help messages answered)\n", startSeconds);
    std::printf("[bench] phenotype update per keystroke: %.2f ms (from another process)\n", perKey * 1000.0);
    std::printf("[bench] Predict Mating at eight heterozygous loci, click to report: median %.3f s\n",
                predictions[predictions.size() / 2]);
}
