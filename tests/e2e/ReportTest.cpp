// Predict Mating puts the report in the pane; from its first "potential"
// heading on it is exactly what predict.exe prints for the same
// configuration and genotypes.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace e2e;

namespace
{
struct ReportCase
{
    const char* configuration;
    const char* mother;
    const char* father;
    const char* rulesLine;  // the "Rules section:" line, or "" when there is none
};

class Report : public ::testing::TestWithParam<ReportCase>
{
};

bool Enabled(HWND dialog, int id)
{
    return CProgramDriver::IsItemEnabled(dialog, id);
}

TEST_P(Report, MatchesThePredictTool)
{
    const ReportCase& c = GetParam();
    CProgramFolder folder("report", {c.configuration}, true);
    CProgramDriver driver;
    HWND main = StartUntil(driver, folder, MainCaption, NULL);
    ASSERT_NE(main, nullptr);
    CProgramDriver::TypeInto(main, FemaleGenotype, c.mother);
    CProgramDriver::TypeInto(main, MaleGenotype, c.father);
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, main, Predict));
    CProgramDriver::Click(main, Predict);
    ASSERT_TRUE(CProgramDriver::WaitForItemText(main, ReportText, [](const std::string& t) { return !t.empty(); }));
    const std::string report = CProgramDriver::ItemText(main, ReportText);
    EXPECT_EQ(CProgramDriver::ItemText(main, ReportHeading), "Predicted mating results:");
    EXPECT_EQ(report.rfind(std::string("Maternal genotype specified: ") + c.mother + "\r\n", 0), 0u) << report;
    EXPECT_EQ(report.find("\n\n"), std::string::npos) << "every line end is CR LF";
    const std::string rulesLine = std::string("Rules section: ") + c.rulesLine + "\r\n";
    EXPECT_EQ(report.find("Rules section: ") != std::string::npos, c.rulesLine[0] != '\0');
    if (c.rulesLine[0] != '\0')
    {
        EXPECT_NE(report.find(rulesLine), std::string::npos) << report;
    }
    const std::string expected = PredictToolOutput(folder / "Genetics.Gen", c.mother, c.father);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(ReportFromFirstHeading(report), expected);
    if (std::string(c.configuration) == "Labrador.gen")
    {
        ::SendMessageA(::GetDlgItem(main, ReportText), EM_SETSEL, 0, 0);
        CProgramDriver::Screenshot(main, "main-dialog-prediction");
    }
    EXPECT_FALSE(CProgramDriver::IsItemVisible(main, CopyButton));
    EXPECT_EQ(::GetDlgItem(main, PrintButton), nullptr) << "the print button is removed";
}

INSTANTIATE_TEST_SUITE_P(Configurations, Report,
                         ::testing::Values(ReportCase{"Labrador.gen", "Ee Bb", "ee Bb", ""},
                                           ReportCase{"GreatDane.gen", "Mm Hh", "mm", ""},
                                           ReportCase{"Dachshund.gen", "", "", ""},
                                           ReportCase{"TwoRules.gen", "Bb Dd", "Bb", "Standard"}));

// A mating whose whole report passes what the pane holds still shows its
// answer: the parents, the most likely genotypes with one line counting those
// left out, and the three other lists whole, as predict.exe prints them.
TEST(BigReport, KeepsEveryPhenotypeListAndCutsTheGenotypeList)
{
    const std::string loci = "ay,at B,b D,d E,e KB,ky M,m S,sp Sod1,sod1";
    const std::string mother = loci + " XH,Xh", father = loci + " XH";
    CProgramFolder folder("bigreport", {"GeneralCanine.gen"}, true);
    CProgramDriver driver;
    HWND main = StartUntil(driver, folder, MainCaption, NULL);
    ASSERT_NE(main, nullptr);
    CProgramDriver::SetItemText(main, FemaleGenotype, mother);
    CProgramDriver::SetItemText(main, MaleGenotype, father);
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, main, Predict));
    CProgramDriver::Click(main, Predict);
    ASSERT_TRUE(CProgramDriver::WaitForItemText(
        main, ReportText, [](const std::string& t) { return !t.empty(); }, 60000));
    const std::string report = CProgramDriver::ItemText(main, ReportText);
    EXPECT_LE(report.size(), 0x400000u) << "the pane holds it all";
    EXPECT_EQ(report.find("Error: "), std::string::npos);

    const std::string plain = ReportFromFirstHeading(report);
    const std::string expected = PredictToolOutput(folder / "Genetics.Gen", mother, father);
    const std::string phenotypesHeading = " potential phenotypes:\n";
    const size_t phenotypes = plain.find(phenotypesHeading), expectedPhenotypes = expected.find(phenotypesHeading);
    ASSERT_NE(phenotypes, std::string::npos);
    ASSERT_NE(expectedPhenotypes, std::string::npos);
    EXPECT_TRUE(plain.substr(plain.rfind('\n', phenotypes) + 1) ==
                expected.substr(expected.rfind('\n', expectedPhenotypes) + 1))
        << "the three phenotype lists are whole";

    // The genotype heading counts them all; the lines listed are the first
    // ones of the whole list, and one line counts the rest.
    const size_t headingEnd = plain.find('\n');
    EXPECT_EQ(plain.substr(0, headingEnd), expected.substr(0, expected.find('\n')));
    const int total = std::stoi(plain.substr(0, headingEnd));
    const size_t notListed = plain.find("\n(", headingEnd);
    ASSERT_NE(notListed, std::string::npos);
    const std::string listed = plain.substr(headingEnd, notListed + 1 - headingEnd);
    EXPECT_EQ(expected.compare(headingEnd, listed.size(), listed), 0);
    const int lines = (int)std::count(listed.begin(), listed.end(), '\n') - 1;
    EXPECT_GT(lines, 1000);
    EXPECT_EQ(plain.substr(notListed + 1, plain.find('\n', notListed + 1) - notListed - 1),
              "(" + std::to_string(total - lines) +
                  " more genotypes not listed: the whole list would be too long to show)");

    // The screenshot shows the cut and the lists that follow it.
    const size_t cut = report.find("\r\n(");
    HWND pane = ::GetDlgItem(main, ReportText);
    ::SendMessageA(pane, EM_SETSEL, (WPARAM)cut + 2, (LPARAM)cut + 2);
    ::SendMessageA(pane, EM_SCROLLCARET, 0, 0);
    ::SendMessageA(pane, EM_LINESCROLL, 0, 12);
    CProgramDriver::Screenshot(main, "main-dialog-big-mating");
}
}  // namespace
