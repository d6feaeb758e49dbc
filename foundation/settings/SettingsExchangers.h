#pragma once

#include "afx/core/AfxCore.h"

// A function that loads (load != 0) or saves one group of settings; returns
// nonzero when a setting changed.
typedef int (*SettingsExchanger)(DWORD context, BOOL load);

enum { MAX_SETTINGS_EXCHANGERS = 32 };

struct SettingsExchangerTableData
{
    SettingsExchanger exchangers[MAX_SETTINGS_EXCHANGERS];
    int registered;
    int loaded;
};

extern SettingsExchangerTableData SettingsExchangerTable;

// Set when a persisted setting took a new value since the last save.
extern BOOL SettingsChangedFlag;

// Appends an exchanger; FALSE (nothing registered) when the table is full.
BOOL RegisterSettingsExchanger(SettingsExchanger exchanger);
void ClearSettingsExchangers();

// Loading calls only the exchangers not loaded yet; saving calls all of them.
void CallSettingsExchangers(BOOL load);

// Saves everything when a setting changed, asking first when told to. FALSE
// when the user cancelled.
BOOL SaveChangedSettings(BOOL prompt);

// Exchange operations report a failed profile write here while saving, so that
// the changed flag stays set and the settings are offered again.
void NoteSettingsWriteResult(BOOL written);
