#include "framework/named/TestNamedKind.h"

IMPLEMENT_DYNCREATE(CTestNamedKind, CNamedObject)
