#include "foundation/settings/RegionalSettings.h"

#include "foundation/values/DWordSearch.h"
#include "foundation/values/ValueConversions.h"

#include <memory>

namespace
{
    const char intlSection[] = "intl";

    // One cached profile text; the texts are allocated on first use so that
    // nothing depends on the order of static construction.
    struct CachedText
    {
        std::unique_ptr<CString> text;
    };

    CachedText language;
    CachedText currencySymbol;
    CachedText decimalSeparator;
    CachedText thousandSeparator;
    CachedText currencyFormat;
    CachedText negativeCurrencyFormat;

    bool countryRead = false;
    int countryCode = 0;

    const CString& ReadProfileText(CachedText& cache, LPCTSTR key, LPCTSTR defaultText)
    {
        if (cache.text == NULL)
        {
            char buffer[128];
            buffer[0] = '\0';
            ::GetProfileStringA(intlSection, key, defaultText, buffer, sizeof(buffer));
            cache.text = std::make_unique<CString>(buffer);
        }
        return *cache.text;
    }

    int CountryCode()
    {
        if (!countryRead)
        {
            countryRead = true;
            int defaultCode = IsNorthAmericanEnglish() ? 1 : 44;
            countryCode = (int)::GetProfileIntA(intlSection, "iCountry", defaultCode);
        }
        return countryCode;
    }

    const DWORD europeanCountryCodes[] = {
        30, 31, 32, 33, 34, 36, 39, 40, 41, 43, 44, 45, 46, 47, 48, 49, 90,
        351, 352, 353, 356, 358, 386, 389, 420, 421,
    };

    void Release(CachedText& cache)
    {
        cache.text.reset();
    }
}

BOOL IsNorthAmericanEnglish()
{
    CString value = ReadProfileText(language, "sLanguage", "ENG");
    value.MakeUpper();
    return value == "ENU" || value == "ENC";
}

BOOL IsCountryUnitedKingdom()
{
    return CountryCode() == 44;
}

BOOL IsCountryNorthAmerica()
{
    int code = CountryCode();
    return code == 1 || code == 2;
}

BOOL IsCountryEuropean()
{
    int count = (int)(sizeof(europeanCountryCodes) / sizeof(europeanCountryCodes[0]));
    return FindDWord(europeanCountryCodes, count, (DWORD)CountryCode()) >= 0;
}

CString GetRegionalCurrencySymbol()
{
    return ReadProfileText(currencySymbol, "sCurrency", "\xA3");
}

CString GetRegionalDecimalSeparator()
{
    return ReadProfileText(decimalSeparator, "sDecimal", ".");
}

CString GetRegionalThousandSeparator()
{
    return ReadProfileText(thousandSeparator, "sThousand", ",");
}

int GetRegionalCurrencyGroupDigits()
{
    return 3;
}

LPCTSTR CurrencyFormatFromWindowsCode(int iCurrency)
{
    switch (iCurrency)
    {
    case 1: return "X.YS";
    case 2: return "S X.Y";
    case 3: return "X.Y S";
    default: return "SX.Y";
    }
}

LPCTSTR NegativeCurrencyFormatFromWindowsCode(int iNegCurr)
{
    // Index = the Windows "iNegCurr" value, 0 to 15.
    static const char* const formats[16] = {
        "(SX.Y)", "-SX.Y", "S-X.Y", "SX.Y-", "(X.YS)", "-X.YS", "X.Y-S", "X.YS-",
        "-X.Y S", "-S X.Y", "X.Y S-", "S X.Y-", "S -X.Y", "X.Y- S", "(S X.Y)", "(X.Y S)",
    };
    if (iNegCurr < 0 || iNegCurr > 15)
        return formats[0];
    return formats[iNegCurr];
}

CString GetRegionalCurrencyFormat()
{
    if (currencyFormat.text == NULL)
    {
        int code = (int)::GetProfileIntA(intlSection, "iCurrency", 0);
        currencyFormat.text = std::make_unique<CString>(CurrencyFormatFromWindowsCode(code));
    }
    return *currencyFormat.text;
}

CString GetRegionalNegativeCurrencyFormat()
{
    if (negativeCurrencyFormat.text == NULL)
    {
        int code = (int)::GetProfileIntA(intlSection, "iNegCurr", 0);
        negativeCurrencyFormat.text = std::make_unique<CString>(NegativeCurrencyFormatFromWindowsCode(code));
    }
    return *negativeCurrencyFormat.text;
}

void ReleaseRegionalSettings()
{
    Release(language);
    Release(currencySymbol);
    Release(decimalSeparator);
    Release(thousandSeparator);
    Release(currencyFormat);
    Release(negativeCurrencyFormat);
    countryRead = false;
}
