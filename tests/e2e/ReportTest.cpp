// Predict Mating puts the report in the pane; from its first "potential"
// heading on it is exactly what predict.exe prints for the same
// configuration and genotypes.
#include "E2eSupport.h"

#include <gtest/gtest.h>

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
}  // namespace
