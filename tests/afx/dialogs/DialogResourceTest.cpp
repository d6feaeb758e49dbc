// Dialogs made from templates in the resource module, with the list-box and
// combo-box strings of their initialisation data (RT_DLGINIT).
#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"
#include "support/ResourceModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
enum
{
    IDD_BREED = 200,
    IDD_PLAIN = 201,
    IDD_MISSING = 202,
    IDC_COLOURS = 1201,
    IDC_COATS = 1202,
    IDC_LABEL = 1203,
    IDC_ACCEPT = 1204,
};

// The resource compiler writes the string-adding messages with their old
// 16-bit numbers.
const WORD kOldListAddString = 0x0401;
const WORD kOldComboAddString = 0x0403;

void AddInitRecord(std::vector<BYTE>& data, WORD nIDC, WORD nMsg, const char* text)
{
    DWORD dwLen = (DWORD)strlen(text) + 1;
    const BYTE* pHeader[] = {(const BYTE*)&nIDC, (const BYTE*)&nMsg};
    data.insert(data.end(), pHeader[0], pHeader[0] + sizeof(WORD));
    data.insert(data.end(), pHeader[1], pHeader[1] + sizeof(WORD));
    data.insert(data.end(), (const BYTE*)&dwLen, (const BYTE*)&dwLen + sizeof(DWORD));
    data.insert(data.end(), text, text + dwLen);
}

CDialogTemplate MakeBreedTemplate()
{
    CDialogTemplate t(L"Breed ~Colours~");
    t.Add(CDialogTemplate::LISTBOX, L"", IDC_COLOURS, WS_BORDER | WS_VSCROLL | WS_TABSTOP, 10, 10, 80, 40);
    t.Add(CDialogTemplate::COMBOBOX, L"", IDC_COATS, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 100, 10, 80, 60);
    t.Add(CDialogTemplate::STATIC, L"~Colours~:", IDC_LABEL, SS_LEFT, 10, 60, 80, 10);
    t.Add(CDialogTemplate::BUTTON, L"Accept", IDC_ACCEPT, BS_PUSHBUTTON | WS_TABSTOP, 10, 80, 60, 14);
    return t;
}

CString AFXAPI ExpandColours(LPCTSTR lpszText)
{
    CString s(lpszText);
    s.Replace("~Colours~", "Colors");
    return s;
}

class DialogResourceTest : public ResourceModuleTest
{
protected:
    DialogResourceTest() { m_pfnExpander = ExpandColours; }

    static void SetUpTestSuite()
    {
        CResourceModule* pModule = new CResourceModule("dialogs");
        CDialogTemplate breed = MakeBreedTemplate();
        CDialogTemplate plain(L"Plain");
        plain.Add(CDialogTemplate::BUTTON, L"Accept", IDC_ACCEPT, BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 14);
        std::vector<BYTE> init;
        AddInitRecord(init, IDC_COLOURS, kOldListAddString, "Black");
        AddInitRecord(init, IDC_COLOURS, kOldListAddString, "Liver");
        AddInitRecord(init, IDC_COATS, kOldComboAddString, "Smooth");
        AddInitRecord(init, IDC_COATS, kOldComboAddString, "Wire");
        AddInitRecord(init, IDC_COATS, kOldComboAddString, "Long");
        init.push_back(0);
        init.push_back(0);
        ASSERT_TRUE(pModule->Add((LPCSTR)RT_DIALOG, IDD_BREED, breed.Get(), breed.Size()));
        ASSERT_TRUE(pModule->Add((LPCSTR)RT_DIALOG, IDD_PLAIN, plain.Get(), plain.Size()));
        ASSERT_TRUE(pModule->Add(MAKEINTRESOURCEA(240), IDD_BREED, init.data(), (DWORD)init.size()));
        LoadSuiteModule(pModule);
    }
};

