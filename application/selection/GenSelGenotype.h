#pragma once

#include "application/selection/GenSelItem.h"

// Places the form's display field of the genotype among the other fields.
class CGenSelGenotype : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelGenotype)
public:
    CMyCmdTarget* Clone() const override;
};
