// The Select... request: the groups of a configuration's elements, the
// message when none applies, and the genotype that comes back on OK only.
#include "application/selection/SelectGenotypeRequest.h"
#include "foundation/terminology/TerminologySetup.h"
#include "support/DialogDriver.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace
{
class SelectGenotypeRequestTest : public ::testing::Test
{
protected:
    CGeneticsSection* Read(const CString& selectionLines)
    {
        InitProductTerms();
        InitDefaultTerms();
        const CString text = "[genes Main]\ngene B B, b\ngene D D, d\n[rules Colour]\nbaseon Main\n" + selectionLines;
        EXPECT_STREQ((LPCTSTR)ReadConfigText(config, text), "");
        return config.FindSection("Colour");
    }
    CString Groups(CGeneticsSection* rules, int sex)
    {
        CSelectGenotypeRequest request(sex, rules, rules->GetGenesSection(), NULL);
        CStringArray groups;
        request.CountGroups(groups);
        CString joined;
        for (int i = 0; i < groups.GetSize(); i++)
            joined += (i ? "," : "") + groups[i];
        return joined;
    }

    CTestApp app{"Kestrova Selection Tests"};
    CGeneticsConfig config;
};

TEST_F(SelectGenotypeRequestTest, GroupsCountTabsWithApplyingElementsOnly)
{
    CString lines = "selectgenotype genes label=B choices=\"Black:B,B|Brown:b,b\"\n"
                    "selectgenotype tab label=Females\n"
                    "selectgenotype genes label=D choices=\"Dense:D,D|Dilute:d,d\" flags=F\n";
    for (int tab = 1; tab <= 12; tab++)
    {
        CString line;
        line.Format("selectgenotype tab label=T%d\nselectgenotype genes label=D%d choices=\"Dense:D,D|Dilute:d,d\"\n",
                    tab, tab);
        lines += line;
    }
    CGeneticsSection* rules = Read(lines);
    ASSERT_NE(rules, nullptr);
    const CString twelve = "T1,T2,T3,T4,T5,T6,T7,T8,T9,T10,T11,T12";
    EXPECT_STREQ((LPCTSTR)Groups(rules, 0), "General,Females," + twelve);
    EXPECT_STREQ((LPCTSTR)Groups(rules, 1), "General," + twelve);
}

TEST_F(SelectGenotypeRequestTest, NoApplyingElementGivesTheMessageAndOpensNothing)
{
    CGeneticsSection* rules = Read("selectgenotype genes label=D choices=\"Dense:D,D|Dilute:d,d\" flags=F\n");
    CSelectGenotypeRequest request(1, rules, rules->GetGenesSection(), NULL);
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(request.Run(), 0);
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_NE(answerer.LastText().find("does not allow for the"), std::string::npos) << answerer.LastText();
    EXPECT_NE(answerer.LastText().find("Choose A Standard Configuration"), std::string::npos);
}

TEST_F(SelectGenotypeRequestTest, OkReturnsTheShownChoicesAndCancelNothing)
{
    CGeneticsSection* rules = Read("selectgenotype genes label=B choices=\"Black:B,B|Brown*:b,b\"\n");
    for (const int answer : {IDCANCEL, IDOK})
    {
        // An empty genotype opens on the default choice.
        CSelectGenotypeRequest request(0, rules, rules->GetGenesSection(), NULL);
        CDialogDriver driver([answer](HWND window) {
            CDialogDriver::Click(window, answer);
        });
        EXPECT_EQ(request.Run(), answer == IDOK ? 1 : 0);
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_STREQ((LPCTSTR)request.m_genotype.Format(rules->GetGenesSection(), 0), answer == IDOK ? "bb" : "");
    }
}
} // namespace
