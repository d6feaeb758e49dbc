#include "foundation/containers/MyCmdTarget.h"

IMPLEMENT_DYNAMIC(CMyCmdTarget, CCmdTarget)
