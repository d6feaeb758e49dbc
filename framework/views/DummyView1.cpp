#include "framework/views/DummyView1.h"

IMPLEMENT_DYNCREATE(CDummyView1, CDummyView)

BEGIN_MESSAGE_MAP(CDummyView1, CDummyView)
    ON_COMMAND(33143, OnViewCommand)
END_MESSAGE_MAP()
