#pragma once

#include "afx/core/AfxCore.h"

#include <vector>

// One word that the user may reword, with its current text.
struct RenamableTerm
{
    CString name;
    CString text;
    BOOL caseVariants;
};

// Start-up fills the terms map in this order: InitProductTerms, the registry
// root from "~AppDir~", the American or British spelling words, the program
// folder, then InitDefaultTerms (whose default texts are expanded as they are
// stored, so they pick up the chosen spelling).
void InitProductTerms();
void InitDefaultTerms();

void AddRenamableTerm(LPCTSTR name, BOOL caseVariants);
LONG LoadUserTerms();
void ApplyUserTerms();

const std::vector<RenamableTerm>& GetRenamableTerms();
void ReleaseRenamableTerms();

// The registry key below which the user's wording lives (tokens expanded).
CString GetTerminologyRegistryRoot();
