#include "foundation/terminology/FrameworkTextHooks.h"
#include "foundation/terminology/TermsMap.h"

#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
const UINT IDC_LABEL = 1001;
const UINT IDC_PLAIN = 1002;

class FrameworkTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TermsMap.RemoveAll();
        SetTerm("Genotype", "Genotype", TRUE);
        SetTerm("Colour", "Color", TRUE);
        SetTerm("AppName", "Kestrova", TRUE);
    }
    void TearDown() override { TermsMap.RemoveAll(); }
};

class CTextDialog : public CDialog
{
public:
    explicit CTextDialog(LPCDLGTEMPLATE lpTemplate) { InitModalIndirect(lpTemplate); }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetDlgItem(IDC_LABEL)->GetWindowText(m_label);
        GetDlgItem(IDC_PLAIN)->GetWindowText(m_plain);
        GetWindowText(m_caption);
        EndDialog(IDOK);
        return FALSE;
    }

    CString m_label, m_plain, m_caption;
};

// Puts a window inside the label before the framework's initialisation runs:
// only the dialog's direct children have their texts expanded.
class CNestedDialog : public CDialog
{
public:
    explicit CNestedDialog(LPCDLGTEMPLATE lpTemplate) { InitModalIndirect(lpTemplate); }

    BOOL OnInitDialog() override
    {
        HWND label = ::GetDlgItem(m_hWnd, IDC_LABEL);
        HWND inner = ::CreateWindowExA(0, "STATIC", "inner ~Colour~", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10,
                                       label, NULL, AfxGetInstanceHandle(), NULL);
        CDialog::OnInitDialog();
        m_inner = GetText(inner);
        m_label = GetText(label);
        EndDialog(IDOK);
        return FALSE;
    }

    static CString GetText(HWND window)
    {
        char text[256] = "";
        ::GetWindowTextA(window, text, sizeof(text));
        return text;
    }

    CString m_inner, m_label;
};

CString MenuText(CMenu& menu, UINT position)
{
    char text[256] = "";
    ::GetMenuStringA(menu.m_hMenu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

void UpdateEntry(CMenu& menu, UINT position, CCmdTarget& target)
{
    CCmdUI state;
    state.m_nIndex = position;
    state.m_nIndexMax = menu.GetMenuItemCount();
    state.m_nID = ::GetMenuItemID(menu.m_hMenu, position);
    state.m_pMenu = &menu;
    HMENU subMenu = ::GetSubMenu(menu.m_hMenu, position);
    state.m_pSubMenu = subMenu != NULL ? CMenu::FromHandle(subMenu) : NULL;
    state.DoUpdate(&target, FALSE);
}
}

TEST_F(FrameworkTextTest, TheFrameworkExpandsThroughTheTermsMap)
{
    ASSERT_EQ(ExpandFrameworkText, AfxGetTokenExpander());
    EXPECT_STREQ("This is the text color.", (const char*)ExpandFrameworkText("This is the text ~colour~."));
    EXPECT_STREQ("Nothing", (const char*)ExpandFrameworkText("~Nothing~"));
}

TEST_F(FrameworkTextTest, FrameworkInitialisationGivesTheMapItsBuckets)
{
    CNamedStringMap fresh;
    EXPECT_EQ(17u, fresh.GetHashTableSize());
    SizeTermsMapForStartup();
    EXPECT_EQ(TermsMapBuckets, TermsMap.GetHashTableSize());
    EXPECT_EQ(1009u, TermsMapBuckets);
    CString text;
    EXPECT_TRUE(TermsMap.Lookup("Colour", text)); // entries are kept
}

TEST_F(FrameworkTextTest, DialogTextsAreExpandedWhenTheDialogOpens)
{
    CDialogTemplate t(L"About ~AppName~");
    t.Add(CDialogTemplate::STATIC, L"Select ~Genotype~", IDC_LABEL, SS_LEFT, 10, 10, 100, 10);
    t.Add(CDialogTemplate::BUTTON, L"~Missing~ and plain", IDC_PLAIN, BS_PUSHBUTTON, 10, 30, 90, 14);
    CTextDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Select Genotype", (const char*)dlg.m_label);
    EXPECT_STREQ("Missing and plain", (const char*)dlg.m_plain);
    EXPECT_STREQ("About Kestrova", (const char*)dlg.m_caption);
}

TEST_F(FrameworkTextTest, WindowsInsideControlsKeepTheirTokens)
{
    CDialogTemplate t(L"Nested");
    t.Add(CDialogTemplate::STATIC, L"~Colour~ box", IDC_LABEL, SS_LEFT, 10, 10, 100, 20);
    CNestedDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Color box", (const char*)dlg.m_label);
    EXPECT_STREQ("inner ~Colour~", (const char*)dlg.m_inner);
}

TEST_F(FrameworkTextTest, MenuEntriesAreExpandedAndKeepTheirState)
{
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 201, "inner ~Colour~");
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_CHECKED | MF_GRAYED, 101, "~Colour~ chart");
    menu.AppendMenu(MF_SEPARATOR, 0, (LPCTSTR)NULL);
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "~Colour~ menu");
    menu.AppendMenu(MF_STRING, 102, "Plain");

    CCmdTarget target;
    for (UINT position = 0; position < menu.GetMenuItemCount(); ++position)
        UpdateEntry(menu, position, target);

    EXPECT_STREQ("Color chart", (const char*)MenuText(menu, 0));
    UINT state = ::GetMenuState(menu.m_hMenu, 0, MF_BYPOSITION);
    EXPECT_NE(0u, state & MF_CHECKED);
    EXPECT_NE(0u, state & MF_GRAYED);
    EXPECT_EQ(101u, ::GetMenuItemID(menu.m_hMenu, 0));
    EXPECT_NE(0u, ::GetMenuState(menu.m_hMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_STREQ("~Colour~ menu", (const char*)MenuText(menu, 2));
    EXPECT_STREQ("Plain", (const char*)MenuText(menu, 3));
    menu.DestroyMenu();
}
