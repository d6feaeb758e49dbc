#include "foundation/windows/SystemColours.h"
#include "foundation/system/WindowsVersionCode.h"

#include <gtest/gtest.h>

TEST(SystemColoursTest, TableFollowsTheWindowsVersion)
{
    int saved = WindowsVersionCode;
    WindowsVersionCode = 5;
    LoadSystemColours();
    EXPECT_EQ(GetHighestSystemColourIndex(), 24);
    EXPECT_EQ(GetSystemColour(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
    WindowsVersionCode = 6;
    LoadSystemColours();
    EXPECT_EQ(GetHighestSystemColourIndex(), 28);
    WindowsVersionCode = 7;
    LoadSystemColours();
    EXPECT_EQ(GetHighestSystemColourIndex(), 30);
    EXPECT_EQ(GetSystemColour(30), ::GetSysColor(30));
    WindowsVersionCode = saved;
    LoadSystemColours();
}

TEST(SystemColoursTest, PensAndBrushesAreSharedUntilTheColoursReload)
{
    LoadSystemColours();
    CBrush* brush = GetSystemColourBrush(COLOR_WINDOW);
    ASSERT_NE(brush, (CBrush*)NULL);
    EXPECT_EQ(GetSystemColourBrush(COLOR_WINDOW), brush);
    CPen* pen = GetSystemColourPen(COLOR_WINDOWTEXT);
    ASSERT_NE(pen, (CPen*)NULL);
    EXPECT_EQ(GetSystemColourPen(COLOR_WINDOWTEXT), pen);
    LOGBRUSH logBrush;
    ::GetObjectA(brush->m_hObject, sizeof(logBrush), &logBrush);
    EXPECT_EQ(logBrush.lbColor, ::GetSysColor(COLOR_WINDOW));

    LoadSystemColours();
    CBrush* reloaded = GetSystemColourBrush(COLOR_WINDOW);
    ASSERT_NE(reloaded, (CBrush*)NULL);
    ::GetObjectA(reloaded->m_hObject, sizeof(logBrush), &logBrush);
    EXPECT_EQ(logBrush.lbColor, ::GetSysColor(COLOR_WINDOW));
}
