#include "framework/lists/PersistedList.h"

#include "afx/files/Archive.h"
#include "foundation/archive/StreamVersion.h"
#include "foundation/settings/RegistryExchange.h"

#include <algorithm>

IMPLEMENT_SERIAL(CPersistedList, CRegistryObject, 1)

void CPersistedList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kStreamVersion << m_mode << (DWORD)m_maxCount;
    }
    else
    {
        DWORD maxCount = 0;
        ReadStreamVersion(ar);
        ar >> m_mode >> maxCount;
        m_maxCount = (int)maxCount;
    }
    m_texts.Serialize(ar);
}

BOOL CPersistedList::ExchangeRegistry(BOOL save, CRegistryKey& key)
{
    BOOL ok = TRUE;
    ExchangeRegDWord(&ok, save, key, "Mode", m_mode, 0);
    ExchangeRegInt(&ok, save, key, "Max", m_maxCount, 1, 9, 9);
    // Never more texts than the maximum: a larger count would load as none.
    int count = std::min({(int)m_texts.GetSize(), m_maxCount, 9});
    ExchangeRegInt(&ok, save, key, "Count", count, 0, m_maxCount, 0);
    if (!save)
        m_texts.RemoveAll();
    for (int i = 0; i < count; ++i)
    {
        CString name, text = save ? m_texts[i] : CString();
        name.Format("Item%d", i);
        ExchangeRegString(&ok, save, key, name, text, "");
        if (!save)
            m_texts.Add(text);
    }
    return ok;
}
