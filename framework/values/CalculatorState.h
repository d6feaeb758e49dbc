#pragma once
// The arithmetic of the drop-down calculator: an accumulator, the number
// being typed and the pending operator, driven one key at a time.
#include "afx/core/AfxCore.h"

// The key codes of the calculator's keys.
enum CalculatorKeyCode
{
    CALC_MULTIPLY = 1,
    CALC_ADD = 2,
    CALC_SUBTRACT = 3,
    CALC_DIVIDE = 4,
    CALC_PERCENT = 5,
    CALC_EQUALS = 6,
    CALC_CLEAR = 7,
    CALC_CLEAR_ENTRY = 8,
    CALC_DIGIT_0 = 9, // the digits 0 to 9 are 9 to 18
    CALC_DIGIT_9 = 18,
    CALC_POINT = 19,
    CALC_DELETE = 20,
    CALC_OK = 100,
};

// The display text of a value: as many decimals as fit in 'capacity'
// characters (at most 'digitLimit'), trailing zeros cut; FALSE when the
// value does not fit (then the display shows the error).
BOOL FormatCalculatorValue(double value, int capacity, int digitLimit, CString* text);

class CCalculatorState
{
public:
    CCalculatorState();

    // Everything cleared; the value 0.
    void Reset();
    // Reset, then the value, shown as the entry.
    void SetValue(double value);
    // The display's capacity in characters; the digit limit follows it.
    void SetCapacity(int capacity);
    // Runs the key's action; FALSE when the key was refused (a beep).
    BOOL Press(int code);

    double GetValue() const { return m_value; }
    BOOL IsError() const { return m_error; }
    // "Error " in the error state, "0." for an empty entry, else the entry
    // with a point.
    CString GetDisplayText() const;

private:
    BOOL Digit(int digit);
    void Point();
    // The entry as a number; FALSE when it does not read.
    BOOL EntryValue(double* x) const;
    void Operate(int code);
    void Show();

    double m_value;
    CString m_entry;
    int m_pending; // 0 or the operator's code
    BOOL m_newEntry;
    BOOL m_error;
    int m_capacity;
    int m_digitLimit;
};
