// The preferences: defaults from an empty profile, the clamped measurement
// unit, and a format outside its list falling back to the regional one.
#include "application/app/Preferences.h"
#include "foundation/values/Decimal.h"
#include "framework/app/Preferences.h"
#include "framework/colours/CustomColours.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "foundation/settings/RegionalSettings.h"

#include "support/TestApp.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

TEST(Preferences, EmptyProfileGivesDefaultsAndStoredValuesAreChecked)
{
    CTestRegistryKey registry("KestrovaPreferencesTest");
    CTestApp app("KestrovaPreferencesTest");
    InitDateFormats();
    InitCurrencyFormatCodes();
    BackupCount = 9;
    ToolTipsEnabled = FALSE;
    ListFontPtSize = 3;
    ExchangePreferences(0, TRUE);
    EXPECT_EQ(BackupCount, 2);
    EXPECT_TRUE(ToolTipsEnabled);
    EXPECT_EQ(ListFontPtSize, 14);
    EXPECT_EQ(MeasurementUnit, 0);
    EXPECT_EQ(DataEntryDateFormat, GetRegionalDateFormat(FALSE));
    EXPECT_STREQ((LPCTSTR)BackupDeviceDir, "A:\\");

    const struct
    {
        int stored;
        int loaded;
    } units[] = {{7, 3}, {-2, 0}, {2, 2}};
    for (const auto& u : units)
    {
        app.WriteProfileInt("Preferences", "MeasurementUnits", u.stored);
        ExchangePreferences(0, TRUE);
        EXPECT_EQ(MeasurementUnit, u.loaded) << u.stored;
    }
    app.WriteProfileString("Preferences", "DataEntryDateFormat", "not a format");
    app.WriteProfileString("Preferences", "PositiveListCurrencyFormat", "nonsense");
    ExchangePreferences(0, TRUE);
    EXPECT_EQ(DataEntryDateFormat, GetRegionalDateFormat(FALSE));
    EXPECT_EQ(PositiveListCurrencyFormat, GetRegionalCurrencyFormat());

    BackupCount = 5;
    CustomColours.m_colours[7] = 0x123456;
    ExchangePreferences(0, FALSE);
    BackupCount = 0;
    CustomColours.Reset();
    ExchangePreferences(0, TRUE);
    EXPECT_EQ(BackupCount, 5) << "saved and read back";
    EXPECT_EQ(CustomColours.m_colours[7], 0x123456u);
    CustomColours.Reset();
    MeasurementUnit = 0;
}
