#include "framework/controls/FontNameCombo.h"
#include "framework/controls/MyComboBox.h"
#include "foundation/windows/ListOrCombo.h"

#include <gtest/gtest.h>

namespace
{
    void PumpMessages()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    class MyComboBoxTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Combos",
                                          WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 360, 260, NULL, NULL));
        }
        void TearDown() override { m_parent.DestroyWindow(); }
        void Make(CMyComboBox& combo, DWORD kind, BOOL ownRecords, UINT id = 1)
        {
            combo.SetOwnRecords(ownRecords);
            ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | kind, CRect(5, 5, 200, 150), &m_parent, id));
            for (const char* text : {"Black", "Blue", "Tan"})
                combo.AddString(text);
        }
        CString EditText(CMyComboBox& combo)
        {
            CString text;
            combo.GetWindowText(text);
            return text;
        }
        CWnd m_parent;
    };
}

TEST_F(MyComboBoxTest, SelectTextFallsBackByTheKindOfCombo)
{
    const struct
    {
        DWORD kind;
        BOOL ownRecords;
        const char* text;
        int fallback, selected;
        const char* edit; // NULL: not checked
    } cases[] = {
        {CBS_DROPDOWNLIST, TRUE, "blue", -1, 1, NULL},  {CBS_DROPDOWNLIST, TRUE, "Grey", 0, 0, NULL},
        {CBS_DROPDOWNLIST, TRUE, "Grey", 3, -1, NULL},  {CBS_DROPDOWNLIST, FALSE, "Grey", 2, 0, NULL},
        {CBS_DROPDOWNLIST, TRUE, "", 0, 0, NULL},       {CBS_DROPDOWN, FALSE, "Grey", 0, -1, "Grey"},
        {CBS_DROPDOWN, TRUE, "TAN", 0, 2, NULL},
    };
    for (const auto& test : cases)
    {
        CMyComboBox combo;
        Make(combo, test.kind, test.ownRecords);
        combo.SelectText(test.text, test.fallback);
        EXPECT_EQ(test.selected, combo.GetCurSel()) << test.text << " fallback " << test.fallback;
        if (test.edit != NULL)
        {
            EXPECT_STREQ(test.edit, EditText(combo));
        }
        combo.DestroyWindow();
    }
}

TEST_F(MyComboBoxTest, ComboTextExchangeOnOursAndOnPlainCombos)
{
    CMyComboBox ours;
    Make(ours, CBS_DROPDOWNLIST, TRUE, 1);
    HWND plain = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 5, 160, 100, 100,
                                   m_parent.m_hWnd, (HMENU)2, NULL, NULL);
    for (const char* text : {"Black", "Blue"})
        ::SendMessageA(plain, CB_ADDSTRING, 0, (LPARAM)text);
    const struct
    {
        int id;
        const char* value;
        int fallback, selected;
        const char* saved;
    } cases[] = {{1, " Tan  ", -1, 2, "Tan"}, {1, "Grey", 0, 0, "Black"}, {2, "blue ", -1, 1, "Blue"},
                 {2, "Grey", 0, 0, "Black"}};
    for (const auto& test : cases)
    {
        ::SendDlgItemMessageA(m_parent.m_hWnd, test.id, CB_SETCURSEL, (WPARAM)-1, 0);
        CString value = test.value;
        CDataExchange loading(&m_parent, FALSE);
        DDX_MyComboText(&loading, test.id, value, test.fallback);
        EXPECT_EQ(test.selected, (int)::SendDlgItemMessageA(m_parent.m_hWnd, test.id, CB_GETCURSEL, 0, 0)) << test.value;
        CString saved;
        CDataExchange saving(&m_parent, TRUE);
        DDX_MyComboText(&saving, test.id, saved, -1);
        EXPECT_STREQ(test.saved, saved) << test.value;
    }
}

TEST_F(MyComboBoxTest, ExchangeMakesATemplateComboOwnerDrawnInPlace)
{
    HWND before = ::CreateWindowExA(0, "STATIC", "Label", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, m_parent.m_hWnd,
                                    (HMENU)7, NULL, NULL);
    HWND item = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 70, 5,
                                  150, 60, m_parent.m_hWnd, (HMENU)5, NULL, NULL);
    ::CreateWindowExA(0, "BUTTON", "After", WS_CHILD | WS_VISIBLE, 230, 5, 60, 20, m_parent.m_hWnd, (HMENU)8, NULL,
                      NULL);
    CRect oldRect;
    ::GetWindowRect(item, &oldRect);

    CMyComboBox combo;
    combo.SetOwnRecords(TRUE);
    CDataExchange exchange(&m_parent, FALSE);
    DDX_MyComboBox(&exchange, 5, combo);
    ASSERT_TRUE(::IsWindow(combo.m_hWnd));
    EXPECT_EQ(combo.m_hWnd, ::GetDlgItem(m_parent.m_hWnd, 5));
    DWORD style = combo.GetStyle();
    EXPECT_TRUE((style & CBS_OWNERDRAWVARIABLE) && !(style & CBS_HASSTRINGS)) << std::hex << style;
    CRect newRect;
    combo.GetWindowRect(&newRect);
    EXPECT_EQ(oldRect.TopLeft(), newRect.TopLeft());
    EXPECT_EQ(oldRect.Width(), newRect.Width());
    EXPECT_EQ(before, ::GetWindow(combo.m_hWnd, GW_HWNDPREV)) << "keeps its place in the tab order";
    EXPECT_EQ((HFONT)::GetStockObject(DEFAULT_GUI_FONT), (HFONT)combo.SendMessage(WM_GETFONT));

    EXPECT_EQ(0, combo.AddString("Liver", 3));
    EXPECT_TRUE(combo.GetCurSelText().IsEmpty()) << "nothing selected";
    combo.SetCurSel(0);
    EXPECT_STREQ("Liver", combo.GetCurSelText());
    EXPECT_EQ(3, combo.GetExtraValue(0));
}

