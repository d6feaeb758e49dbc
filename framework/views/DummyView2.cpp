#include "framework/views/DummyView2.h"

IMPLEMENT_DYNCREATE(CDummyView2, CDummyView)

BEGIN_MESSAGE_MAP(CDummyView2, CDummyView)
    ON_COMMAND(33144, OnViewCommand)
END_MESSAGE_MAP()
