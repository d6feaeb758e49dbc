#include "framework/messages/CommandStateProvider.h"

#include <algorithm>

namespace
{
    CCommandStateProvider* providers[COMMAND_STATE_PROVIDER_SLOTS];
}

CCommandStateProvider::CCommandStateProvider(int tableSize)
    : m_buckets(tableSize > 0 ? tableSize : 1)
{
}

size_t CCommandStateProvider::Bucket(UINT commandId) const
{
    return (commandId >> 4) % m_buckets.size();
}

void CCommandStateProvider::AddCommand(UINT commandId)
{
    if (!HasCommand(commandId))
        m_buckets[Bucket(commandId)].push_back(commandId);
}

BOOL CCommandStateProvider::HasCommand(UINT commandId) const
{
    const std::vector<UINT>& chain = m_buckets[Bucket(commandId)];
    return std::find(chain.begin(), chain.end(), commandId) != chain.end();
}

void SetCommandStateProvider(int slot, CCommandStateProvider* provider)
{
    if (slot >= 0 && slot < COMMAND_STATE_PROVIDER_SLOTS)
        providers[slot] = provider;
}

CCommandStateProvider* FindCommandStateProvider(UINT commandId)
{
    for (CCommandStateProvider* provider : providers)
    {
        if (provider != NULL && provider->HasCommand(commandId))
            return provider;
    }
    return NULL;
}
