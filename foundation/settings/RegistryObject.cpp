#include "foundation/settings/RegistryObject.h"

IMPLEMENT_DYNAMIC(CRegistryObject, CObject)
