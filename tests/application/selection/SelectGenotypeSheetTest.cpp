// The genotype selection sheet: which pages the tabs and the elements make,
// and the sheet run as the user meets it (all pages at the largest form's
// size, tab titles, the genotype back on OK only).
#include "application/selection/FieldFormIds.h"
#include "application/selection/SelectGenotypePage.h"
#include "application/selection/SelectGenotypeRequest.h"
#include "application/selection/SelectGenotypeSheet.h"
#include "foundation/terminology/TerminologySetup.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
// A genes element of its own gene, so that pages do not share genes.
CString GenesLine(int gene, const char* flags = "")
{
    CString line;
    line.Format("selectgenotype genes label=\"G%d\" choices=\"Plain:G%d,G%d|Marked:g%d,g%d\"%s%s\n", gene, gene, gene,
                gene, gene, *flags ? " flags=" : "", flags);
    return line;
}

CString TabLine(const char* label, const char* group = "")
{
    CString line;
    line.Format("selectgenotype tab label=\"%s\"%s%s%s\n", label, *group ? " group=\"" : "", group, *group ? "\"" : "");
    return line;
}

class SelectGenotypeSheetTest : public ::testing::Test
{
protected:
    CGeneticsSection* Read(const CString& selectionLines) { return Read(config, selectionLines); }
    CGeneticsSection* Read(CGeneticsConfig& config, const CString& selectionLines)
    {
        InitProductTerms();
        InitDefaultTerms();
        CString text = "[genes Main]\n";
        for (int gene = 1; gene <= 20; gene++)
        {
            CString line;
            line.Format("gene G%d G%d, g%d\n", gene, gene, gene);
            text += line;
        }
        text += "[rules Colour]\nbaseon Main\n" + selectionLines;
        EXPECT_STREQ((LPCTSTR)ReadConfigText(config, text), "");
        return config.FindSection("Colour");
    }

    void Fill(CSelectGenotypeSheet& sheet, CGeneticsSection* rules, int sex)
    {
        sheet.m_nSex = sex;
        sheet.m_pRules = rules;
        sheet.m_pGenes = rules->GetGenesSection();
    }

    // "title:elements" of each page, joined by commas.
    static CString Pages(CSelectGenotypeSheet& sheet)
    {
        CString pages;
        for (int i = 0; i < sheet.GetPageCount(); i++)
        {
            CSelectGenotypePage* page = (CSelectGenotypePage*)sheet.GetPage(i);
            CString entry;
            entry.Format("%s%s:%d", i ? "," : "", (LPCTSTR)page->m_strTitle, (int)page->m_page.m_elements.GetSize());
            pages += entry;
        }
        return pages;
    }

    CTestApp app{"Kestrova Selection Tests"};
    CGeneticsConfig config;
};

struct PagesCase
{
    const char* name;
    CString lines;
    int sex;
    const char* pages;
};

TEST_F(SelectGenotypeSheetTest, TabsAndElementsMakeThePages)
{
    CString fourteen = TabLine("Coat", "Colours");
    for (int gene = 1; gene <= 14; gene++)
        fourteen += GenesLine(gene);
    CString twelve;
    for (int tab = 1; tab <= 12; tab++)
    {
        CString label;
        label.Format("T%d", tab);
        twelve += TabLine(label) + GenesLine(tab);
    }
    const PagesCase cases[] = {
        {"elements before the first tab", GenesLine(1) + TabLine("Coat") + GenesLine(2), 0, "General:1,Coat:1"},
        {"a long group continues", fourteen, 0, "Coat:13,Coat 2:1"},
        {"a tab of the other sex's elements only", TabLine("Hers") + GenesLine(1, "F") + TabLine("Any") + GenesLine(2),
         1, "Any:1"},
        {"an unlabelled tab before any page", TabLine("") + GenesLine(1), 0, "General:1"},
        {"an unlabelled tab joins the page before it", TabLine("Coat") + GenesLine(1) + TabLine("") + GenesLine(2), 0,
         "Coat:2"},
        {"twelve tabs", twelve, 0, "T1:1,T2:1,T3:1,T4:1,T5:1,T6:1,T7:1,T8:1,T9:1,T10:1,T11:1,T12:1"},
    };
    for (const PagesCase& c : cases)
    {
        CGeneticsConfig own;
        CGeneticsSection* rules = Read(own, c.lines);
        ASSERT_NE(rules, nullptr) << c.name;
        CSelectGenotypeSheet sheet("Select", NULL);
        Fill(sheet, rules, c.sex);
        sheet.AddPages();
        EXPECT_STREQ((LPCTSTR)Pages(sheet), c.pages) << c.name;
    }
}

