// Measures the value types' text work: writing and reading amounts of money
// by currency format codes, reading typed dates in every full-date format,
// and the calculator's display text.
//
//   bench_values.exe
#include "framework/values/CalculatorState.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/Date.h"
#include "framework/values/DateFormats.h"

#include <cstdio>
#include "tools/programs/BenchTimer.h"

namespace
{
void Report(const char* what, int rounds, double seconds)
{
    printf("%-44s %8d in %7.3f s: %8.2f us each\n", what, rounds, seconds, seconds * 1e6 / rounds);
}

void BenchCurrency()
{
    InitCurrencyFormatCodes();
    const CStringArray& positives = PositiveCurrencyFormatCodes();
    const CStringArray& negatives = NegativeCurrencyFormatCodes();
    const int rounds = 200000;
    int failures = 0;
    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        CurrencyAmount amount = {CPackedDecimal(), TRUE};
        amount.amount.m_dwValue = (DWORD)(i * 7919 % 10000000) | ((DWORD)(i % 100) << 24) | (i % 2 ? 0x80000000u : 0);
        const CString& positive = positives[i % positives.GetSize()];
        const CString& negative = negatives[i % negatives.GetSize()];
        CString text = FormatCurrencyAmount(amount, positive, negative);
        CurrencyAmount read = {CPackedDecimal(), FALSE};
        if (!ParseCurrencyText(text, positive, negative, &read))
            failures++;
    }
    Report("currency: format and read back", rounds, BenchSeconds() - start);
    if (failures != 0)
        printf("  %d texts did not read back\n", failures);
}

void BenchDates()
{
    InitDateFormats();
    const CStringArray& formats = DateFormatLists().formats;
    const char* texts[] = {"03/04/2005", "3 Apr 05", "2005-04-03", "03042005", "Apr 3 2005"};
    const int rounds = 200000;
    int read = 0;
    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        CDate date;
        if (date.Parse(texts[i % 5], formats[i % formats.GetSize()], FALSE, NULL))
            read++;
    }
    Report("dates: parse a typed date", rounds, BenchSeconds() - start);
    printf("  %d of %d read\n", read, rounds);
}

void BenchCalculator()
{
    const int rounds = 200000;
    CString text;
    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
        FormatCalculatorValue(2.0 / (double)(i % 97 + 3), 16, 15, &text);
    Report("calculator: display text of a value", rounds, BenchSeconds() - start);
}
}

int main()
{
    BenchCurrency();
    BenchDates();
    BenchCalculator();
    return 0;
}
