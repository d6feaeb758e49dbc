// The configuration list: the description of every standard configuration,
// its title on a line of its own, is shown whole below the list.
#include "application/config/ConfigDlgIds.h"
#include "application/config/GeneticsConfigDlg.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/windows/SelectedObject.h"
#include "genetics/GeneticsConfigLoad.h"

#include "support/DialogDriver.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConfigList, EveryStandardDescriptionFitsBelowTheList)
{
    const CString savedFolder = ProgramFolder;
    ProgramFolder = KESTROVA_BINARY_DIR;
    CGeneticsConfigDlg dialog(NULL);
    dialog.m_reporting = TRUE;
    int shown = 0;
    std::string faults;
    CDialogDriver driver([&](HWND window) {
        HWND list = ::GetDlgItem(window, IDC_CONFIG_LIST);
        HWND comments = ::GetDlgItem(window, IDC_CONFIG_COMMENTS);
        RECT area;
        ::GetClientRect(comments, &area);
        HDC dc = ::GetDC(comments);
        {
            CSelectedObject font(dc, (HGDIOBJ)::SendMessageA(comments, WM_GETFONT, 0, 0));
            const int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
            for (int item = 0; item < count; item++)
            {
                ::SendMessageA(list, LB_SETCURSEL, item, 0);
                ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CONFIG_LIST, LBN_SELCHANGE), (LPARAM)list);
                const std::string text = CDialogDriver::WindowText(comments);
                RECT needed = {0, 0, area.right, 0};
                ::DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
                if (text.find("\r\n") == std::string::npos)
                    faults += "no line of its own for the title: " + text + "\n";
                if (needed.bottom > area.bottom)
                {
                    faults += "cut: " + text + "\n";
                    SaveWindowScreenshot(window, "configuration-list-cut");
                }
                shown++;
            }
        }
        ::ReleaseDC(comments, dc);
        SaveWindowScreenshot(window, "configuration-list-last");
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    dialog.DoModal();
    ProgramFolder = savedFolder;
    EXPECT_GT(shown, 0) << "the standard configurations are listed";
    EXPECT_EQ(faults, "");
}
