#include "framework/windows/PictureFileList.h"
#include "framework/windows/WindowMeasures.h"
#include "support/ScratchFolder.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
TEST(WindowMeasures, ClassNamesAndDialogUnitsOfTheWindowsFont)
{
    CTestWindow window;
    HWND button = window.AddControl("BUTTON", "OK", 0, 1);
    EXPECT_STREQ("Button", GetWindowClassName(button));
    EXPECT_STREQ("", GetWindowClassName((CWnd*)NULL));

    // no font: the system's dialog base units
    EXPECT_EQ((DWORD)::GetDialogBaseUnits(), GetWindowBaseUnits(window.Wnd()));
    CFont font;
    LOGFONTA logFont = {};
    logFont.lfHeight = -24;
    lstrcpyA(logFont.lfFaceName, "Arial");
    font.CreateFontIndirect(&logFont);
    CWnd* buttonWnd = window.Wnd()->GetDlgItem(1);
    buttonWnd->SetFont(&font, FALSE);
    DWORD units = GetWindowBaseUnits(buttonWnd);
    EXPECT_EQ(GetFontHeight(&font), (int)HIWORD(units));
    EXPECT_GT(HIWORD(units), HIWORD(::GetDialogBaseUnits()));
    EXPECT_EQ(CSize(LOWORD(units) * 2, HIWORD(units)), DialogUnitsToPixels(8, 8, buttonWnd));
    buttonWnd->SetFont(NULL, FALSE);
}

TEST(PictureFileList, ListsThePictureKindsInTheirOrder)
{
    CScratchFolder folder("kestrova_pictures");
    for (const char* name : {"notes.txt", "coat.jpg", "pedigree.emf", "sire.bmp", "dam.jpeg"})
        folder.WriteFile(name, "x");
    CStringArray names;
    names.Add("left over");
    ListPictureFilesInFolder(folder.Path().c_str(), names);
    std::vector<std::string> listed;
    for (INT_PTR i = 0; i < names.GetSize(); i++)
        listed.push_back((LPCTSTR)names[i]);
    ASSERT_EQ(4u, listed.size()) << ::testing::PrintToString(listed);
    EXPECT_EQ("sire.bmp", listed[0]);
    EXPECT_EQ("pedigree.emf", listed[3]);
}
} // namespace
