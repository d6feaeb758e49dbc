#include "afx/app/AfxWin.h"
#include "foundation/windows/Clipboard.h"
#include "framework/dragdrop/OleDragDropSupport.h"
#include "framework/dragdrop/MouseDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// An edit control's side of drag and drop: its selection as CF_TEXT, a
// drop inserted at the drop point, the feedback calls counted.
class CEditSupport : public COleDragDropSupport
{
public:
    explicit CEditSupport(CEdit& edit) : m_edit(edit) {}

    BOOL HasSelection() override
    {
        int start, end;
        m_edit.GetSel(start, end);
        return start != end;
    }
    BOOL FillDataSource(COleDataSource* source) override
    {
        int start, end;
        m_edit.GetSel(start, end);
        CString text;
        m_edit.GetWindowText(text);
        return CacheTextInDataSource(source, text.Mid(start, end - start), CF_TEXT);
    }
    BOOL CanReadData(COleDataObject* data) override { return data->IsDataAvailable(CF_TEXT); }
    BOOL ReadData(COleDataObject* data) override
    {
        CString text;
        if (data != NULL && !ReadDataObjectText(data, CF_TEXT, text))
            return FALSE;
        m_edit.ReplaceSel(text);
        return TRUE;
    }
    DROPEFFECT DropData(COleDataObject* data, DROPEFFECT effect, DROPEFFECT effects, CPoint point) override
    {
        int at = LOWORD(m_edit.SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
        m_edit.SetSel(at, at);
        return COleDragDropSupport::DropData(data, effect, effects, point);
    }
    void ShowDropFeedback(CWnd*, COleDataObject*, DWORD, CPoint point, DROPEFFECT effect) override
    {
        m_feedback.push_back(effect);
    }
    void HideDropFeedback(CWnd*, BOOL dropped) override { m_feedback.push_back(dropped ? -2 : -1); }
    BOOL StartDrag(CWnd* window) override
    {
        m_dragStarts++;
        return m_realDrag ? COleDragDropSupport::StartDrag(window) : TRUE;
    }

    CEdit& m_edit;
    std::vector<int> m_feedback; // effects shown; -1 hidden, -2 hidden on a drop
    int m_dragStarts = 0;
    BOOL m_realDrag = FALSE;
};

class OleDragDropSupportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Drag and drop",
                                      WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 420, 140, NULL, NULL));
        Make(m_sourceEdit, m_source, CRect(10, 10, 400, 34), 101, "Black and tan");
        Make(m_targetEdit, m_target, CRect(10, 50, 400, 74), 102, "Red sable");
        m_sourceEdit.SetSel(0, 5); // "Black"
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        COleDataSource::FlushClipboard();
    }
    void Make(CEdit& edit, CEditSupport& support, const CRect& rect, UINT id, LPCTSTR text)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &m_parent, id));
        edit.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
        edit.SetWindowText(text);
        ASSERT_TRUE(support.Register(&edit));
    }
    // The screen point of a client point of the target edit.
    POINTL TargetPoint(int x, int y)
    {
        POINT point = {x, y};
        m_targetEdit.ClientToScreen(&point);
        return POINTL{point.x, point.y};
    }
    // A drag of the source's selection over the target, dropped at a
    // point after its first word. Answers the drop's effect.
    DWORD DragToTarget(DWORD keyState, DWORD allowed)
    {
        COleDataSource* source = new COleDataSource;
        EXPECT_TRUE(m_source.FillDataSource(source));
        IDropTarget* target = m_target.m_dropTarget.GetDropTarget();
        int afterRed = LOWORD(m_targetEdit.SendMessage(EM_POSFROMCHAR, 3, 0));
        DWORD effect = allowed;
        target->DragEnter(source->GetDataObject(), keyState, TargetPoint(afterRed, 5), &effect);
        m_enterEffect = effect;
        effect = allowed;
        target->DragOver(keyState, TargetPoint(afterRed, 5), &effect);
        // As OLE does: a target that takes nothing is left, not dropped on.
        if (effect == DROPEFFECT_NONE)
            target->DragLeave();
        else
        {
            effect = allowed;
            target->Drop(source->GetDataObject(), keyState, TargetPoint(afterRed, 5), &effect);
        }
        source->InternalRelease();
        return effect;
    }
    CString Text(CEdit& edit)
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }

    CWnd m_parent;
    CEdit m_sourceEdit, m_targetEdit;
    CEditSupport m_source{m_sourceEdit}, m_target{m_targetEdit};
    DWORD m_enterEffect = 0;
};

