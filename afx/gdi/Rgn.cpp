#include "afx/gdi/Rgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
