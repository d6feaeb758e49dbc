#include "framework/support/FrameworkTestApp.h"

BEGIN_MESSAGE_MAP(CFrameworkTestApp, CFrameworkApp)
    ON_COMMAND(ID_HELP, OnHelpCommand)
END_MESSAGE_MAP()
