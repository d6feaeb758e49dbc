#include "application/selection/GenSelElement.h"

#include "foundation/text/Trim.h"

IMPLEMENT_DYNAMIC(CGenSelElement, CMyCmdTarget)

void CGenSelElement::ParseOptions(CString& error, CGeneticsSection*, CStringArray&)
{
    error.Empty();
}

BOOL CGenSelElement::AppliesTo(const CGeneticsSection*, int) const
{
    return FALSE;
}

void SplitOption(const CString& option, char separator, CString& key, CString& value)
{
    CString text = option;
    text.Remove('"');
    TrimString(&text);
    const int at = text.Find(separator);
    if (at < 0)
    {
        key.Empty();
        value = text;
        return;
    }
    key = text.Left(at);
    value = text.Mid(at + 1);
    TrimString(&key);
    TrimString(&value);
}
