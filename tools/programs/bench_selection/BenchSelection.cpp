// Benchmark: opening the genotype selection window for the largest shipped
// configuration, and one field change up to the updated information texts.
// Run by hand with the configuration's path; prints its figures.
#include "afx/app/AfxWin.h"
#include "application/selection/ChoiceField.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/SelectGenotypeDlg.h"
#include "application/app/ApplicationHooks.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationFile.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"

#include <stdio.h>
#include "tools/programs/BenchTimer.h"

namespace
{
class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("Kestrova Selection Benchmark") {}
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        printf("usage: bench_selection CONFIGURATION\n");
        return 2;
    }
    CBenchApp app;
    InitProductTerms();
    InitDefaultTerms();
    InstallApplicationHooks();
    CStringArray lines;
    CGeneticsConfig config;
    if (!ReadConfigurationFile(argv[1], lines).IsEmpty() || !config.Read(lines).IsEmpty())
        return 1;
    CGeneticsSection* rules = config.FindFirstRulesSection();
    if (rules == NULL)
        return 1;

    const int rounds = 20;
    double open = 0, change = 0, first = 0;
    for (int round = 0; round < rounds; round++)
    {
        CSelectGenotypeDlg dialog(NULL);
        dialog.m_nSex = round % 2;
        dialog.m_pRules = rules;
        dialog.m_pGenes = rules->GetGenesSection();
        double start = BenchSeconds();
        dialog.Create(IDD_FIELD_FORM, NULL);
        dialog.ShowWindow(SW_SHOW);
        Pump();
        if (round == 0)
            first = BenchSeconds() - start;
        else
            open += BenchSeconds() - start;
        CChoiceField* field = (CChoiceField*)dialog.m_fieldList.GetField(0);
        field->m_combo.SetCurSel(1 + round % 2);
        start = BenchSeconds();
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(field->m_nComboId, CBN_SELCHANGE), (LPARAM)field->m_combo.m_hWnd);
        Pump();
        change += BenchSeconds() - start;
        dialog.DestroyWindow();
    }
    printf("selection window: first open and show %.1f ms, later ones %.1f ms (mean of %d); one field change %.2f ms\n",
           first * 1000, open * 1000 / (rounds - 1), rounds - 1, change * 1000 / rounds);
    return 0;
}
