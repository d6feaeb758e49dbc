#pragma once
// A placeholder view that keeps its command 33146 enabled.
#include "framework/views/DummyView.h"

class CDummyView4 : public CDummyView
{
    DECLARE_DYNCREATE(CDummyView4)

public:
    CDummyView4() { m_text = "CDummyView4"; }

protected:
    afx_msg void OnViewCommand() {}
    DECLARE_MESSAGE_MAP()
};
