// The guard of metafile drawing maps points as the DC does: for each way a
// metafile sets up its DC (world transforms that scale, turn and shear,
// the mapping modes, extents scaled in whole numbers), the mapping read
// from the DC lands points where the platform's LPtoDP does.
#include "output/pictures/DeviceMapping.h"

#include "TestPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{
struct DCSetup
{
    const char* what;
    std::function<void(HDC)> apply;
};

const XFORM Turned = {0.6f, 0.8f, -0.8f, 0.6f, 40, -25};
const XFORM Sheared = {2, 0.5f, 0.25f, 3, -7, 11};

const DCSetup Setups[] = {
    {"as made", [](HDC) {}},
    {"origins moved",
     [](HDC dc) {
         ::SetWindowOrgEx(dc, 30, -20, NULL);
         ::SetViewportOrgEx(dc, 5, 9, NULL);
     }},
    {"anisotropic, upwards",
     [](HDC dc) {
         ::SetMapMode(dc, MM_ANISOTROPIC);
         ::SetWindowExtEx(dc, 365, 1000, NULL);
         ::SetViewportExtEx(dc, 200, -150, NULL);
         ::SetViewportOrgEx(dc, 0, 150, NULL);
     }},
    {"isotropic",
     [](HDC dc) {
         ::SetMapMode(dc, MM_ISOTROPIC);
         ::SetWindowExtEx(dc, 1000, 500, NULL);
         ::SetViewportExtEx(dc, 200, 200, NULL);
     }},
    {"hundredths of a millimetre",
     [](HDC dc) {
         ::SetMapMode(dc, MM_HIMETRIC);
     }},
    {"extents scaled by 4/3 forty times",
     [](HDC dc) {
         ::SetMapMode(dc, MM_ANISOTROPIC);
         ::SetWindowExtEx(dc, 1, 1, NULL);
         ::SetViewportExtEx(dc, 3, 3, NULL);
         for (int i = 0; i < 40; ++i)
             ::ScaleWindowExtEx(dc, 4, 3, 4, 3, NULL);
     }},
    {"turned world",
     [](HDC dc) {
         ::SetGraphicsMode(dc, GM_ADVANCED);
         ::SetWorldTransform(dc, &Turned);
     }},
    {"sheared world in a chart's mapping",
     [](HDC dc) {
         ::SetGraphicsMode(dc, GM_ADVANCED);
         ::SetWorldTransform(dc, &Sheared);
         ::SetMapMode(dc, MM_ANISOTROPIC);
         ::SetWindowExtEx(dc, 300, 300, NULL);
         ::SetViewportExtEx(dc, 200, -100, NULL);
         ::SetWindowOrgEx(dc, -50, 20, NULL);
     }},
};
} // namespace

TEST(DeviceMappingTest, LandsPointsWhereTheDCDoes)
{
    const POINT points[] = {{0, 0}, {100, 0}, {0, 100}, {-250, 375}, {1000, -800}};
    for (const DCSetup& setup : Setups)
    {
        SCOPED_TRACE(setup.what);
        CCanvas canvas(8, 8);
        const HDC dc = canvas.DC()->m_hDC;
        setup.apply(dc);
        const CDeviceMapping mapping(dc);
        for (const POINT& point : points)
        {
            POINT device = point;
            ASSERT_TRUE(::LPtoDP(dc, &device, 1));
            double x, y;
            mapping.Map(point.x, point.y, x, y);
            EXPECT_NEAR(x, device.x, 1.0) << point.x << ", " << point.y;
            EXPECT_NEAR(y, device.y, 1.0) << point.x << ", " << point.y;
        }
    }
}