const DWORD copyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
}

TEST_F(OleDragDropSupportTest, DropEffectFollowsKeysAndWhatTheSourceAllows)
{
    const struct
    {
        DWORD keyState;
        DWORD allowed;
        BOOL targetEnabled;
        DWORD effect;
        const char* targetText;
    } cases[] = {
        {MK_LBUTTON, copyOrMove, TRUE, DROPEFFECT_MOVE, "RedBlack sable"},
        {MK_LBUTTON | MK_CONTROL, copyOrMove, TRUE, DROPEFFECT_COPY, "RedBlack sable"},
        {MK_LBUTTON | MK_CONTROL | MK_SHIFT, copyOrMove, TRUE, DROPEFFECT_NONE, "Red sable"},
        {MK_LBUTTON, copyOrMove, FALSE, DROPEFFECT_NONE, "Red sable"},
        // A source that only copies is never told that its data moved.
        {MK_LBUTTON, DROPEFFECT_COPY, TRUE, DROPEFFECT_NONE, "Red sable"},
        {MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY, TRUE, DROPEFFECT_COPY, "RedBlack sable"},
    };
    for (const auto& c : cases)
    {
        m_targetEdit.SetWindowText("Red sable");
        m_targetEdit.SetSel(4, 9); // the drop goes to the drop point, not over this selection
        m_target.m_enabled = c.targetEnabled;
        EXPECT_EQ(c.effect, DragToTarget(c.keyState, c.allowed)) << c.keyState << " " << c.allowed;
        EXPECT_EQ(c.effect, m_enterEffect) << c.keyState;
        EXPECT_STREQ(c.targetText, Text(m_targetEdit)) << c.keyState << " " << c.allowed;
    }
}

TEST_F(OleDragDropSupportTest, FeedbackShowsOncePerPointAndGoesOnLeaveAndDrop)
{
    COleDataSource* source = new COleDataSource;
    ASSERT_TRUE(m_source.FillDataSource(source));
    IDropTarget* target = m_target.m_dropTarget.GetDropTarget();
    DWORD effect = copyOrMove;
    target->DragEnter(source->GetDataObject(), MK_LBUTTON, TargetPoint(5, 5), &effect);
    effect = copyOrMove;
    target->DragOver(MK_LBUTTON, TargetPoint(5, 5), &effect);
    effect = copyOrMove;
    target->DragOver(MK_LBUTTON | MK_CONTROL, TargetPoint(9, 5), &effect);
    target->DragLeave();
    effect = copyOrMove;
    target->DragEnter(source->GetDataObject(), MK_LBUTTON, TargetPoint(9, 5), &effect);
    effect = copyOrMove;
    target->Drop(source->GetDataObject(), MK_LBUTTON, TargetPoint(9, 5), &effect);
    source->InternalRelease();
    EXPECT_EQ((std::vector<int>{DROPEFFECT_MOVE, -1, DROPEFFECT_COPY, -1, DROPEFFECT_MOVE, -2}), m_target.m_feedback);

    // Data the target cannot read shows no feedback and no effect.
    COleDataSource* empty = new COleDataSource;
    effect = copyOrMove;
    target->DragEnter(empty->GetDataObject(), MK_LBUTTON, TargetPoint(5, 5), &effect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, effect);
    target->DragLeave();
    empty->InternalRelease();
    EXPECT_EQ(6u, m_target.m_feedback.size());
}

