#include "framework/lists/MyListCtrl.h"

#include "foundation/windows/Clipboard.h"
#include "framework/dragdrop/MouseDrag.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/MessagePump.h"
#include "support/MouseInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A list's side of drag and drop: its selected items offered as lines of
// text, dropped lines added at its end, no data removing the selection.
class CItemsSupport : public COleDragDropSupport
{
public:
    CListCtrl* m_list = nullptr;
    int m_starts = 0;
    BOOL m_realDrag = FALSE;

    BOOL FillDataSource(COleDataSource* source) override
    {
        CString text;
        for (int i = -1; (i = m_list->GetNextItem(i, LVNI_SELECTED)) >= 0;)
            text += m_list->GetItemText(i, 0) + "\n";
        return CacheTextInDataSource(source, text, CF_TEXT);
    }
    BOOL CanReadData(COleDataObject* data) override { return data->IsDataAvailable(CF_TEXT); }
    BOOL ReadData(COleDataObject* data) override
    {
        if (data == NULL)
        {
            for (int i = m_list->GetItemCount() - 1; i >= 0; --i)
                if (m_list->GetItemState(i, LVIS_SELECTED) != 0)
                    m_list->DeleteItem(i);
            return TRUE;
        }
        CString text;
        if (!ReadDataObjectText(data, CF_TEXT, text))
            return FALSE;
        for (int start = 0, end; (end = text.Find('\n', start)) >= 0; start = end + 1)
            m_list->InsertItem(m_list->GetItemCount(), text.Mid(start, end - start));
        return TRUE;
    }
    BOOL StartDrag(CWnd* window) override
    {
        ++m_starts;
        return m_realDrag ? COleDragDropSupport::StartDrag(window) : TRUE;
    }
};

class CItemList : public CMyListCtrl
{
public:
    CItemList() : CMyListCtrl(new CItemsSupport) { Support().m_list = this; }
    CItemsSupport& Support() { return *static_cast<CItemsSupport*>(m_dragDrop.get()); }
};

class MyListCtrlDragDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Kennels",
                                      WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(40, 40, 520, 260), NULL, 0));
        Make(m_dams, CRect(8, 8, 230, 180), 100);
        Make(m_sires, CRect(240, 8, 462, 180), 101);
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    void Make(CItemList& list, const CRect& rect, UINT id)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, rect, &m_parent, id));
        list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    }
    static void Fill(CListCtrl& list, std::vector<const char*> items)
    {
        list.DeleteAllItems();
        for (const char* item : items)
            list.InsertItem(list.GetItemCount(), item);
    }
    static std::string Items(CListCtrl& list)
    {
        std::string items;
        for (int i = 0; i < list.GetItemCount(); ++i)
            items += std::string(i > 0 ? "," : "") + (LPCTSTR)list.GetItemText(i, 0);
        return items;
    }

    CFrameworkTestApp m_app;
    CWnd m_parent;
    CItemList m_dams, m_sires;
};
} // namespace

TEST_F(MyListCtrlDragDropTest, APlainListIsADropTargetThatTakesNothing)
{
    // once made by creation, once bound to a list that exists
    for (BOOL bind : {FALSE, TRUE})
    {
        CMyListCtrl list;
        if (bind)
            ASSERT_TRUE(list.SubclassWindow(::CreateWindowExA(0, WC_LISTVIEWA, NULL, WS_CHILD | LVS_REPORT, 0, 0, 90,
                                                              90, m_parent.m_hWnd, (HMENU)7, NULL, NULL)));
        else
            ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 90, 90), &m_parent, 7));
        EXPECT_TRUE(list.m_dragDrop->m_registered) << bind;
        EXPECT_EQ(::RegisterDragDrop(list.m_hWnd, m_dams.m_dragDrop->m_dropTarget.GetDropTarget()),
                  DRAGDROP_E_ALREADYREGISTERED);

        COleDataSource* source = new COleDataSource;
        CacheTextInDataSource(source, "Bella\n", CF_TEXT);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        IDropTarget* target = list.m_dragDrop->m_dropTarget.GetDropTarget();
        target->DragEnter(source->GetDataObject(), MK_LBUTTON, POINTL{60, 60}, &effect);
        EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
        target->DragLeave();
        source->InternalRelease();

        // a window made again for the same list is a target again
        list.DestroyWindow();
        EXPECT_FALSE(list.m_dragDrop->m_registered);
        ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 90, 90), &m_parent, 7));
        EXPECT_EQ(::RegisterDragDrop(list.m_hWnd, m_dams.m_dragDrop->m_dropTarget.GetDropTarget()),
                  DRAGDROP_E_ALREADYREGISTERED);
        list.DestroyWindow();
    }
}

