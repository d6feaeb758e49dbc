#include "output/printing/PrinterData.h"

#include <gtest/gtest.h>

#include "foundation/windows/GlobalBlocks.h"
#include "output/printing/PrinterPaperConfig.h"

namespace
{
// A set-up failure names the system's reason as every other message of the
// program does: trimmed, in single quotes, after the step that failed.
void ExpectQuotedReason(const CString& error, const char* step)
{
    const CString prefix(step);
    ASSERT_EQ(prefix, error.Left(prefix.GetLength())) << (LPCTSTR)error;
    const CString reason = error.Mid(prefix.GetLength());
    ASSERT_GE(reason.GetLength(), 3) << (LPCTSTR)error;
    EXPECT_EQ('\'', reason[0]) << (LPCTSTR)error;
    EXPECT_EQ('\'', reason[reason.GetLength() - 1]) << (LPCTSTR)error;
    EXPECT_NE(' ', reason[1]) << (LPCTSTR)error;
    EXPECT_EQ(-1, reason.FindOneOf("\r\n")) << (LPCTSTR)error;
}
}

TEST(PrinterDataErrorsTest, SetUpFailuresQuoteTheSystemReason)
{
    CPrinterPaperConfig config;
    config.m_driverName = "winspool";
    config.m_printerName = "Kestrova Test Printer That Is Not Installed";
    config.m_portName = "LPT9:";

    CPrinterData withoutDevMode;
    ExpectQuotedReason(withoutDevMode.CreateForConfig(config, 0), "unable to create default printer data settings: ");

    DEVMODEA devMode = {};
    devMode.dmSize = sizeof(devMode);
    config.m_devMode = NewGlobalBlock(&devMode, sizeof(devMode));
    CPrinterData withDevMode;
    ExpectQuotedReason(withDevMode.CreateForConfig(config, 0), "");
}
