#pragma once
// The shared decimals of the whole numbers 0 to 500 (eight places, as lengths
// in inches are held), filled once at start-up.
#include "foundation/values/Decimal.h"

const int DECIMAL_TABLE_LAST = 500;

// Fills the table unless it is filled already.
void InitDecimalTable();
// The decimal of a whole number 0..500 (the table is filled on first use).
const CDecimal& GetWholeDecimal(int value);
