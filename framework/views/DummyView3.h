#pragma once
// A placeholder view that keeps its command 33145 enabled.
#include "framework/views/DummyView.h"

class CDummyView3 : public CDummyView
{
    DECLARE_DYNCREATE(CDummyView3)

public:
    CDummyView3() { m_text = "CDummyView3"; }

protected:
    afx_msg void OnViewCommand() {}
    DECLARE_MESSAGE_MAP()
};
