#include "foundation/values/DecimalTable.h"

namespace
{
CDecimal Table[DECIMAL_TABLE_LAST + 1];
BOOL TableFilled = FALSE;
}  // namespace

void InitDecimalTable()
{
    if (TableFilled)
        return;
    for (int i = 0; i <= DECIMAL_TABLE_LAST; i++)
        Table[i] = CDecimal(8).SetValue((double)i);
    TableFilled = TRUE;
}

const CDecimal& GetWholeDecimal(int value)
{
    InitDecimalTable();
    ASSERT(value >= 0 && value <= DECIMAL_TABLE_LAST);
    return Table[value < 0 ? 0 : (value > DECIMAL_TABLE_LAST ? DECIMAL_TABLE_LAST : value)];
}
