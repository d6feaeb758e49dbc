#include "framework/lists/MyHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CMyHeaderCtrl, CHeaderCtrl)