TEST_F(SelectGenotypeSheetTest, GroupTextsAndPageTemplates)
{
    CString lines = GenesLine(1) + GenesLine(2) + TabLine("Coat", "Colours");
    for (int gene = 3; gene <= 16; gene++)
        lines += GenesLine(gene);
    for (int tab = 1; tab <= 9; tab++)
        lines += TabLine("More") + GenesLine(16 + (tab % 4));
    CGeneticsSection* rules = Read(lines);
    ASSERT_NE(rules, nullptr);
    CSelectGenotypeSheet sheet("Select", NULL);
    Fill(sheet, rules, 0);
    sheet.AddPages();
    ASSERT_EQ(sheet.GetPageCount(), 12);
    // The first field of a page gets its group's text: "Genes" before any tab,
    // the tab's group on its first page and again on its continuation.
    const struct
    {
        int page;
        const char* group;
    } groups[] = {{0, "Genes"}, {1, "Colours"}, {2, "Colours"}, {3, ""}};
    for (const auto& g : groups)
    {
        CFieldList& list = ((CSelectGenotypePage*)sheet.GetPage(g.page))->m_fieldList;
        EXPECT_STREQ((LPCTSTR)list.GetField(0)->m_groupText, g.group) << g.page;
    }
    EXPECT_STREQ((LPCTSTR)((CSelectGenotypePage*)sheet.GetPage(1))->m_fieldList.GetField(1)->m_groupText, "");
    // Ten templates; the pages past the tenth share the last.
    for (int i = 0; i < sheet.GetPageCount(); i++)
        EXPECT_EQ((UINT_PTR)sheet.GetPage(i)->m_psp.pszTemplate, (UINT_PTR)(IDD_FIELD_PAGE_FIRST + (i < 10 ? i : 9)))
            << i;
}

TEST_F(SelectGenotypeSheetTest, RunsWithEveryPageAtTheLargestSizeAndHandsTheGenotypeBackOnOk)
{
    // A short first page and a long second one. Texts that end in a letter
    // drawn up to its last column: a check box alone in its row, so as wide
    // as its text makes it, and the widest of a radio group.
    CString lines = TabLine("Short");
    lines += "selectgenotype genes label=\"Affected\" choices=\"G11,G11|g11,g11\" flags=ue\n";
    lines += GenesLine(1, "n") + TabLine("Long");
    for (int gene = 2; gene <= 9; gene++)
        lines += GenesLine(gene);
    lines += "selectgenotype genes label=\"G10\" choices=\"Clear:G10,G10|Affected:g10,g10\"\n";
    CGeneticsSection* rules = Read(lines);
    ASSERT_NE(rules, nullptr);
    for (const int answer : {IDCANCEL, IDOK})
    {
        CSelectGenotypeRequest request(0, rules, rules->GetGenesSection(), NULL);
        ASSERT_STREQ((LPCTSTR)request.m_genotype.Parse(rules, "g1g1 G20g20", 0, 0), "");
        std::vector<CRect> pageRects;
        std::vector<std::string> titles;
        CDialogDriver driver([&](HWND sheet) {
            HWND tabs = PropSheet_GetTabControl(sheet);
            for (int i = 0; i < TabCtrl_GetItemCount(tabs); i++)
            {
                PropSheet_SetCurSel(sheet, NULL, i);
                char text[64] = "";
                TCITEMA item = {};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                ::SendMessageA(tabs, TCM_GETITEMA, i, (LPARAM)&item);
                titles.push_back(text);
                CRect rect;
                ::GetWindowRect(PropSheet_GetCurrentPageHwnd(sheet), &rect);
                pageRects.push_back(rect);
                if (answer == IDOK)
                {
                    SaveWindowScreenshot(sheet, "select_genotype_sheet_" + std::to_string(i));
                    EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(PropSheet_GetCurrentPageHwnd(sheet))), "") << i;
                }
            }
            CDialogDriver::Click(sheet, answer);
        });
        EXPECT_EQ(request.Run(), answer == IDOK ? 1 : 0);
        ASSERT_EQ(titles.size(), 2u);
        EXPECT_EQ(titles[0], "Short");
        EXPECT_EQ(titles[1], "Long");
        EXPECT_EQ(pageRects[0].Size(), pageRects[1].Size());
        // Fields without a choice for their genes add none of them; G20,
        // which no field covers, stays.
        EXPECT_STREQ((LPCTSTR)request.m_genotype.Format(rules->GetGenesSection(), 0), "g1g1 G20g20");
    }
}
} // namespace
