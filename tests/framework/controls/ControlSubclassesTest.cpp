#include "framework/controls/DoubleClickStatic.h"
#include "framework/controls/InPlaceLabelEdit.h"
#include "framework/controls/LinkedTextEdit.h"
#include "framework/controls/MessageButton.h"
#include "framework/lists/MyHeaderCtrl.h"
#include "framework/controls/MyTabCtrl.h"
#include "framework/controls/NavigatingComboBox.h"
#include "framework/controls/RadioChoiceButton.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/DialogDriver.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The control classes that the program's dialogs do not use yet, each made
// and driven through its message map.
namespace
{
const UINT WM_PROBE = WM_APP + 7;

// A parent that records what its children tell it; notifications still
// reach the children's reflected handlers.
class CRecordingParent : public CWnd
{
public:
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> messages;
    int clicks = 0;

    std::vector<Message> Of(UINT message) const
    {
        std::vector<Message> found;
        for (const Message& m : messages)
            if (m.message == message)
                found.push_back(m);
        return found;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE || message == WM_CONTROL_KEY || message == WM_STATIC_DOUBLE_CLICK)
            messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
    // A click that the button did not keep for itself counts here.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (!ReflectLastMsg((HWND)lParam) && HIWORD(wParam) == BN_CLICKED)
            clicks++;
        return TRUE;
    }
};

void SetControlKey(bool held)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = held ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

class ControlSubclassesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Controls",
                                      WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 400, 240, NULL, NULL));
    }
    void TearDown() override
    {
        SetControlKey(false);
        m_parent.DestroyWindow();
    }
    HWND Child(LPCTSTR windowClass, LPCTSTR text, DWORD style, int id, const RECT& r)
    {
        return ::CreateWindowA(windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, m_parent.m_hWnd, (HMENU)(INT_PTR)id, ::GetModuleHandleA(NULL), NULL);
    }
    // The keys handed to the parent, in order, all from the one control.
    std::vector<WPARAM> KeysTold(HWND control)
    {
        std::vector<WPARAM> keys;
        for (const auto& m : m_parent.Of(WM_CONTROL_KEY))
        {
            EXPECT_EQ(m.lParam, (LPARAM)control);
            keys.push_back(m.wParam);
        }
        return keys;
    }
    void Click(CWnd& button) { CDialogDriver::ClickNow(m_parent.m_hWnd, button.GetDlgCtrlID()); }

    CFrameworkTestApp m_app;
    CRecordingParent m_parent;
};

// Counts its deletions, to see the delete-with-window flag at work.
template <class Base>
class CCountedControl : public Base
{
public:
    ~CCountedControl() override { ++deleted; }
    static inline int deleted = 0;
};
}

TEST_F(ControlSubclassesTest, EachClassIsMadeByItsRuntimeClassAndKeepsItsBase)
{
    const struct
    {
        CRuntimeClass* made;
        CRuntimeClass* base;
        LPCTSTR windowClass;
        DWORD style;
    } cases[] = {
        {RUNTIME_CLASS(CMessageButton), RUNTIME_CLASS(CMyButton), "BUTTON", BS_PUSHBUTTON},
        {RUNTIME_CLASS(CRadioChoiceButton), RUNTIME_CLASS(CMyButton), "BUTTON", BS_PUSHBUTTON},
        {RUNTIME_CLASS(CMyHeaderCtrl), RUNTIME_CLASS(CHeaderCtrl), WC_HEADERA, 0},
        {RUNTIME_CLASS(CMyTabCtrl), RUNTIME_CLASS(CTabCtrl), WC_TABCONTROLA, 0},
        {RUNTIME_CLASS(CDoubleClickStatic), RUNTIME_CLASS(CMyStatic), "STATIC", SS_NOTIFY},
        {RUNTIME_CLASS(CNavigatingComboBox), RUNTIME_CLASS(CMyComboBox), "COMBOBOX", CBS_DROPDOWN},
    };
    int id = 100;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.made->m_lpszClassName);
        CWnd* control = (CWnd*)c.made->CreateObject();
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->IsKindOf(c.base));
        HWND window = Child(c.windowClass, "", c.style, id++, CRect(5, 5, 120, 60));
        ASSERT_TRUE(control->SubclassWindow(window));
        EXPECT_EQ(CWnd::FromHandlePermanent(window), control);
        control->DestroyWindow();
        delete control;
    }
}