TEST_F(OleDragDropSupportTest, DragStartsOnceTheMouseHasMovedElevenPixels)
{
    const struct
    {
        int x, y;
        int starts;
    } moves[] = {{20, 10, 0}, {10, 0, 0}, {15, 15, 0}, {21, 10, 1}, {4, 15, 1}, {10, 21, 1}};
    for (const auto& m : moves)
    {
        m_source.m_dragStarts = 0;
        m_source.SetDragOrigin(&m_sourceEdit, MK_LBUTTON, 10, 10);
        m_source.CheckDragStart(&m_sourceEdit, MK_LBUTTON, CPoint(m.x, m.y));
        EXPECT_EQ(m.starts, m_source.m_dragStarts) << m.x << "," << m.y;
    }
    m_source.SetDragOrigin(&m_sourceEdit, MK_LBUTTON, 10, 10);
    m_source.CancelDragStart();
    EXPECT_FALSE(m_source.CheckDragStart(&m_sourceEdit, MK_LBUTTON, CPoint(40, 40)));
}

TEST_F(OleDragDropSupportTest, ClipboardCommandsCopyCutAndPaste)
{
    EXPECT_TRUE(m_source.CanCopy());
    ASSERT_TRUE(m_source.Cut());
    EXPECT_STREQ(" and tan", Text(m_sourceEdit));
    EXPECT_FALSE(m_source.CanCut()); // nothing selected now
    m_targetEdit.SetSel(0, 0);
    EXPECT_TRUE(m_target.CanPaste());
    ASSERT_TRUE(m_target.Paste());
    EXPECT_STREQ("BlackRed sable", Text(m_targetEdit));

    // A disabled control refuses paste and cut and only copies when dragged from.
    m_targetEdit.EnableWindow(FALSE);
    m_target.SyncEnabled(&m_targetEdit);
    m_targetEdit.SetSel(0, 5);
    EXPECT_FALSE(m_target.CanPaste());
    EXPECT_FALSE(m_target.CanCut());
    EXPECT_TRUE(m_target.CanCopy());
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, m_target.GetDragEffects());
    EXPECT_EQ((DWORD)copyOrMove, m_source.GetDragEffects());
}

TEST_F(OleDragDropSupportTest, DroppedTextEndsAtTheEndOfItsBlock)
{
    // Five bytes and no terminating zero.
    COleDataSource* source = NewUnterminatedTextSource("Sable", 5);
    COleDataObject data;
    data.Attach(source->GetDataObject());
    CString text;
    EXPECT_TRUE(ReadDataObjectText(&data, CF_TEXT, text));
    EXPECT_EQ(5, text.GetLength());
    EXPECT_STREQ("Sable", text);
    EXPECT_FALSE(ReadDataObjectText(&data, CF_UNICODETEXT, text));
    data.Release();
    source->InternalRelease();
}

TEST_F(OleDragDropSupportTest, RealDragWithTheMouseMovesTheSelection)
{
    // The button goes down on the dialog's empty area below the controls, so
    // that the drag starts at once, outside the source's start rectangle.
    POINT press = {200, 100};
    m_parent.ClientToScreen(&press);
    POINTL target = TargetPoint(LOWORD(m_targetEdit.SendMessage(EM_POSFROMCHAR, 3, 0)), 8);
    m_source.m_realDrag = TRUE;
    EXPECT_TRUE(RunMouseDrag(press, POINT{target.x, target.y}, [&] { m_source.StartDrag(&m_sourceEdit); }));

    EXPECT_STREQ("RedBlack sable", Text(m_targetEdit));
    EXPECT_STREQ(" and tan", Text(m_sourceEdit)); // moved, so gone from the source
    EXPECT_TRUE(m_source.IsEnabled());             // a target again after its own drag
}
