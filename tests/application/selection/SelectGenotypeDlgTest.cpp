// The genotype selection window on the shipped configurations: every form
// fits the screen without overlapping fields, and the information fields
// follow the user's choices.
#include "application/selection/ChoiceField.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/SelectGenotypeDlg.h"
#include "support/TestApp.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string.h>

namespace
{
class SelectGenotypeDlgTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        ASSERT_STREQ((LPCTSTR)LoadShippedConfiguration(config, CString(GetParam()) + ".txt"), "");
        rules = config.FindFirstRulesSection();
        ASSERT_NE(rules, nullptr);
    }

    // Opens the window as the opener runs it, but modeless and hidden.
    void Open(CSelectGenotypeDlg& dialog, int sex, const char* genotype)
    {
        dialog.m_nSex = sex;
        dialog.m_pRules = rules;
        dialog.m_pGenes = rules->GetGenesSection();
        if (*genotype != 0)
        {
            ASSERT_STREQ((LPCTSTR)dialog.m_genotype.Parse(rules, genotype, sex, 0), "");
        }
        dialog.m_remainder = dialog.m_genotype;
        dialog.SetTitle("%s", (LPCTSTR)ExpandTerms("Select ~Genotype~"));
        ASSERT_TRUE(dialog.Create(IDD_FIELD_FORM, NULL));
    }

    static std::string Text(CSelectGenotypeDlg& dialog, int field)
    {
        const CTemplateWndArray& windows = dialog.m_fieldList.GetField(field)->m_windows;
        char text[512] = "";
        ::GetWindowTextA(windows[windows.GetSize() - 1], text, sizeof text);
        return text;
    }

    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    CTestApp app{"Kestrova Selection Tests"};
    CGeneticsConfig config;
    CGeneticsSection* rules = NULL;
};

TEST_P(SelectGenotypeDlgTest, EachParentsFormFitsTheScreenWithoutOverlaps)
{
    for (int sex = 0; sex < 2; sex++)
    {
        CSelectGenotypeDlg dialog(NULL);
        Open(dialog, sex, "");
        ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
        CRect window;
        dialog.GetWindowRect(&window);
        EXPECT_LE(window.Width(), 800) << sex;
        EXPECT_LE(window.Height(), 600) << sex;
        CFieldList& list = dialog.m_fieldList;
        ASSERT_GE(list.GetFieldCount(), 4);
        CRect client;
        dialog.GetClientRect(&client);
        for (int i = 0; i < list.GetFieldCount(); i++)
        {
            const CRect field = list.GetField(i)->GetBoundingRect();
            CRect inside;
            inside.IntersectRect(&field, &client);
            EXPECT_EQ(inside, field) << i;
            for (int j = 0; j < i; j++)
            {
                CRect overlap;
                const CRect other = list.GetField(j)->GetBoundingRect();
                EXPECT_FALSE(overlap.IntersectRect(&field, &other)) << i << " " << j;
            }
        }
        // The sex-limited elements show for their own parent only.
        dialog.ShowWindow(SW_SHOW);
        Pump();
        SaveWindowScreenshot(dialog.m_hWnd, std::string("select_genotype_") + GetParam() + (sex ? "_male" : "_female"));
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog.m_hWnd)), "") << sex;
        EXPECT_EQ(JoinLayoutFaults(FindColumnFaults(dialog.m_hWnd)), "") << sex;
        dialog.DestroyWindow();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, SelectGenotypeDlgTest,
                         ::testing::Values("BorderCollieAussie", "Dachshund", "GeneralCanine", "GreatDane",
                                           "Labrador"));

class SelectGenotypeLabrador : public SelectGenotypeDlgTest
{
};

TEST_P(SelectGenotypeLabrador, ChoicesShowTheGenotypeAndKeepUncoveredGenes)
{
    CSelectGenotypeDlg dialog(NULL);
    Open(dialog, 0, "Ee bb");
    ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
    CFieldList& list = dialog.m_fieldList;
    // The fields show the given genotype's choices; the info fields follow.
    EXPECT_EQ(list.GetFieldText(0), "Carries yellow (E,e)");
    EXPECT_EQ(list.GetFieldText(1), "Chocolate (b,b)");
    const int genotypeField = dialog.m_page.GetInfoField(INFO_GENOTYPE);
    const std::string before = Text(dialog, genotypeField);
    EXPECT_NE(before.find("Ee"), std::string::npos) << before;
    EXPECT_FALSE(Text(dialog, dialog.m_page.GetInfoField(INFO_PHENOTYPE)).empty());

    // The user picks another E choice: one change report updates the texts.
    const auto start = std::chrono::steady_clock::now();
    CChoiceField* field = (CChoiceField*)list.GetField(0);
    field->m_combo.SetCurSel(field->m_combo.FindStringExact(-1, "Yellow (e,e)"));
    for (int twice = 0; twice < 2; twice++)
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(field->m_nComboId, CBN_SELCHANGE), (LPARAM)field->m_combo.m_hWnd);
    Pump();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::string after = Text(dialog, genotypeField);
    EXPECT_NE(after.find("ee"), std::string::npos) << after;
    EXPECT_NE(after, before);
    EXPECT_NE(dialog.m_genotype.Format(rules->GetGenesSection(), 0).Find("ee"), -1);
    RecordProperty("field_change_ms", std::to_string(ms));
    dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Shipped, SelectGenotypeLabrador, ::testing::Values("Labrador"));
} // namespace
