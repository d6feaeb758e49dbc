#include "framework/named/NamedObjectPropertiesDlg.h"

IMPLEMENT_DYNAMIC(CNamedObjectPropertiesDlg, CMyDialog)
