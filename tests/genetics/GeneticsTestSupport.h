#pragma once

#include "ConfigurationReading.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"

#include <gtest/gtest.h>

// Reads a plain-text configuration file of tests/data/genetics.
CString ReadConfigDataFile(CGeneticsConfig& config, const char* name);

// Loads the text as the sealed "Genetics.Gen" of a scratch application folder
// through LoadGeneticsConfig with reporting on; returns the reported error
// ("" when the configuration loaded). The current configuration is released.
CString LoadSealedConfigText(const char* text);

// Full Windows path of a file under tests/data/genetics.
CString GeneticsDataPath(const char* name);

// A configuration read from a text that must be valid.
class CTestConfig
{
public:
    explicit CTestConfig(const char* text);
    CGeneticsConfig m_config;
    CGeneticsSection* Section(int index = 0) const { return m_config.GetSection(index); }
};

// A genotype parsed against a section; the parse must succeed.
CGenotype ParseGenotype(const CGeneticsSection* section, const char* text, int sex = SEX_EITHER, UINT flags = 0);
// The error text of parsing a genotype.
CString GenotypeError(const CGeneticsSection* section, const char* text, int sex = SEX_EITHER, UINT flags = 0);

// A genes section used by many tests (sex system xy unless zw is asked for):
// B (B 60%, b), D (D, d), E (E, e), Xo on the shared and Yg on the unshared
// sex chromosome, and the polygene Height (1 place, ranges Short 0-10, Tall 10-20).
CString BasicGenesText(BOOL zw = FALSE);

#define EXPECT_TEXT(actual, expected) EXPECT_STREQ((LPCTSTR)(actual), (expected))
