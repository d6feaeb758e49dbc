#include "foundation/windows/ListSelection.h"

#include "foundation/windows/ListOrCombo.h"

int SelectAllListItems(CListBox* listBox)
{
    CListOrCombo list(listBox);
    return list.SelectItem(-1);
}
