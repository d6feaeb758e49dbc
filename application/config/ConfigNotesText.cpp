#include "application/config/ConfigNotesText.h"

#include "genetics/ExpandTerms.h"

CString BuildConfigNotesText(const CString& notes)
{
    if (notes.IsEmpty())
        return CString();
    return ExpandTerms("These notes come with the genetics configuration that ~AppName~ uses. They describe its "
                       "genes, the alleles you can type and what its rules make of them.\r\n\r\n") +
           notes;
}
