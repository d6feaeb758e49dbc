#include "framework/views/DummyView4.h"

IMPLEMENT_DYNCREATE(CDummyView4, CDummyView)

BEGIN_MESSAGE_MAP(CDummyView4, CDummyView)
    ON_COMMAND(33146, OnViewCommand)
END_MESSAGE_MAP()
