#pragma once

#include "application/selection/GenSelItem.h"

// Places the form's display field of the phenotype among the other fields.
class CGenSelPhenotype : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelPhenotype)
public:
    CMyCmdTarget* Clone() const override;
};
