#pragma once
// A placeholder view that keeps its command 33143 enabled.
#include "framework/views/DummyView.h"

class CDummyView1 : public CDummyView
{
    DECLARE_DYNCREATE(CDummyView1)

public:
    CDummyView1() { m_text = "CDummyView1"; }

protected:
    afx_msg void OnViewCommand() {}
    DECLARE_MESSAGE_MAP()
};
