#include "framework/controls/CommandStateCollector.h"

CCommandStateCollector::CCommandStateCollector(UINT commandId, CCmdTarget* target)
    : m_enabled(FALSE), m_check(0), m_radio(0)
{
    m_nID = commandId;
    if (target != NULL)
        DoUpdate(target, FALSE);
}
