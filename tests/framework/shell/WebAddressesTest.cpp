#include "framework/shell/WebAddresses.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <string>

TEST(WebAddressesTest, AddressesAndEncoding)
{
    EXPECT_STREQ(CompleteWebAddress("www.mirolf.com"), "http://www.mirolf.com");
    EXPECT_STREQ(CompleteWebAddress("https://mirolf.com/a"), "https://mirolf.com/a");
    EXPECT_STREQ(CompleteWebAddress(""), "");
    EXPECT_STREQ(CompleteWebAddress(NULL), "");
    EXPECT_STREQ(PercentEncode("Litter 7 & more"), "Litter%207%20%26%20more");
    EXPECT_STREQ(PercentEncode("\xA3" "5"), "%a35");
    EXPECT_STREQ(PercentEncode(""), "");

    // In a locale whose letters go beyond ASCII they are still encoded.
    const char* previous = setlocale(LC_CTYPE, NULL);
    std::string saved = previous != NULL ? previous : "C";
    if (setlocale(LC_CTYPE, ".1252") != NULL)
    {
        EXPECT_STREQ(PercentEncode("Caf\xE9 \xDF"), "Caf%e9%20%df");
    }
    setlocale(LC_CTYPE, saved.c_str());
}