TEST_F(MyListCtrlDragDropTest, MouseMessagesStartOrDropAPendingDrag)
{
    CItemsSupport& support = m_dams.Support();
    const struct
    {
        UINT before; // sent after the button went down at (10, 10); 0 none
        int x, y;    // then the mouse moves here
        int starts;
    } cases[] = {
        {0, 15, 15, 0}, {0, 21, 10, 1}, {0, 4, 15, 1}, {WM_LBUTTONUP, 40, 40, 0}, {WM_CANCELMODE, 40, 40, 0},
    };
    for (const auto& c : cases)
    {
        support.m_starts = 0;
        support.SetDragOrigin(&m_dams, MK_LBUTTON, 10, 10);
        if (c.before != 0)
            m_dams.SendMessage(c.before, 0, MAKELPARAM(10, 10));
        m_dams.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(support.m_starts, c.starts) << c.before << " " << c.x << "," << c.y;
    }

    // The list's begin-drag notice starts the drag at once from its point.
    support.m_starts = 0;
    NMLISTVIEW notice = {};
    notice.hdr = {m_dams.m_hWnd, 100, (UINT)LVN_BEGINDRAG};
    notice.ptAction = {30, 12};
    m_parent.SendMessage(WM_NOTIFY, 100, (LPARAM)&notice);
    EXPECT_EQ(support.m_starts, 1);
    EXPECT_EQ(support.m_dragOrigin, CPoint(30, 12));
}

namespace
{
// Synthetic mouse input for a real drag: each tick of a thread timer moves
// the cursor to the next point of the path, then the button goes up; Escape
// ends a drag that never drops.
struct CListDragScript
{
    std::vector<POINT> path;
    size_t tick = 0;
} script;

void SendKey(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki = {key, 0, flags};
    ::SendInput(1, &input, sizeof(input));
}

void CALLBACK ListDragStep(HWND, UINT, UINT_PTR, DWORD)
{
    size_t step = script.tick++;
    if (step < script.path.size())
        SendMouseAt(script.path[step], 0);
    else if (step == script.path.size())
        SendMouseAt(script.path.back(), MOUSEEVENTF_LEFTUP);
    else if (step == 40)
    {
        SendKey(VK_ESCAPE, 0);
        SendKey(VK_ESCAPE, KEYEVENTF_KEYUP);
        SendMouseAt(script.path.back(), MOUSEEVENTF_LEFTUP);
    }
}
} // namespace

// (Copying with Ctrl held is the drag-and-drop support's, tested with it:
// Wine puts the modifier keys back to the X server's state on mouse input.)
TEST_F(MyListCtrlDragDropTest, ARealDragMovesItemsAndNeverDropsOnItsOwnList)
{
    const struct
    {
        int pressed;  // each case presses another item: no double click
        bool onSires; // else back onto the dams' own list
        const char* dams;
        const char* sires;
    } cases[] = {
        {1, true, "Bella,Tess", "Rex,Sable"},
        {2, false, "Bella,Sable,Tess", "Rex"},
    };
    for (const auto& c : cases)
    {
        Fill(m_dams, {"Bella", "Sable", "Tess"});
        Fill(m_sires, {"Rex"});
        m_dams.Support().m_realDrag = TRUE;
        m_dams.Support().m_starts = 0;

        CRect item, drop;
        m_dams.GetItemRect(c.pressed, &item, LVIR_LABEL);
        POINT press = {item.left + 8, item.CenterPoint().y};
        m_dams.ClientToScreen(&press);
        POINT at[2];
        for (int i = 0; i < 2; ++i)
        {
            CItemList& list = i == 0 ? m_dams : m_sires;
            list.GetClientRect(&drop);
            at[i] = {drop.CenterPoint().x, drop.bottom - 20};
            list.ClientToScreen(&at[i]);
        }
        // After the press, off the pressed item twice while still inside the list (where the
        // drag waits to leave its start), over the sires' list, then onto
        // the target.
        POINT target = at[c.onSires ? 1 : 0];
        script = CListDragScript{{press,
                                  {press.x + 12, press.y + 6},
                                  {press.x + 30, press.y + 10},
                                  at[1],
                                  {target.x - 4, target.y},
                                  target}};

        ::SetForegroundWindow(m_parent.m_hWnd);
        UINT_PTR timer = ::SetTimer(NULL, 0, 50, ListDragStep);
        SendMouseAt(press, MOUSEEVENTF_LEFTDOWN);
        PumpMessagesUntil([&] { return script.tick >= 9; });
        ::KillTimer(NULL, timer);
        SendMouseAt(script.path.back(), MOUSEEVENTF_LEFTUP);
        PumpMessages();

        EXPECT_EQ(m_dams.Support().m_starts, 1) << c.onSires;
        EXPECT_EQ(Items(m_dams), c.dams) << c.onSires;
        EXPECT_EQ(Items(m_sires), c.sires) << c.onSires;
        EXPECT_TRUE(m_dams.Support().IsEnabled()); // a target again after its own drag
    }
}
