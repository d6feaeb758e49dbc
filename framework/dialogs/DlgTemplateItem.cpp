#include "framework/dialogs/DlgTemplateItem.h"

CDlgTemplateItem::CDlgTemplateItem()
    : style(0), exStyle(0), x(0), y(0), cx(0), cy(0), id(0), classOrdinal(-1), textOrdinal(-1), rect(0, 0, 0, 0)
{
    memset(&extended, 0, sizeof(extended));
}
