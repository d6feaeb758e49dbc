#pragma once

#include "application/selection/GenSelLabelItem.h"

// A push button of the selection form that runs actions on the genotype.
class CGenSelActionItem : public CGenSelLabelItem
{
    DECLARE_DYNAMIC(CGenSelActionItem)
};
