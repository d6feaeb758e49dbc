// Edit fields of a dialog as a user meets them: text dragged between them with
// the mouse through real OLE, and the context menu of a field that offers one.
#include "framework/controls/MyEdit.h"

#include "MyEditTestIds.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/dragdrop/MouseDrag.h"
#include "framework/menus/MyMenu.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A field that offers two commands on a right click.
class CMenuEdit : public CMyEdit
{
public:
    CMyMenu* GetContextMenu(CMyMenu* menu, UINT) override
    {
        menu->CreatePopupMenu();
        menu->AppendItem(MF_STRING, ID_EDIT_MENU_COPY, "&Copy all");
        menu->AppendItem(MF_STRING, ID_EDIT_MENU_ERASE, "&Erase");
        return menu;
    }
};

// The dialog: its commands are the menu's, Erase disabled; when a menu waits
// for input it notes what the menu shows and types the first item's mnemonic.
class CEditHostDlg : public CMyDialog
{
public:
    CEditHostDlg() : CMyDialog(IDD_EDIT_DRAG_TEST, NULL) {}

    afx_msg void OnCopyAll() { m_commands.push_back(ID_EDIT_MENU_COPY); }
    afx_msg void OnErase() { m_commands.push_back(ID_EDIT_MENU_ERASE); }
    afx_msg void OnUpdateMenuCommand(CCmdUI* ui) { ui->Enable(ui->m_nID == ID_EDIT_MENU_COPY); }
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        HWND menuWindow = ::FindWindowA("#32768", NULL);
        if (wParam != MSGF_MENU || menuWindow == NULL || m_menusSeen++ > 0)
            return 0;
        SaveWindowScreenshot(menuWindow, "framework_edit_context_menu");
        ::GetWindowRect(menuWindow, &m_menuRect);
        HMENU menu = (HMENU)::SendMessageA(menuWindow, MN_GETHMENU, 0, 0);
        m_eraseGreyed = (::GetMenuState(menu, ID_EDIT_MENU_ERASE, MF_BYCOMMAND) & MF_GRAYED) != 0;
        m_myMenu = IsMyMenuHandle(menu);
        ::PostMessageA(menuWindow, WM_CHAR, 'c', 0);
        return 0;
    }

    std::vector<UINT> m_commands;
    int m_menusSeen = 0;
    CRect m_menuRect;
    BOOL m_eraseGreyed = FALSE;
    BOOL m_myMenu = FALSE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CEditHostDlg, CMyDialog)
ON_COMMAND(ID_EDIT_MENU_COPY, OnCopyAll)
ON_COMMAND(ID_EDIT_MENU_ERASE, OnErase)
ON_UPDATE_COMMAND_UI(ID_EDIT_MENU_COPY, OnUpdateMenuCommand)
ON_UPDATE_COMMAND_UI(ID_EDIT_MENU_ERASE, OnUpdateMenuCommand)
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

class MyEditDragDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_EDIT_DRAG_TEST, NULL));
        // Subclassed dialog controls, which never see WM_CREATE.
        ASSERT_TRUE(m_source.SubclassDlgItem(IDC_EDIT_SOURCE, &m_dialog));
        ASSERT_TRUE(m_target.SubclassDlgItem(IDC_EDIT_TARGET, &m_dialog));
        ASSERT_TRUE(m_readOnly.SubclassDlgItem(IDC_EDIT_READ_ONLY, &m_dialog));
        ASSERT_TRUE(m_password.SubclassDlgItem(IDC_EDIT_PASSWORD, &m_dialog));
        m_dialog.SetWindowPos(NULL, 60, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_dialog.ShowWindow(SW_SHOW);
        m_dialog.SetForegroundWindow();
        Reset();
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    void Reset()
    {
        m_source.SetWindowText("Black and tan");
        m_target.SetWindowText("Red sable");
        m_readOnly.SetWindowText("Liver");
        m_password.SetWindowText("secret");
        m_source.SetSel(0, 5); // "Black"
        m_target.SetSel(4, 9); // "sable": a drop goes to the drop point, not over this
        m_password.SetSel(0, 6);
    }
    // A client point of the field, after its third character.
    static CPoint AfterThird(CEdit& edit) { return CPoint(LOWORD(edit.SendMessage(EM_POSFROMCHAR, 3, 0)), 6); }
    static CString Text(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }

    CFrameworkTestApp m_app;
    CEditHostDlg m_dialog;
    CMenuEdit m_source;
    CMyEdit m_target, m_readOnly, m_password;
};
} // namespace

TEST_F(MyEditDragDropTest, ShiftDragWithTheMouseMovesTextToTheDropPoint)
{
    const struct
    {
        const char* name;
        CMyEdit* from;
        CMyEdit* to;
        const char *source, *target;
    } cases[] = {
        {"moved", &m_source, &m_target, " and tan", "RedBlack sable"},
        {"read-only target refuses", &m_source, &m_readOnly, "Black and tan", "Liver"},
        {"a field is no target of its own drag", &m_source, &m_source, "Black and tan", "Black and tan"},
        {"a password is never dragged", &m_password, &m_target, "secret", "Red sable"},
    };
    for (const auto& c : cases)
    {
        Reset();
        // The button goes down on the dialog below the fields, so the drag
        // starts at once, outside the source's start rectangle.
        CRect client;
        m_dialog.GetClientRect(&client);
        CPoint press(client.Width() / 2, client.bottom - 4), drop = AfterThird(*c.to);
        m_dialog.ClientToScreen(&press);
        c.to->ClientToScreen(&drop);
        EXPECT_TRUE(RunMouseDrag(press, drop, [&] {
            c.from->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(4, 6));
            c.from->SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(16, 6));
        })) << c.name;
        EXPECT_STREQ(c.source, Text(*c.from)) << c.name;
        EXPECT_STREQ(c.target, Text(*c.to)) << c.name;
        EXPECT_TRUE(c.from->m_dragDrop.IsEnabled()) << c.name; // a target again after its drag
    }
}