TEST_F(ControlSubclassesTest, HeaderAndTabControlsDeleteThemselvesWhenAsked)
{
    for (int flag : {0, 1})
    {
        auto* header = new CCountedControl<CMyHeaderCtrl>;
        auto* tab = new CCountedControl<CMyTabCtrl>;
        header->m_deleteWithWindow = tab->m_deleteWithWindow = flag;
        ASSERT_TRUE(header->Create(WS_CHILD, CRect(0, 0, 100, 20), &m_parent, 201));
        ASSERT_TRUE(tab->Create(WS_CHILD, CRect(0, 30, 100, 80), &m_parent, 202));
        CCountedControl<CMyHeaderCtrl>::deleted = CCountedControl<CMyTabCtrl>::deleted = 0;
        header->DestroyWindow();
        tab->DestroyWindow();
        EXPECT_EQ(CCountedControl<CMyHeaderCtrl>::deleted, flag);
        EXPECT_EQ(CCountedControl<CMyTabCtrl>::deleted, flag);
        if (!flag)
        {
            delete header;
            delete tab;
        }
    }
}

// Sent or posted to its window, the button's message replaces the click;
// without a window the parent gets the click.
TEST_F(ControlSubclassesTest, TheMessageButtonSendsOrPostsItsMessage)
{
    CMessageButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(5, 5, 80, 30), &m_parent, 300));
    button.m_message = WM_PROBE;
    button.m_wParam = 11;
    button.m_lParam = 22;

    Click(button);
    EXPECT_EQ(m_parent.clicks, 1);
    EXPECT_TRUE(m_parent.Of(WM_PROBE).empty());

    button.m_target = m_parent.m_hWnd;
    for (BOOL post : {FALSE, TRUE})
    {
        button.m_post = post;
        m_parent.messages.clear();
        Click(button);
        EXPECT_EQ(m_parent.Of(WM_PROBE).size(), post ? 0u : 1u) << "sent at once";
        PumpWaitingMessages();
        auto probes = m_parent.Of(WM_PROBE);
        ASSERT_EQ(probes.size(), 1u);
        EXPECT_EQ(probes[0].wParam, 11u);
        EXPECT_EQ(probes[0].lParam, 22);
    }
    EXPECT_EQ(m_parent.clicks, 1);
}

// Choice 0 enables the first range and the colour button, choice 1 the
// second range, choice 2 neither; none checked counts as choice 0.
TEST_F(ControlSubclassesTest, TheRadioChoiceButtonEnablesTheCheckedChoicesControls)
{
    CRadioChoiceButton radios[3];
    for (int i = 0; i < 3; i++)
    {
        HWND radio = Child("BUTTON", "choice", BS_RADIOBUTTON, 400 + i, CRect(5, 5 + 20 * i, 100, 22 + 20 * i));
        ASSERT_TRUE(radios[i].SubclassWindow(radio));
        radios[i].m_owner = &m_parent;
        radios[i].m_firstRadio = 400;
        radios[i].m_firstRange[0] = 410;
        radios[i].m_firstRange[1] = 411;
        radios[i].m_secondRange[0] = 412;
        radios[i].m_secondRange[1] = 412;
    }
    for (int id = 410; id <= 413; id++)
        Child("EDIT", "", WS_BORDER, id, CRect(120, 5 + 20 * (id - 410), 200, 22 + 20 * (id - 410)));
    CWnd colour;
    colour.Attach(Child("BUTTON", "colour", BS_PUSHBUTTON, 414, CRect(220, 5, 280, 25)));
    for (CRadioChoiceButton& radio : radios)
        radio.m_colourButton = &colour;

    auto states = [&] {
        std::string s;
        for (int id = 410; id <= 414; id++)
            s += ::IsWindowEnabled(::GetDlgItem(m_parent.m_hWnd, id)) ? '1' : '0';
        return s;
    };
    const struct
    {
        int checked; // -1 none
        const char* states;
    } cases[] = {{1, "00110"}, {0, "11011"}, {2, "00010"}, {-1, "11011"}}; // 413 is in no range
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.checked);
        for (int i = 0; i < 3; i++)
            ::CheckDlgButton(m_parent.m_hWnd, 400 + i, i == c.checked ? BST_CHECKED : BST_UNCHECKED);
        Click(radios[c.checked < 0 ? 0 : c.checked]);
        EXPECT_EQ(states(), c.states);
    }
    EXPECT_EQ(m_parent.clicks, 4) << "the parent sees every click";
    colour.Detach();
}

TEST_F(ControlSubclassesTest, TheDoubleClickStaticTellsItsParent)
{
    CDoubleClickStatic label;
    ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(5, 5, 100, 25), &m_parent, 500));
    label.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(3, 3));
    auto told = m_parent.Of(WM_STATIC_DOUBLE_CLICK);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].wParam, (WPARAM)(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(told[0].lParam, (LPARAM)label.m_hWnd);
}

