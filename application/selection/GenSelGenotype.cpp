#include "application/selection/GenSelGenotype.h"

IMPLEMENT_DYNAMIC(CGenSelGenotype, CGenSelItem)

CMyCmdTarget* CGenSelGenotype::Clone() const
{
    CGenSelGenotype* copy = new CGenSelGenotype;
    copy->CopyItem(*this);
    return copy;
}