TEST_F(MyEditDragDropTest, ShiftClickFocusesKeepsTheCaretAndReadOnlyFollowsTheStyle)
{
    m_source.SetFocus();
    m_target.SetSel(2, 4);
    m_target.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(60, 6));
    EXPECT_EQ(m_target.m_hWnd, ::GetFocus());
    int start = 0, end = 0;
    m_target.GetSel(start, end);
    EXPECT_EQ(2, start);
    EXPECT_EQ(4, end);
    EXPECT_TRUE(m_target.m_dragDrop.m_dragPending);
    // Shift let go before the button: no drag may start later.
    m_target.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 6));
    EXPECT_FALSE(m_target.m_dragDrop.m_dragPending);

    const struct
    {
        CMyEdit* edit;
        BOOL readOnly;
        BOOL enabled;
        DROPEFFECT effects;
    } states[] = {
        {&m_target, -1, TRUE, DROPEFFECT_COPY | DROPEFFECT_MOVE},
        {&m_readOnly, -1, FALSE, DROPEFFECT_COPY},
        {&m_password, -1, TRUE, DROPEFFECT_NONE},
        {&m_target, TRUE, FALSE, DROPEFFECT_COPY},
        {&m_target, FALSE, TRUE, DROPEFFECT_COPY | DROPEFFECT_MOVE},
    };
    for (const auto& s : states)
    {
        if (s.readOnly >= 0)
            s.edit->SendMessage(EM_SETREADONLY, s.readOnly);
        EXPECT_TRUE(s.edit->m_dragDrop.m_registered);
        EXPECT_EQ(s.enabled, s.edit->m_dragDrop.IsEnabled()) << s.edit->GetDlgCtrlID() << " " << s.readOnly;
        EXPECT_EQ(s.effects, s.edit->m_dragDrop.GetDragEffects()) << s.edit->GetDlgCtrlID() << " " << s.readOnly;
    }
    // A field whose window goes is no drop target; made again, it registers again.
    m_dialog.DestroyWindow();
    EXPECT_FALSE(m_target.m_dragDrop.m_registered);
    ASSERT_TRUE(m_dialog.Create(IDD_EDIT_DRAG_TEST, NULL));
    ASSERT_TRUE(m_target.SubclassDlgItem(IDC_EDIT_TARGET, &m_dialog));
    EXPECT_TRUE(m_target.m_dragDrop.m_registered);
}

TEST_F(MyEditDragDropTest, RightClickTracksTheFieldsMenuWithStatesFromTheDialog)
{
    // A plain field leaves the click to the edit control: no menu of ours.
    m_target.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 6));
    PumpMessages();
    EXPECT_EQ(0, m_dialog.m_menusSeen);

    m_source.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 6));
    PumpMessages();
    EXPECT_EQ(1, m_dialog.m_menusSeen);
    EXPECT_TRUE(m_dialog.m_myMenu);
    EXPECT_TRUE(m_dialog.m_eraseGreyed);
    EXPECT_EQ(std::vector<UINT>{ID_EDIT_MENU_COPY}, m_dialog.m_commands);
    CPoint click(10, 6);
    m_source.ClientToScreen(&click);
    EXPECT_EQ(click, m_dialog.m_menuRect.TopLeft());
}

TEST_F(MyEditDragDropTest, ClipboardCommandsTakeTheSelectionElseTheWholeText)
{
    enum Command
    {
        Cut,
        Copy,
        Clear,
        Read
    };
    const struct
    {
        int start, end;
        Command command;
        const char *text, *clipboard;
    } cases[] = {
        {0, 5, Cut, " and tan", "Black"},
        {3, 3, Copy, "Black and tan", "Black and tan"},
        {3, 3, Clear, "", NULL},
        // Five bytes and no terminating zero: the read stops at the block's end.
        {6, 9, Read, "Black Sable tan", NULL},
    };
    for (const auto& c : cases)
    {
        Reset();
        m_source.SetSel(c.start, c.end);
        if (c.command == Read)
        {
            COleDataSource* source = NewUnterminatedTextSource("Sable", 5);
            COleDataObject data;
            data.Attach(source->GetDataObject(), FALSE);
            EXPECT_TRUE(m_source.m_dragDrop.ReadData(&data));
            source->InternalRelease();
        }
        else
            EXPECT_TRUE(c.command == Cut    ? m_source.m_dragDrop.Cut()
                        : c.command == Copy ? m_source.m_dragDrop.Copy()
                                            : m_source.m_dragDrop.Clear())
                << c.command;
        EXPECT_STREQ(c.text, Text(m_source)) << c.command;
        if (c.clipboard != NULL)
        {
            COleDataObject clipboard;
            CString text;
            EXPECT_TRUE(clipboard.AttachClipboard() && ReadDataObjectText(&clipboard, CF_TEXT, text));
            EXPECT_STREQ(c.clipboard, text) << c.command;
        }
    }
    COleDataSource::FlushClipboard();
    // A password never reaches the clipboard.
    EXPECT_FALSE(m_password.m_dragDrop.Copy());
}