TEST_F(MyComboBoxTest, DropDownOverAnEmptyFieldSelectsTheRememberedText)
{
    CMyComboBox combo;
    Make(combo, CBS_DROPDOWN, FALSE);
    combo.m_rememberedText = "Blue";
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(1, CBN_DROPDOWN), (LPARAM)combo.m_hWnd);
    PumpMessages();
    EXPECT_EQ(1, combo.GetCurSel());

    combo.SetCurSel(-1);
    combo.SetWindowText("Tan");
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(1, CBN_DROPDOWN), (LPARAM)combo.m_hWnd);
    PumpMessages();
    EXPECT_EQ(-1, combo.GetCurSel()) << "a typed text stays";
}

TEST(FontNameCombo, ListsOnlyAnsiTrueTypeFontsAndFixedPitchWhenAsked)
{
    CFontNameCombo combo;
    const struct
    {
        const char* face;
        DWORD type;
        BYTE charSet, pitch;
        int fixedOnly;
        BOOL listed;
    } fonts[] = {
        {"Variable", TRUETYPE_FONTTYPE, ANSI_CHARSET, TMPF_FIXED_PITCH, 0, TRUE},
        {"Raster", RASTER_FONTTYPE, ANSI_CHARSET, 0, 0, FALSE},
        {"Symbol", TRUETYPE_FONTTYPE, SYMBOL_CHARSET, TMPF_FIXED_PITCH, 0, FALSE},
        {"Variable", TRUETYPE_FONTTYPE, ANSI_CHARSET, TMPF_FIXED_PITCH, 1, FALSE}, // the bit means variable pitch
        {"Fixed", TRUETYPE_FONTTYPE, ANSI_CHARSET, 0, 1, TRUE},
        {"@Vertical", TRUETYPE_FONTTYPE, ANSI_CHARSET, 0, 0, FALSE},
    };
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Fonts", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT,
                             CRect(0, 0, 200, 200), &parent, 1));
    combo.ResetContent();
    combo.m_fonts.RemoveAll();
    for (const auto& font : fonts)
    {
        LOGFONTA logFont = {};
        logFont.lfCharSet = font.charSet;
        strcpy(logFont.lfFaceName, font.face);
        TEXTMETRICA metrics = {};
        metrics.tmPitchAndFamily = font.pitch;
        combo.m_fixedPitchOnly = font.fixedOnly;
        EXPECT_EQ(font.listed, combo.AddFont(logFont, metrics, font.type)) << font.face << font.fixedOnly;
    }
    ASSERT_EQ(2, combo.GetCount());
    ASSERT_EQ(2, combo.m_fonts.GetSize());
    for (int i = 0; i < 2; i++)
        EXPECT_STREQ(combo.m_fonts[(int)combo.GetItemData(i)].lfFaceName, CListOrCombo(&combo).GetText(i));
    parent.DestroyWindow();
}

TEST(FontNameCombo, FillsOnCreationAndExchangesTheFaceName)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Fonts", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    CFontNameCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT,
                             CRect(0, 0, 200, 200), &parent, 1));
    ASSERT_GT(combo.GetCount(), 0) << "the installed TrueType fonts";
    for (int i = 0; i < combo.m_fonts.GetSize(); i++)
        EXPECT_EQ(ANSI_CHARSET, combo.m_fonts[i].lfCharSet) << combo.m_fonts[i].lfFaceName;
    EXPECT_EQ(NULL, combo.GetSelectedLogFont());
    EXPECT_STREQ("", combo.GetSelectedFaceName());

    CString chosen;
    combo.GetLBText(combo.GetCount() - 1, chosen);
    CString face = chosen;
    face.MakeLower();
    CDataExchange loading(&parent, FALSE);
    DDX_FontNameCombo(&loading, 1, combo, face, FALSE);
    CString saved;
    CDataExchange saving(&parent, TRUE);
    DDX_FontNameCombo(&saving, 1, combo, saved, FALSE);
    EXPECT_STREQ(chosen, saved);

    CString missing = "No Such Typeface";
    DDX_FontNameCombo(&loading, 1, combo, missing, FALSE);
    EXPECT_EQ(0, combo.GetCurSel()) << "a face that is not installed: the first font";
    parent.DestroyWindow();
}
