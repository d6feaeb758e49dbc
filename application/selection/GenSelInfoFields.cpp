#include "application/selection/GenSelInfoFields.h"

#include "application/selection/FieldList.h"
#include "genetics/ExpandTerms.h"

int AddGenSelInfoField(CFieldList& list, GenSelInfoField which, DWORD style, const CString& groupText)
{
    style |= FS_READ_ONLY | FS_EDIT_OFFSET | FS_OPTIONAL | (groupText.IsEmpty() ? 0 : FS_GROUP_START);
    switch (which)
    {
    case INFO_GENOTYPE:
        return list.AddTextField(ExpandTerms("Specified ~genotype~:"),
                                 ExpandTerms("This is the ~genotype~ that will be selected when you click OK"), style,
                                 groupText, NULL, 60, 0, 0);
    case INFO_ASSUMED_ALLELES:
        return list.AddMultiLineField(
            ExpandTerms("Assumed ~genotype~:"),
            ExpandTerms("These are the assumed values for alleles that have not been explicitly specified"), style,
            groupText, NULL, 60, 3, -1, -1);
    default:
        return list.AddMultiLineField(ExpandTerms("Computed ~phenotype~:"),
                                      ExpandTerms("This is the ~phenotype~ that is deduced from the above ~genotype~ "
                                                  "using the current genetics configuration."),
                                      style, groupText, NULL, 60, 3, -1, -1);
    }
}
