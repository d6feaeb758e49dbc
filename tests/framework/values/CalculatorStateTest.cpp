#include "framework/values/CalculatorState.h"

#include "framework/values/CalculatorSequences.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>

namespace
{
    int CodeOf(char key)
    {
        const char* operators = "*+-/%=ce";
        if (key >= '0' && key <= '9')
            return CALC_DIGIT_0 + (key - '0');
        if (key == '.')
            return CALC_POINT;
        if (key == '\b')
            return CALC_DELETE;
        return (int)(strchr(operators, key) - operators) + 1;
    }
}

TEST(CalculatorStateTest, KeySequences)
{
    for (const CalculatorSequence& sequence : calculatorSequences)
    {
        CCalculatorState state;
        for (const char* key = sequence.keys; *key != '\0'; key++)
            state.Press(CodeOf(*key));
        EXPECT_EQ(state.GetDisplayText(), sequence.display) << sequence.keys;
    }
}

TEST(CalculatorStateTest, DisplayTextFitsTheDisplay)
{
    const struct
    {
        double value;
        int capacity;
        const char* text; // null: the error state
    } cases[] = {
        {12.5, 16, "12.5"},      {12.0, 16, "12."},         {2.0 / 3.0, 8, "0.6666667"},
        {-2.0 / 3.0, 8, "-0.666667"}, {123456.789, 8, "123456.79"}, {9.9999, 4, "10."},
        {12345678, 6, NULL},     {1e13, 20, NULL},          {-1e12, 20, NULL},
        {1e300, 16, NULL},       {-DBL_MAX, 16, NULL},      {DBL_MAX * 10, 16, NULL},
    };
    for (const auto& c : cases)
    {
        CString text;
        BOOL fits = FormatCalculatorValue(c.value, c.capacity, 15, &text);
        EXPECT_EQ(fits, c.text != NULL ? TRUE : FALSE) << c.value;
        if (c.text != NULL)
        {
            EXPECT_EQ(text, c.text) << c.value;
        }
    }
}

TEST(CalculatorStateTest, AGivenValueIsShownAndUsed)
{
    CCalculatorState state;
    state.SetValue(12.5);
    EXPECT_EQ(state.GetDisplayText(), "12.5");
    state.Press(CALC_MULTIPLY);
    state.Press(CALC_DIGIT_0 + 2);
    state.Press(CALC_EQUALS);
    EXPECT_DOUBLE_EQ(state.GetValue(), 25.0);
    EXPECT_FALSE(state.IsError());
}
