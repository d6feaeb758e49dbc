#include "output/printing/PrinterPaperConfig.h"

#include <gtest/gtest.h>

#include "foundation/settings/StringListCodec.h"
#include "foundation/windows/GlobalBlocks.h"

namespace
{
CDecimal Inches(double value)
{
    CDecimal decimal(8);
    decimal.SetValue(value);
    return decimal;
}

struct UnitScope
{
    explicit UnitScope(int unit) : saved(MeasurementUnit) { MeasurementUnit = unit; }
    ~UnitScope() { MeasurementUnit = saved; }
    int saved;
};

void MakeNamedPrinter(CPrinterPaperConfig& config)
{
    config.m_driverName = "winspool";
    config.m_printerName = "Office Laser";
    config.m_portName = "CUPS:Office";
    BYTE bytes[] = {1, 2, 0, 255, 17};
    config.m_devMode = NewGlobalBlock(bytes, sizeof(bytes));
}

TEST(PrinterPaperConfigTest, TextFormRoundTripsInEveryUnit)
{
    CPrinterPaperConfig configs[4];
    configs[1].m_landscape = 1;
    configs[1].m_colourEnabled = 0;
    configs[1].m_orientationChangeable = 0;
    configs[1].m_topMargin = Inches(1.25);
    configs[1].m_rightMargin = Inches(0.1);
    MakeNamedPrinter(configs[2]);
    configs[3].m_calibrated = 1;
    configs[3].m_leftGap = Inches(0.17);
    configs[3].m_bottomGap = Inches(0.3125);
    for (int writeUnit = 0; writeUnit < 4; ++writeUnit)
        for (int readUnit = 0; readUnit < 4; ++readUnit)
            for (CPrinterPaperConfig& config : configs)
            {
                CString text;
                {
                    UnitScope unit(writeUnit);
                    text = config.WriteText();
                }
                UnitScope unit(readUnit);
                CPrinterPaperConfig read;
                ASSERT_EQ(1, read.ReadText(text)) << text;
                EXPECT_TRUE(read.IsEqual(&config)) << writeUnit << readUnit << " " << text;
            }
    UnitScope millimetres(1);
    CStringArray items;
    ASSERT_TRUE(DecodeStringList(configs[0].WriteText(), items));
    ASSERT_EQ(17, items.GetSize());
    EXPECT_STREQ("b", items[0]);
    EXPECT_STREQ("12.7 mm", items[5]);
    EXPECT_STREQ("f", items[9]);
    EXPECT_STREQ("t", items[15]);
}

CString TextWith(int count, const char* version, int changedItem = -1, const char* changed = NULL)
{
    CPrinterPaperConfig config;
    CStringArray items;
    DecodeStringList(config.WriteText(), items);
    items[0] = version;
    if (changedItem >= 0)
        items[changedItem] = changed;
    items.SetSize(count);
    return EncodeStringList(items);
}

TEST(PrinterPaperConfigTest, RefusesOtherVersionsCountsAndBrokenItems)
{
    CPrinterPaperConfig config;
    ASSERT_EQ(1, config.ReadText(TextWith(16, "a")));
    EXPECT_EQ(1u, config.m_orientationChangeable);
    struct
    {
        CString text;
        const char* why;
    } refused[] = {
        {TextWith(16, "b"), "version b with 16 items"},
        {TextWith(17, "a"), "version a with 17 items"},
        {TextWith(17, "c"), "unknown version"},
        {TextWith(17, "B"), "versions are exact"},
        {TextWith(17, "b", 5, "wide"), "a margin that is no measurement"},
        {TextWith(17, "b", 12, "x"), "a gap that is no measurement"},
        {TextWith(17, "b", 9, "yes"), "a flag of more than one letter"},
        {TextWith(17, "b", 16, "q"), "an orientation flag that is no flag"},
        {TextWith(17, "b", 2, "Printer"), "a printer name without a device mode"},
        {CString(""), "nothing"},
        {CString("not a list"), "no list"},
    };
    for (const auto& row : refused)
        EXPECT_EQ(0, config.ReadText(row.text)) << row.why;

    CPrinterPaperConfig named;
    MakeNamedPrinter(named);
    named.m_portName.Empty();
    EXPECT_EQ(0, config.ReadText(named.WriteText())) << "a device mode with an empty port";
}

TEST(PrinterPaperConfigTest, EqualityAndCopies)
{
    CPrinterPaperConfig a, b;
    EXPECT_TRUE(a.IsEqual(&b));
    a.m_leftGap = Inches(0.2);
    EXPECT_TRUE(a.IsEqual(&b)); // gaps count only once calibrated
    a.m_calibrated = b.m_calibrated = 1;
    EXPECT_FALSE(a.IsEqual(&b));
    b.m_leftGap = Inches(0.2);
    EXPECT_TRUE(a.IsEqual(&b));
    b.m_landscape = 2;
    a.m_landscape = 1;
    EXPECT_TRUE(a.IsEqual(&b)); // flags compare as zero or not

    MakeNamedPrinter(a);
    EXPECT_FALSE(a.IsEqual(&b));
    CPrinterPaperConfig* copy = static_cast<CPrinterPaperConfig*>(a.Clone());
    EXPECT_TRUE(copy->IsEqual(&a));
    EXPECT_NE(a.m_devMode, copy->m_devMode);
    EXPECT_EQ(53, copy->m_kindCode);
    delete copy;

    CNamedStringMap texts;
    texts.SetAt("Labels", a.WriteText());
    CPrinterPaperConfig loaded;
    EXPECT_EQ(1, loaded.LoadFromMap(texts, "Labels"));
    EXPECT_TRUE(loaded.IsEqual(&a));
    EXPECT_EQ(0, loaded.LoadFromMap(texts, "labels"));
    a.Reset();
    EXPECT_EQ(NULL, a.m_devMode);
    EXPECT_FALSE(a.IsEqual(&b));
}
} // namespace
