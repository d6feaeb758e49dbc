#include "application/selection/GenSelActionItem.h"

IMPLEMENT_DYNAMIC(CGenSelActionItem, CGenSelLabelItem)
