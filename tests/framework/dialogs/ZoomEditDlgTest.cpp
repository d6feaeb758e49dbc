#include "framework/dialogs/ZoomEditDlg.h"

#include "ZoomEditTestIds.h"
#include "foundation/system/WindowsVersionCode.h"
#include "framework/dialogs/ZoomEditIds.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

struct ZoomCase
{
    const char* name;
    BOOL readOnly;   // the field is read-only
    int length;      // of the field's text (a single-line field holds 30000 when typed)
    int ending;      // the button that ends the enlarged editor
    BOOL changed;    // the field holds the typed text afterwards
};

namespace
{
class ZoomEditDlgTest : public ::testing::TestWithParam<ZoomCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Create(IDD_ZOOM_HOST_TEST, NULL));
        ASSERT_TRUE(m_field.SubclassDlgItem(IDC_ZOOM_HOST_FIELD, &m_host));
        m_font.CreatePointFont(140, "Courier New");
        m_field.SetFont(&m_font);
        m_host.ShowWindow(SW_SHOW);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    CFrameworkTestApp m_app;
    CMyDialog m_host;
    CMyEdit m_field;
    CFont m_font;
};
} // namespace

TEST_P(ZoomEditDlgTest, DoubleClickEditsTheWholeTextInALargeBox)
{
    const ZoomCase& c = GetParam();
    std::string original;
    while ((int)original.size() < c.length)
        original += "Bella whelped a litter of five. ";
    original.resize(c.length);
    m_field.SetWindowText(original.c_str());
    if (c.readOnly)
        m_field.SendMessage(EM_SETREADONLY, TRUE);
    m_field.m_enlargedEditor = IDD_ZOOM_EDIT_TEST;
    std::string shown;
    CDialogDriver driver([&](HWND window) {
        HWND edit = ::GetDlgItem(window, IDC_ZOOM_EDIT);
        if (edit == NULL)
            return;
        shown = CDialogDriver::WindowText(edit).substr(0, 5);
        EXPECT_EQ((HFONT)::SendMessageA(edit, WM_GETFONT, 0, 0), (HFONT)m_font.GetSafeHandle());
        EXPECT_EQ(::GetFocus(), edit);
        DWORD start = 0, end = 0;
        ::SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, end); // nothing selected
        EXPECT_EQ((unsigned long)::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), GetMaxEditTextLength());
        // Typed at the end, as a user would.
        ::SendMessageA(edit, EM_SETSEL, original.size(), original.size());
        for (char ch : std::string(" Moor"))
            ::SendMessageA(edit, WM_CHAR, (WPARAM)ch, 0);
        if (c.length < 100)
        {
            EXPECT_TRUE(SaveWindowScreenshot(window, std::string("framework_zoom_edit_") + c.name));
            EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(window)), "");
        }
        CDialogDriver::Click(window, c.ending);
    });
    m_field.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(shown, "Bella");
    CString now;
    m_field.GetWindowText(now);
    std::string expected = c.changed ? original + " Moor" : original;
    EXPECT_EQ(std::string(now), expected);
}

INSTANTIATE_TEST_SUITE_P(Endings, ZoomEditDlgTest,
                         ::testing::Values(ZoomCase{"ok", FALSE, 12, IDOK, TRUE},
                                           ZoomCase{"cancel", FALSE, 12, IDCANCEL, FALSE},
                                           ZoomCase{"read_only", TRUE, 12, IDOK, FALSE},
                                           ZoomCase{"long", FALSE, 32000, IDOK, TRUE}),
                         [](const ::testing::TestParamInfo<ZoomCase>& info) { return info.param.name; });

TEST(ZoomEditDlgLayoutTest, TheBoxGrowsAndTheButtonsFollowTheCorner)
{
    CFrameworkTestApp app;
    CZoomEditDlg dialog(IDD_ZOOM_EDIT_TEST, NULL);
    dialog.SetText("Sable");
    CDialogDriver driver([&](HWND window) {
        auto rectOf = [&](int id) {
            RECT r;
            ::GetWindowRect(::GetDlgItem(window, id), &r);
            return r;
        };
        RECT edit = rectOf(IDC_ZOOM_EDIT), ok = rectOf(IDOK), label = rectOf(39933), outer;
        ::GetWindowRect(window, &outer);
        ::SetWindowPos(window, NULL, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 60,
                       SWP_NOMOVE | SWP_NOZORDER);
        RECT edit2 = rectOf(IDC_ZOOM_EDIT), ok2 = rectOf(IDOK), label2 = rectOf(39933);
        EXPECT_EQ(edit2.right - edit2.left, edit.right - edit.left + 100);
        EXPECT_EQ(edit2.bottom - edit2.top, edit.bottom - edit.top + 60);
        EXPECT_EQ(ok2.left - ok.left, 100);
        EXPECT_EQ(ok2.top - ok.top, 60);
        EXPECT_EQ(label2.left - label.left, 0);
        EXPECT_EQ(label2.top - label.top, 60);
        ::SetWindowTextA(::GetDlgItem(window, IDC_ZOOM_EDIT), "Sable\r\nRex");
        CDialogDriver::Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.m_result), "Sable\r\nRex");
}
