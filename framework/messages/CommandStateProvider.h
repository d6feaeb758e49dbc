#pragma once

#include "afx/core/AfxCore.h"

#include <vector>

// An object that knows the state of a set of command ids. Up to four
// providers can be registered; the default tests of command objects ask the
// first one that knows the id.
class CCommandStateProvider
{
public:
    explicit CCommandStateProvider(int tableSize = 17);
    virtual ~CCommandStateProvider() {}

    void AddCommand(UINT commandId);
    BOOL HasCommand(UINT commandId) const;

    virtual BOOL IsEnabled(UINT commandId) = 0;
    virtual int GetCheck(UINT commandId) = 0;
    virtual BOOL GetRadio(UINT commandId) = 0;

private:
    size_t Bucket(UINT commandId) const;

    // Chained hash table of the known ids.
    std::vector<std::vector<UINT>> m_buckets;
};

enum { COMMAND_STATE_PROVIDER_SLOTS = 4 };

// Puts a provider into one of the four slots (null empties the slot); the
// provider is not owned.
void SetCommandStateProvider(int slot, CCommandStateProvider* provider);
// The provider of the first slot, in slot order, that knows the id; null
// when none does.
CCommandStateProvider* FindCommandStateProvider(UINT commandId);
