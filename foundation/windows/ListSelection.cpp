#include "foundation/windows/ListSelection.h"

#include "framework/ListOrCombo.h"

int SelectAllListItems(CListBox* listBox)
{
    CListOrCombo list(listBox);
    return list.SelectItem(-1);
}
