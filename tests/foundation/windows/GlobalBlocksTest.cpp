#include "foundation/windows/GlobalBlocks.h"
#include "foundation/windows/PrinterAccess.h"

#include <gtest/gtest.h>

#include <string.h>

namespace
{
    HGLOBAL MakeBlock(const char* bytes, DWORD count)
    {
        return NewGlobalBlock(bytes, count);
    }
}

TEST(GlobalBlocksTest, HexTextRoundTrips)
{
    const BYTE bytes[] = {0x01, 0xAB, 0xFF};
    HGLOBAL block = NewGlobalBlock(bytes, 3);
    ASSERT_NE(block, (HGLOBAL)NULL);
    EXPECT_STREQ(GlobalBlockToHex(block, ':'), "3:01abff");

    HGLOBAL lower = HexToGlobalBlock("3:01abff", GMEM_MOVEABLE | GMEM_ZEROINIT, ':');
    HGLOBAL upper = HexToGlobalBlock("3:01ABFF", GMEM_MOVEABLE | GMEM_ZEROINIT, ':');
    EXPECT_TRUE(CompareGlobalBlocks(block, lower));
    EXPECT_TRUE(CompareGlobalBlocks(block, upper));
    FreeGlobalBlock(&lower);
    FreeGlobalBlock(&upper);
    EXPECT_EQ(lower, (HGLOBAL)NULL);
    FreeGlobalBlock(&lower);
    FreeGlobalBlock(&block);
}

TEST(GlobalBlocksTest, DamagedHexTextsAreRefused)
{
    const char* const damaged[] = {NULL, "", "3", "3:01abf", "3:01abff00", "x:01", "0:", "-1:", "2:0g", "2:zz00"};
    for (const char* text : damaged)
        EXPECT_EQ(HexToGlobalBlock(text, GMEM_MOVEABLE, ':'), (HGLOBAL)NULL) << (text ? text : "(null)");
    EXPECT_EQ(HexToByte('a', 'F'), 0xAF);
    char high = 0, low = 0;
    ByteToHex(0x9C, high, low);
    EXPECT_EQ(high, '9');
    EXPECT_EQ(low, 'c');
}

TEST(GlobalBlocksTest, CopiesAndComparisons)
{
    HGLOBAL shorter = MakeBlock("abc", 3);
    HGLOBAL longer = MakeBlock("abcd", 4);
    HGLOBAL copy = CopyGlobalBlock(longer);
    EXPECT_FALSE(CompareGlobalBlocks(shorter, longer));
    EXPECT_TRUE(CompareGlobalBlocks(longer, copy));
    EXPECT_TRUE(CompareGlobalBlocks(NULL, NULL));
    EXPECT_FALSE(CompareGlobalBlocks(shorter, NULL));
    EXPECT_EQ(NewGlobalBlock("", 0), (HGLOBAL)NULL);
    EXPECT_STREQ(GlobalBlockToHex(NULL, ':'), "");
    FreeGlobalBlock(&shorter);
    FreeGlobalBlock(&longer);
    FreeGlobalBlock(&copy);
}

TEST(PrinterAccessTest, DeviceTextsSplitAtTheFirstTwoCommas)
{
    CString driver, name, port;
    EXPECT_TRUE(ParsePrinterDevice("Laser 5,winspool,LPT1:", &driver, &name, &port));
    EXPECT_STREQ(name, "Laser 5");
    EXPECT_STREQ(driver, "winspool");
    EXPECT_STREQ(port, "LPT1:");
    EXPECT_TRUE(ParsePrinterDevice(" Laser ,,\\\\srv\\a,b", &driver, &name, &port));
    EXPECT_STREQ(name, " Laser ");
    EXPECT_STREQ(driver, "");
    EXPECT_STREQ(port, "\\\\srv\\a,b");
    EXPECT_FALSE(ParsePrinterDevice("Laser,winspool", &driver, &name, &port));
    EXPECT_STREQ(name, "");
    EXPECT_FALSE(ParsePrinterDevice(NULL, &driver, NULL, NULL));
}

TEST(PrinterAccessTest, DescriptionFallsBackToTheDefaultPrinter)
{
    char saved[1024] = "";
    ::GetProfileStringA("windows", "device", "", saved, sizeof(saved));

    ASSERT_TRUE(::WriteProfileStringA("windows", "device", "Kennel Printer,winspool,LPT2:"));
    EXPECT_STREQ(GetPrinterDescription("Laser", "COM1:"), "Laser on COM1:");
    EXPECT_STREQ(GetPrinterDescription("Laser", ""), "Kennel Printer on LPT2: (default)");
    EXPECT_STREQ(GetPrinterDescription(NULL, NULL), "Kennel Printer on LPT2: (default)");

    ::WriteProfileStringA("windows", "device", NULL);
    EXPECT_STREQ(GetPrinterDescription(NULL, NULL), "'printer not set'");

    if (saved[0] != '\0')
        ::WriteProfileStringA("windows", "device", saved);
}

TEST(PrinterAccessTest, AMissingPrinterGivesNoDeviceModeAndLeavesTheStoredOneAlone)
{
    EXPECT_EQ(GetPrinterDevMode("Kestrova No Such Printer"), (HGLOBAL)NULL);
    const BYTE stored[] = {1, 2, 3, 4};
    HGLOBAL block = NewGlobalBlock(stored, sizeof(stored));
    HGLOBAL copy = CopyGlobalBlock(block);
    EXPECT_FALSE(EditPrinterDevMode(NULL, "Kestrova No Such Printer", block));
    EXPECT_FALSE(EditPrinterDevMode(NULL, "Kestrova No Such Printer", NULL));
    EXPECT_TRUE(CompareGlobalBlocks(block, copy));
    FreeGlobalBlock(&block);
    FreeGlobalBlock(&copy);
}
