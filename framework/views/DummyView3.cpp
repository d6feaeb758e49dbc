#include "framework/views/DummyView3.h"

IMPLEMENT_DYNCREATE(CDummyView3, CDummyView)

BEGIN_MESSAGE_MAP(CDummyView3, CDummyView)
    ON_COMMAND(33145, OnViewCommand)
END_MESSAGE_MAP()