// Records what initialisation set up, then presses its Accept button.
class CBreedDialog : public CDialog
{
public:
    explicit CBreedDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        ++m_nInitialised;
        m_bVisibleAtInit = IsWindowVisible() != FALSE;
        for (int i = 0; i < (int)SendDlgItemMessage(IDC_COLOURS, LB_GETCOUNT); ++i)
            m_items += ItemText(IDC_COLOURS, LB_GETTEXTLEN, LB_GETTEXT, i) + "|";
        for (int i = 0; i < (int)SendDlgItemMessage(IDC_COATS, CB_GETCOUNT); ++i)
            m_items += ItemText(IDC_COATS, CB_GETLBTEXTLEN, CB_GETLBTEXT, i) + "|";
        GetWindowText(m_caption);
        GetDlgItemText(IDC_LABEL, m_label);
        // the timer fires once the modal loop has gone idle and shown the
        // dialog
        if (m_bClickWhenShown)
            SetTimer(1, 10);
        return TRUE;
    }

    afx_msg void OnTimer(UINT)
    {
        // A tick can come before the loop has first gone idle (a loaded
        // machine): wait a while for the showing, but not for ever.
        if (!IsWindowVisible() && ++m_nTicksHidden < 100)
            return;
        KillTimer(1);
        // the click reaches the map through the button's notification
        SendDlgItemMessage(IDC_ACCEPT, BM_CLICK);
    }

    CString ItemText(int nID, UINT nLenMsg, UINT nTextMsg, int nIndex)
    {
        CString text;
        int nLen = (int)SendDlgItemMessage(nID, nLenMsg, nIndex);
        SendDlgItemMessage(nID, nTextMsg, nIndex, (LPARAM)text.GetBufferSetLength(nLen));
        text.ReleaseBuffer();
        return text;
    }

    afx_msg void OnAccept()
    {
        m_bVisibleAtAccept = IsWindowVisible() != FALSE;
        EndDialog(IDC_ACCEPT);
    }

    bool m_bClickWhenShown = true;
    int m_nInitialised = 0;
    bool m_bVisibleAtInit = true;
    bool m_bVisibleAtAccept = false;
    int m_nTicksHidden = 0;
    CString m_items, m_caption, m_label;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBreedDialog, CDialog)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_ACCEPT, OnAccept)
END_MESSAGE_MAP()
} // namespace

TEST_F(DialogResourceTest, ATemplateFromTheResourcesIsInitialisedWithItsStrings)
{
    CBreedDialog dlg(IDD_BREED);
    EXPECT_EQ((UINT)IDD_BREED, dlg.m_nIDHelp);
    EXPECT_EQ(IDC_ACCEPT, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInitialised);
    // only the modal loop shows the dialog, after its initialisation
    EXPECT_FALSE(dlg.m_bVisibleAtInit);
    EXPECT_TRUE(dlg.m_bVisibleAtAccept);
    EXPECT_STREQ("Black|Liver|Smooth|Wire|Long|", dlg.m_items);
    EXPECT_STREQ("Breed Colors", dlg.m_caption);
    EXPECT_STREQ("Colors:", dlg.m_label);
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

TEST_F(DialogResourceTest, ATemplateWithoutInitialisationDataNeedsNone)
{
    CBreedDialog dlg(IDD_PLAIN);
    EXPECT_EQ(IDC_ACCEPT, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInitialised);
    EXPECT_STREQ("", dlg.m_items);
}

TEST_F(DialogResourceTest, AMissingTemplateGivesMinusOneWithoutAWindow)
{
    CBreedDialog dlg(IDD_MISSING);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nInitialised);

    CBreedDialog modeless(IDD_MISSING);
    EXPECT_FALSE(modeless.Create(IDD_MISSING));
    EXPECT_EQ(NULL, modeless.m_hWnd);
}

TEST_F(DialogResourceTest, AModelessDialogFromTheResourcesIsInitialisedToo)
{
    CBreedDialog dlg(IDD_BREED);
    dlg.m_bClickWhenShown = false;
    ASSERT_TRUE(dlg.Create(IDD_BREED));
    EXPECT_EQ(1, dlg.m_nInitialised);
    EXPECT_STREQ("Black|Liver|Smooth|Wire|Long|", dlg.m_items);
    dlg.DestroyWindow();
    EXPECT_EQ(NULL, dlg.m_hWnd);
}
