#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
int g_nCachesDeleted = 0;

void DeleteTestCache(void* pCache)
{
    ++g_nCachesDeleted;
    delete (int*)pCache;
}

TEST(DCTest, DrawingOnAMemoryDeviceContextWithSelectedObjects)
{
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 20));
    ::ReleaseDC(NULL, screen.Detach());

    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    ASSERT_NE((CBitmap*)NULL, pOldBitmap); // the DC's own bitmap, as a temporary wrapper
    EXPECT_EQ(NULL, CGdiObject::FromHandlePermanent(pOldBitmap->m_hObject));
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5));

    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(0, 10);
    dc.LineTo(20, 10);
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(5, 10));
    EXPECT_EQ(&pen, dc.SelectObject(pOldPen)); // the permanent object comes back

    dc.SelectObject(pOldBitmap);
}

TEST(DCTest, GdiObjectsOwnTheirHandles)
{
    CBrush brush(RGB(1, 2, 3));
    HGDIOBJ hBrush = brush.m_hObject;
    EXPECT_EQ(&brush, CGdiObject::FromHandle(hBrush));
    LOGBRUSH lb;
    ASSERT_TRUE(brush.GetLogBrush(&lb));
    EXPECT_EQ(RGB(1, 2, 3), lb.lbColor);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_EQ(NULL, brush.m_hObject);
    EXPECT_EQ(NULL, CGdiObject::FromHandlePermanent(hBrush));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    LOGFONTA lf;
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_LT(lf.lfHeight, 0); // a character height, from tenths of a point
    EXPECT_STREQ("Arial", lf.lfFaceName);

    CGdiObject* pStock = CGdiObject::FromHandle(::GetStockObject(WHITE_PEN));
    EXPECT_EQ(::GetStockObject(WHITE_PEN), pStock->m_hObject);
    AfxDeleteTempMaps(); // frees the wrapper, not the stock pen
    EXPECT_EQ(OBJ_PEN, (int)::GetObjectType(::GetStockObject(WHITE_PEN)));
}

TEST(DCTest, TheFontCacheGoesWithItsDeviceContext)
{
    CDC::PFN_DELETE_FONT_CACHE pfnOld = CDC::m_pfnDeleteFontCache;
    CDC::m_pfnDeleteFontCache = DeleteTestCache;
    g_nCachesDeleted = 0;
    {
        CDC dc;
        EXPECT_EQ(NULL, dc.m_pFontCache);
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        dc.m_pFontCache = new int(1);
    }
    EXPECT_EQ(1, g_nCachesDeleted);
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        dc.m_pFontCache = new int(2);
        dc.DeleteDC();
        EXPECT_EQ(NULL, dc.m_pFontCache);
    }
    EXPECT_EQ(2, g_nCachesDeleted);
    CDC::m_pfnDeleteFontCache = pfnOld;
}

class CPaintingWnd : public CWnd
{
public:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_bPainted = dc.m_hDC != NULL;
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 128, 0));
    }
    bool m_bPainted = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(DCTest, APaintHandlerPaintsThroughAPaintDC)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Paint", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, NULL, NULL));
    wnd.RedrawWindow();
    EXPECT_TRUE(wnd.m_bPainted);
    // the update region was validated by the paint
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, NULL, FALSE));
    {
        CClientDC dc(&wnd);
        EXPECT_EQ(RGB(0, 128, 0), dc.GetPixel(10, 10));
    }
    wnd.DestroyWindow();
}
} // namespace
