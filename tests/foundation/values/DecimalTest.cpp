#include "foundation/values/Decimal.h"

#include <gtest/gtest.h>

namespace
{
CDecimal Decimal(double value, int places)
{
    CDecimal d(places);
    d.SetValue(value);
    return d;
}

// Restores the preferred unit after each test.
class MeasurementTest : public ::testing::Test
{
protected:
    void TearDown() override { MeasurementUnit = 0; }

    static double Inches(const char* text)
    {
        CDecimal d(8);
        EXPECT_TRUE(d.ParseMeasurement(text)) << text;
        return d.GetValue();
    }
};
}

TEST(DecimalTest, SetValueRoundsToThePlaces)
{
    CDecimal small = Decimal(0.004, 2);
    EXPECT_EQ(0u, small.GetWhole());
    EXPECT_EQ(0u, small.GetFraction());
    EXPECT_EQ(0u, small.IsNegative());
    EXPECT_EQ(0u, Decimal(-0.004, 2).IsNegative());

    CDecimal negative = Decimal(-0.006, 2);
    EXPECT_EQ(1u, negative.IsNegative());
    EXPECT_EQ(0u, negative.GetWhole());
    EXPECT_EQ(1u, negative.GetFraction());

    CDecimal half = Decimal(2.5, 2);
    EXPECT_EQ(2u, half.GetWhole());
    EXPECT_EQ(50u, half.GetFraction());
}

TEST(DecimalTest, RoundingUpToAWholeUnitCarries)
{
    CDecimal d = Decimal(2.999, 2);
    EXPECT_EQ(3u, d.GetWhole());
    EXPECT_EQ(0u, d.GetFraction());
    EXPECT_DOUBLE_EQ(3.0, d.GetValue());
    EXPECT_EQ(0, d.Compare(Decimal(3.0, 2)));

    CDecimal negative = Decimal(-0.9999999, 5);
    EXPECT_EQ(1u, negative.GetWhole());
    EXPECT_EQ(0u, negative.GetFraction());
    EXPECT_EQ(1u, negative.IsNegative());
}

TEST(DecimalTest, CompareAtTheLargerPlaces)
{
    EXPECT_EQ(0, Decimal(1.5, 1).Compare(Decimal(1.5, 2)));
    EXPECT_EQ(1, Decimal(0.125, 3).Compare(Decimal(0.12, 2)));
    EXPECT_EQ(-1, Decimal(0.12, 2).Compare(Decimal(0.125, 3)));
    EXPECT_EQ(-1, Decimal(-1.0, 2).Compare(Decimal(0.5, 2)));
    EXPECT_EQ(1, Decimal(-1.0, 2).Compare(Decimal(-2.0, 2)));
    EXPECT_EQ(-1, Decimal(-2.5, 2).Compare(Decimal(-2.25, 2)));
}

TEST(DecimalTest, RescaleTruncates)
{
    CDecimal d = Decimal(1.239, 3);
    d.Rescale(1);
    EXPECT_EQ(2u, d.GetFraction());
    d.Rescale(4);
    EXPECT_EQ(2000u, d.GetFraction());
    EXPECT_EQ(4, d.GetPlaces());
}

TEST(DecimalTest, ParseReadsTheLeadingNumber)
{
    CDecimal d(5);
    EXPECT_TRUE(d.Parse("0.25"));
    EXPECT_DOUBLE_EQ(0.25, d.GetValue());
    EXPECT_TRUE(d.Parse("-1.5 percent"));
    EXPECT_DOUBLE_EQ(-1.5, d.GetValue());
    EXPECT_TRUE(d.Parse(".5"));
    EXPECT_DOUBLE_EQ(0.5, d.GetValue());
}

TEST(DecimalTest, ParseRefusesTextsWithoutANumber)
{
    CDecimal d(5);
    d.SetValue(7.0);
    for (const char* text : {"", "abc", "O.5", " 0.5", "-", ".", "-.", "--"})
    {
        EXPECT_FALSE(d.Parse(text)) << "'" << text << "'";
        EXPECT_DOUBLE_EQ(7.0, d.GetValue()) << "'" << text << "'";
    }
    EXPECT_FALSE(d.Parse(NULL));
}

TEST(DecimalTest, SetZeroKeepsThePlaces)
{
    CDecimal d = Decimal(4.25, 3);
    d.SetZero();
    EXPECT_EQ(3, d.GetPlaces());
    EXPECT_DOUBLE_EQ(0.0, d.GetValue());
    CDecimal copy;
    copy = d;
    EXPECT_EQ(3, copy.GetPlaces());
    EXPECT_EQ(5, CDecimal().GetPlaces());
}

TEST(DecimalTest, InitEightPlacesClearsTheValueAndSetsEightPlaces)
{
    CDecimal d = Decimal(-4.25, 3);
    d.InitEightPlaces();
    EXPECT_EQ(8, d.GetPlaces());
    EXPECT_EQ(0u, d.GetWhole());
    EXPECT_EQ(0u, d.GetFraction());
    EXPECT_EQ(0u, d.IsNegative());
    EXPECT_EQ(12345678u, d.SetValue(0.12345678).GetFraction()); // all eight places are kept
}

TEST_F(MeasurementTest, UnitWordsAndThePreferredUnit)
{
    EXPECT_NEAR(1.0, Inches("2.54cm"), 1e-8);
    EXPECT_NEAR(1.0, Inches("2.54 Cm"), 1e-8);
    EXPECT_NEAR(1.0, Inches("25.4mm"), 1e-8);
    EXPECT_NEAR(1.0, Inches("72 pt"), 1e-8);
    EXPECT_NEAR(10.0, Inches("10 ft"), 1e-8);

    MeasurementUnit = 1;
    EXPECT_NEAR(1.0, Inches("25.4"), 1e-8);
    EXPECT_NEAR(1.0, Inches("1 in"), 1e-8);
}

TEST_F(MeasurementTest, UnreadableMeasurementsAreRefused)
{
    CDecimal d(8);
    d.SetValue(2.0);
    EXPECT_FALSE(d.ParseMeasurement("mm"));
    EXPECT_FALSE(d.ParseMeasurement("-"));
    EXPECT_DOUBLE_EQ(2.0, d.GetValue());
}

TEST_F(MeasurementTest, FormatInThePreferredUnit)
{
    CDecimal d(8);
    d.SetValue(1.0);
    MeasurementUnit = 3;
    EXPECT_STREQ("72 pt", (const char*)d.FormatMeasurement());
    d.SetValue(2.5);
    MeasurementUnit = 0;
    EXPECT_STREQ("2.5 in", (const char*)d.FormatMeasurement());
    MeasurementUnit = 1;
    EXPECT_STREQ("63.5 mm", (const char*)d.FormatMeasurement());
    MeasurementUnit = 9;
    EXPECT_STREQ("2.5", (const char*)d.FormatMeasurement());
}
