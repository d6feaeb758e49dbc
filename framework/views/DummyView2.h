#pragma once
// A placeholder view that keeps its command 33144 enabled.
#include "framework/views/DummyView.h"

class CDummyView2 : public CDummyView
{
    DECLARE_DYNCREATE(CDummyView2)

public:
    CDummyView2() { m_text = "CDummyView2"; }

protected:
    afx_msg void OnViewCommand() {}
    DECLARE_MESSAGE_MAP()
};
