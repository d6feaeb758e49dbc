#include "application/selection/GenSelAssumedAlleles.h"

IMPLEMENT_DYNAMIC(CGenSelAssumedAlleles, CGenSelItem)

CMyCmdTarget* CGenSelAssumedAlleles::Clone() const
{
    CGenSelAssumedAlleles* copy = new CGenSelAssumedAlleles;
    copy->CopyItem(*this);
    return copy;
}
