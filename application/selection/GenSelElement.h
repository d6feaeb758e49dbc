#pragma once

#include "foundation/containers/MyCmdTarget.h"

class CFieldList;
class CGeneticsSection;
class CGenotype;

// Base of the selection elements that a configuration declares in its
// "selectgenotype" lines.
class CGenSelElement : public CMyCmdTarget
{
    DECLARE_DYNAMIC(CGenSelElement)
public:
    // Reads the element's options, removing from the list the ones it takes.
    // Each class reads its base's options first.
    virtual void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options);
    virtual BOOL AppliesTo(const CGeneticsSection* section, int sex) const;
    // Adds the element's field to a selection form for the sex, showing the
    // working genotype, and appends the genes it covers; the field's index,
    // or -1 when the element shows nothing there.
    virtual int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                         CDWordArray& coveredGenes, const CString& groupText)
    {
        return -1;
    }
};

// Removes the double quotes and cuts the option at the first separator into a
// trimmed key and value; without a separator the key is empty and the value is
// the whole text.
void SplitOption(const CString& option, char separator, CString& key, CString& value);

// What an option reader does with one option.
enum OptionUse
{
    OPTION_LEFT = 0,  // not this class's option: it stays in the list
    OPTION_TAKEN = 1, // read and removed from the list
    OPTION_FAILED = 2 // read with an error: reading stops
};

// Splits each option at "=" and offers key and value to use(key, value);
// removes the options it takes. FALSE when one failed.
template <class Use>
BOOL TakeOptions(CStringArray& options, Use use)
{
    for (int i = 0; i < options.GetSize(); i++)
    {
        CString key, value;
        SplitOption(options[i], '=', key, value);
        const OptionUse result = use(key, value);
        if (result == OPTION_FAILED)
            return FALSE;
        if (result == OPTION_TAKEN)
            options.RemoveAt(i--);
    }
    return TRUE;
}
