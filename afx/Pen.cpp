#include "afx/Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
