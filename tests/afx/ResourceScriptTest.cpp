// Resources compiled from resource scripts: the test program's own dialog
// template, and the manifest that the program and every test program carry.
#include "afx/app/AfxWin.h"
#include "afx/resources/TestDialogIds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string ManifestOf(HMODULE module)
{
    HRSRC found = ::FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (found == NULL)
        return std::string();
    const char* data = (const char*)::LockResource(::LoadResource(module, found));
    return std::string(data, ::SizeofResource(module, found));
}
} // namespace

TEST(ResourceScriptTest, ADialogOpensFromTheTestProgramsTemplate)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_RESOURCE_DIALOG));
    dialog.ShowWindow(SW_SHOW);
    char caption[64] = "";
    ::GetWindowTextA(dialog.m_hWnd, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Template from a resource script");
    char label[16] = "";
    ::GetDlgItemTextA(dialog.m_hWnd, IDC_TEST_RESOURCE_LABEL, label, sizeof(label));
    EXPECT_STREQ(label, "&Name:");
    RECT edit, ok;
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, IDC_TEST_RESOURCE_EDIT), &edit);
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, IDOK), &ok);
    EXPECT_LT(edit.bottom, ok.top) << "the buttons stand below the field";
    dialog.DestroyWindow();
}

TEST(ResourceScriptTest, ProgramAndTestsCarryTheManifestOfCommonControlsSix)
{
    const std::string own = ManifestOf(::GetModuleHandleA(NULL));
    EXPECT_NE(own.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(own.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">false"),
              std::string::npos);

    HMODULE program = ::LoadLibraryExA(KESTROVA_BINARY_DIR "/Kestrova.exe", NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(program != NULL);
    EXPECT_EQ(ManifestOf(program), own);
    ::FreeLibrary(program);

    // Common controls 6 are the side-by-side assembly's, not the system folder's.
    char controls[MAX_PATH] = "";
    ::GetModuleFileNameA(::GetModuleHandleA("comctl32.dll"), controls, MAX_PATH);
    EXPECT_NE(std::string(::CharLowerA(controls)).find("winsxs"), std::string::npos) << controls;
}
