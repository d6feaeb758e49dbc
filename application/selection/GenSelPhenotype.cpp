#include "application/selection/GenSelPhenotype.h"

IMPLEMENT_DYNAMIC(CGenSelPhenotype, CGenSelItem)

CMyCmdTarget* CGenSelPhenotype::Clone() const
{
    CGenSelPhenotype* copy = new CGenSelPhenotype;
    copy->CopyItem(*this);
    return copy;
}
