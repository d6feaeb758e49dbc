#include "application/GenSelActionItem.h"

IMPLEMENT_DYNAMIC(CGenSelActionItem, CGenSelLabelItem)
