#include "foundation/files/ProgramFolder.h"

CString ProgramFolder;