// The linked window gets the text when the text, the kind or the number
// (beyond 0.005) changed since the last push, or when forced.
TEST_F(ControlSubclassesTest, TheLinkedTextEditPushesWhatChanged)
{
    CLinkedTextEdit edit;
    CWnd linked;
    linked.Attach(Child("STATIC", "", 0, 601, CRect(5, 40, 200, 60)));
    ASSERT_TRUE(edit.SubclassWindow(Child("EDIT", "", WS_BORDER, 600, CRect(5, 5, 200, 25))));
    edit.m_linked = &linked;
    auto linkedText = [&] {
        CString text;
        linked.GetWindowText(text);
        return std::string(text);
    };

    edit.SetWindowText("Rex");
    EXPECT_EQ(linkedText(), "Rex");
    linked.SetWindowText("");
    edit.m_number = 0.004;
    edit.SetWindowText("Rex"); // no change the edit reports
    EXPECT_FALSE(edit.Push(FALSE));
    EXPECT_EQ(linkedText(), "");
    edit.m_number = 0.006;
    EXPECT_TRUE(edit.Push(FALSE));
    EXPECT_EQ(linkedText(), "Rex");
    edit.m_kind = 2;
    linked.SetWindowText("");
    EXPECT_TRUE(edit.Push(FALSE));
    EXPECT_FALSE(edit.Push(FALSE));
    EXPECT_TRUE(edit.Push(TRUE));
    EXPECT_EQ(linkedText(), "Rex");
    linked.Detach();
}

// Typing widens the field up to its parent; the ending keys and, with Ctrl,
// the navigation keys go to the parent; Esc puts the old text back.
TEST_F(ControlSubclassesTest, TheInPlaceLabelEditWidensAndHandsKeysToItsParent)
{
    CInPlaceLabelEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(Child("EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 700, CRect(5, 5, 40, 25))));
    edit.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    edit.m_restoreText = "Bella";
    edit.SetFocus();
    CRect before;
    edit.GetWindowRect(&before);
    for (char c : std::string("Champion Bella of the North"))
        edit.SendMessage(WM_CHAR, (BYTE)c, 1);
    CRect after, parent;
    edit.GetWindowRect(&after);
    m_parent.GetClientRect(&parent);
    EXPECT_GT(after.Width(), before.Width());
    for (int i = 0; i < 120; i++)
        edit.SendMessage(WM_CHAR, 'x', 1);
    edit.GetWindowRect(&after);
    m_parent.ScreenToClient(&after);
    EXPECT_EQ(after.right, parent.right) << "no wider than the parent";

    edit.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(m_parent.Of(WM_CONTROL_KEY).empty()) << "without Ctrl the edit keeps the arrow";
    SetControlKey(true);
    edit.SendMessage(WM_KEYDOWN, VK_NEXT, 1);
    SetControlKey(false);
    edit.SendMessage(WM_CHAR, VK_RETURN, 1);
    edit.SendMessage(WM_CHAR, VK_ESCAPE, 1);
    EXPECT_EQ(KeysTold(edit.m_hWnd), (std::vector<WPARAM>{VK_NEXT, VK_RETURN, VK_ESCAPE}));
    EXPECT_EQ(edit.m_parentKey.m_key, (UINT)VK_ESCAPE);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "Bella");
}

// The combo box's own edit field hands it the navigation keys with Ctrl and
// the ending keys on release; it tells its parent, Esc restoring the text;
// the edit field's focus loss reaches the combo box.
TEST_F(ControlSubclassesTest, TheNavigatingComboBoxHandsKeysToItsParent)
{
    class CFocusCombo : public CNavigatingComboBox
    {
    public:
        void OnEditKillFocus(CWnd*) override { ++focusLost; }
        int focusLost = 0;
    } combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(5, 5, 150, 120), &m_parent, 800));
    ASSERT_NE(combo.m_edit.m_hWnd, (HWND)NULL);
    combo.m_restoreText = "Sable";
    combo.SetWindowText("Brindle");
    combo.m_edit.SetFocus();

    combo.m_edit.SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_TRUE(m_parent.Of(WM_CONTROL_KEY).empty());
    SetControlKey(true);
    combo.m_edit.SendMessage(WM_KEYDOWN, VK_UP, 1);
    SetControlKey(false);
    combo.m_edit.SendMessage(WM_KEYUP, VK_TAB, 1);
    combo.m_edit.SendMessage(WM_KEYUP, VK_ESCAPE, 1);
    combo.m_navigateAlways = TRUE;
    combo.SendMessage(WM_KEYDOWN, VK_PRIOR, 1);
    EXPECT_EQ(KeysTold(combo.m_hWnd), (std::vector<WPARAM>{VK_UP, VK_TAB, VK_ESCAPE, VK_PRIOR}));
    CString text;
    combo.GetWindowText(text);
    EXPECT_STREQ(text, "Sable");

    m_parent.SetFocus();
    EXPECT_EQ(combo.focusLost, 1);
    combo.DestroyWindow();
}
