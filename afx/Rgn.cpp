#include "afx/Rgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
