#include "framework/windows/WindowPosition.h"
#include "framework/windows/WorkArea.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryKey.h"

#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
    class WindowPositionTest : public ::testing::Test
    {
    protected:
        WindowPositionTest() : m_test("KestrovaWindowPositionTest")
        {
            SetAppRegistryKey(m_test.Path().c_str(), HKEY_CURRENT_USER);
        }

        void OpenKey(CRegistryKey& key, REGSAM access = KEY_READ | KEY_WRITE)
        {
            ASSERT_TRUE(OpenRegistryKey("\\Placement", key, FALSE, access, 0, NULL, NULL));
        }

        std::unique_ptr<CWnd> MakeWindow(const RECT& rect)
        {
            std::unique_ptr<CWnd> wnd(new CWnd);
            EXPECT_TRUE(wnd->CreateEx(0, AfxRegisterWndClass(0), "Placed", WS_OVERLAPPEDWINDOW, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, NULL, NULL));
            return wnd;
        }

        static CRect ScreenRect(CWnd* wnd)
        {
            CRect rect;
            wnd->GetWindowRect(&rect);
            return rect;
        }

        void SaveAndLoad(CWindowPosition& saved, CWindowPosition& loaded, int mode)
        {
            CRegistryKey key;
            OpenKey(key);
            EXPECT_TRUE(saved.ExchangeRegistry(TRUE, key, mode));
            EXPECT_TRUE(loaded.ExchangeRegistry(FALSE, key, mode));
        }

        CTestRegistryKey m_test;
    };
}

// Every mode brings a window back where it was; a rectangle that lies off
// the current work area (a screen that has gone) comes back inside it.
TEST_F(WindowPositionTest, RoundTripThroughTheRegistryFitsIntoTheWorkArea)
{
    CRect area = GetDesktopWorkArea();
    const CRect inside(60, 50, 360, 250);
    const CRect offArea(area.right + 500, area.bottom + 300, area.right + 800, area.bottom + 500);
    for (int mode : {0, 1, 2, 3})
    {
        for (const CRect& rect : {inside, offArea})
        {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " left " << rect.left);
            std::unique_ptr<CWnd> original = MakeWindow(rect);
            CWindowPosition saved, loaded;
            ASSERT_TRUE(saved.GetFromWindow(original.get(), mode));
            SaveAndLoad(saved, loaded, mode);

            std::unique_ptr<CWnd> restored = MakeWindow(CRect(0, 0, 200, 150));
            int shown = loaded.ApplyToWindow(restored.get(), mode);
            EXPECT_EQ(shown, mode == 0 || mode == 2 ? SW_SHOWNORMAL : -1);
            CRect result = ScreenRect(restored.get());
            if (rect == inside)
            {
                EXPECT_EQ(result.TopLeft(), inside.TopLeft());
            }
            else
            {
                CRect clipped;
                EXPECT_TRUE(clipped.IntersectRect(result, area));
                EXPECT_EQ(clipped, result);
            }
            // Only the corner is stored for the modes without state: the
            // restored window keeps its own size.
            EXPECT_EQ(result.Size(), mode == 0 || mode == 2 ? rect.Size() : CSize(200, 150));
            restored->DestroyWindow();
            original->DestroyWindow();
        }
    }
}

TEST_F(WindowPositionTest, DamagedOrMissingValuesKeepTheDefaults)
{
    struct Case { const char* rect; const char* iconized; CRect expected; };
    const Case cases[] = {
        {"1 2 3", "1", CRect(10, 10, 500, 400)},
        {"1 2 3 4 5", NULL, CRect(10, 10, 500, 400)},
        {"20 30 220 130", NULL, CRect(20, 30, 220, 130)},
        {NULL, NULL, CRect(10, 10, 500, 400)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.rect != NULL ? c.rect : "none");
        m_test.Remove();
        if (c.rect != NULL)
            m_test.SetRaw("Placement", "Rect", REG_SZ, c.rect, (DWORD)strlen(c.rect) + 1);
        if (c.iconized != NULL)
            m_test.SetRaw("Placement", "Iconized", REG_DWORD, "\1\0\0\0", 4);
        CRegistryKey key;
        OpenKey(key);
        CWindowPosition position;
        position.maximized = TRUE;   // a missing value leaves the flag alone
        EXPECT_TRUE(position.ExchangeRegistry(FALSE, key, 0));
        EXPECT_EQ(position.rect, c.expected);
        EXPECT_EQ(position.iconized, c.iconized != NULL);
        EXPECT_TRUE(position.maximized);
    }
}

TEST_F(WindowPositionTest, AMissingCornerCentresThePositionOnlyWindow)
{
    CRegistryKey key;
    OpenKey(key);
    CWindowPosition position;
    EXPECT_TRUE(position.ExchangeRegistry(FALSE, key, 1));
    EXPECT_FALSE(position.IsSet());

    std::unique_ptr<CWnd> wnd = MakeWindow(CRect(0, 0, 200, 100));
    EXPECT_EQ(position.ApplyToWindow(wnd.get(), 1), -1);
    CRect area = GetDesktopWorkArea();
    CRect rect = ScreenRect(wnd.get());
    EXPECT_NEAR(rect.CenterPoint().x, area.CenterPoint().x, 2);
    EXPECT_NEAR(rect.CenterPoint().y, area.CenterPoint().y, 2);
    wnd->DestroyWindow();
}

TEST_F(WindowPositionTest, AWindowMinimisedFromMaximisedComesBackSo)
{
    std::unique_ptr<CWnd> original = MakeWindow(CRect(40, 40, 340, 240));
    original->ShowWindow(SW_SHOWMAXIMIZED);
    original->ShowWindow(SW_SHOWMINIMIZED);
    CWindowPosition saved, loaded;
    ASSERT_TRUE(saved.GetFromWindow(original.get(), 0));
    EXPECT_TRUE(saved.iconized);
    EXPECT_TRUE(saved.maximized);
    SaveAndLoad(saved, loaded, 0);
    EXPECT_TRUE(loaded.iconized);
    EXPECT_TRUE(loaded.maximized);

    std::unique_ptr<CWnd> restored = MakeWindow(CRect(0, 0, 100, 80));
    EXPECT_EQ(loaded.ApplyToWindow(restored.get(), 0), SW_SHOWMINNOACTIVE);
    WINDOWPLACEMENT placement = {sizeof(placement)};
    restored->GetWindowPlacement(&placement);
    EXPECT_TRUE(restored->IsIconic());
    EXPECT_TRUE(placement.flags & WPF_RESTORETOMAXIMIZED);
    restored->DestroyWindow();
    original->DestroyWindow();
}

TEST_F(WindowPositionTest, AFailedWriteIsReported)
{
    {
        CRegistryKey create;
        OpenKey(create);
    }
    for (int mode : {0, 1})
    {
        CRegistryKey readOnly;
        OpenKey(readOnly, KEY_READ);
        CWindowPosition position;
        EXPECT_FALSE(position.ExchangeRegistry(TRUE, readOnly, mode));
    }
}
