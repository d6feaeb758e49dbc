#include "output/printing/PrinterAccess.h"
#include "foundation/windows/GlobalBlocks.h"

#include <gtest/gtest.h>

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
