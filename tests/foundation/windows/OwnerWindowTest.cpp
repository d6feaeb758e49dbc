#include "foundation/windows/OwnerWindow.h"
#include "afx/dialogs/DialogTemplateBuilder.h"

#include <gtest/gtest.h>

namespace
{
    HWND MakeWindow(DWORD style, HWND parent)
    {
        return ::CreateWindowExA(0, "STATIC", "", style, 0, 0, 200, 100, parent, NULL, ::GetModuleHandleA(NULL),
                                 NULL);
    }

    void BuildDialog(CDialogTemplateBuilder& builder, DWORD style)
    {
        builder.Begin(style | DS_SETFONT, 0, 0, 100, 50, "", 8, "MS Shell Dlg");
        builder.AddControl(100, "Edit", "", WS_BORDER, 5, 5, 50, 12);
    }
}

TEST(OwnerWindowTest, TheFrameOrTopLevelDialogOwnsItsControls)
{
    EXPECT_EQ(FindOwnerFrameOrDialog(NULL), (CWnd*)NULL);

    CFrameWnd frame;
    frame.Attach(MakeWindow(WS_POPUP, NULL));
    HWND pane = MakeWindow(WS_CHILD, frame.m_hWnd);
    HWND control = MakeWindow(WS_CHILD, pane);
    EXPECT_EQ(FindOwnerFrameOrDialog(CWnd::FromHandle(control)), &frame);

    // A child dialog inside the frame is passed over; the frame owns it.
    CDialogTemplateBuilder childTemplate;
    BuildDialog(childTemplate, WS_CHILD);
    CDialog child;
    ASSERT_TRUE(child.CreateIndirect(childTemplate.GetTemplate(), &frame));
    EXPECT_EQ(FindOwnerFrameOrDialog(CWnd::FromHandle(::GetDlgItem(child.m_hWnd, 100))), &frame);

    // A top-level dialog owns its controls itself.
    CDialogTemplateBuilder popupTemplate;
    BuildDialog(popupTemplate, WS_POPUP);
    CDialog popup;
    ASSERT_TRUE(popup.CreateIndirect(popupTemplate.GetTemplate(), NULL));
    EXPECT_EQ(FindOwnerFrameOrDialog(CWnd::FromHandle(::GetDlgItem(popup.m_hWnd, 100))), &popup);

    // Without an owner of either kind the outermost window is the answer.
    HWND loose = MakeWindow(WS_POPUP, NULL);
    HWND inner = MakeWindow(WS_CHILD, loose);
    EXPECT_EQ(FindOwnerFrameOrDialog(CWnd::FromHandle(inner))->m_hWnd, loose);

    popup.DestroyWindow();
    child.DestroyWindow();
    ::DestroyWindow(loose);
    ::DestroyWindow(frame.Detach());
}
