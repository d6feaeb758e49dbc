#include "support/DialogTemplate.h"
#include "framework/dialogs/PrintableDlg.h"
#include "framework/support/FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace
{
const UINT IDC_VIEWER_PRINT = 40191U;

// Printing that records what the dialogs ask of it.
class CRecordingPrinting : public CPrintableDlgPrinting
{
public:
    CPrintableDlgPrintData* CreatePrintData(CPrintableDlg*) override
    {
        created++;
        return new CPrintableDlgPrintData;
    }
    void SetupPrinter(CPrintableDlg* dialog, BOOL fromSelectionChange) override
    {
        setups++;
        dialog->m_printerReady = TRUE;
    }
    BOOL Print(CPrintableDlg* dialog) override
    {
        printed = dialog->GetPrintText();
        return TRUE;
    }
    int created = 0, setups = 0;
    CString printed;
};

class CViewerDlg : public CPrintableDlg
{
public:
    explicit CViewerDlg(LPCDLGTEMPLATE t) : CPrintableDlg(0, NULL)
    {
        InitModalIndirect(t);
        m_printButtonId = IDC_VIEWER_PRINT;
    }
    CString GetPrintText() override { return "Litter report"; }

    std::vector<UINT> m_remaining;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CPrintableDlg::OnInitDialog();
        for (UINT id : std::vector<UINT>{IDC_PRINT_COPIES, IDC_PRINT_PAGE_NUMBERS, IDC_PRINT_DATE_TIME, IDC_PRINT_CONFIGURATION,
                        IDC_PRINT_UNUSED, IDC_VIEWER_PRINT, (UINT)IDOK})
        {
            if (GetDlgItem(id) != NULL)
                m_remaining.push_back(id);
        }
        PostMessage(WM_COMMAND, IDOK);   // after the printer set-up posted at initialisation
        return result;
    }
};

CDialogTemplate MakeViewerTemplate()
{
    CDialogTemplate t(L"Report");
    t.Add(CDialogTemplate::EDIT, L"1", IDC_PRINT_COPIES, WS_BORDER, 10, 10, 30, 14);
    t.Add(CDialogTemplate::BUTTON, L"Include page &numbers", IDC_PRINT_PAGE_NUMBERS, BS_AUTOCHECKBOX, 10, 30, 90, 10);
    t.Add(CDialogTemplate::BUTTON, L"Include date/time", IDC_PRINT_DATE_TIME, BS_AUTOCHECKBOX, 10, 45, 90, 10);
    t.Add(CDialogTemplate::COMBOBOX, L"", IDC_PRINT_CONFIGURATION, CBS_DROPDOWNLIST, 10, 60, 90, 60);
    t.Add(CDialogTemplate::STATIC, L"", IDC_PRINT_UNUSED, 0, 10, 80, 90, 10);
    t.Add(CDialogTemplate::BUTTON, L"&Print", IDC_VIEWER_PRINT, BS_PUSHBUTTON, 110, 100, 40, 14);
    t.Add(CDialogTemplate::BUTTON, L"OK", IDOK, BS_DEFPUSHBUTTON, 155, 100, 40, 14);
    return t;
}

TEST(PrintableDlg, OpensWithoutPrintOptionsAndPrintsThroughTheInstalledPrinting)
{
    CFrameworkTestApp app;
    CDialogTemplate t = MakeViewerTemplate();
    {
        CViewerDlg withoutPrinting(t.Get());
        EXPECT_EQ(IDOK, withoutPrinting.DoModal());
        EXPECT_EQ(std::vector<UINT>{IDOK}, withoutPrinting.m_remaining);
        EXPECT_FALSE(withoutPrinting.Print());
    }
    CRecordingPrinting printing;
    SetPrintableDlgPrinting(&printing);
    CViewerDlg viewer(t.Get());
    EXPECT_EQ(1, printing.created);
    EXPECT_EQ(IDOK, viewer.DoModal());
    EXPECT_EQ(std::vector<UINT>{IDOK}, viewer.m_remaining);
    EXPECT_EQ(0U, viewer.m_printButtonId);
    EXPECT_EQ(1, printing.setups);
    EXPECT_TRUE(viewer.Print());
    EXPECT_STREQ("Litter report", printing.printed);
    SetPrintableDlgPrinting(NULL);
}
} // namespace
