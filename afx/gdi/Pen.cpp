#include "afx/gdi/Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
