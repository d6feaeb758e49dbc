#include "framework/named/NamedObject.h"

IMPLEMENT_DYNAMIC(CNamedObject, CMyCmdTarget)

CString CNamedObject::GetPropertiesTip(LPCTSTR kindName, int mode) const
{
    CString kind(kindName);
    kind.MakeLower();
    CString tip;
    tip.Format("Click here to view/update the properties of the selected %s.", (LPCTSTR)kind);
    return tip;
}

CString CNamedObject::GetPropertiesTitle(LPCTSTR kindName, int mode) const
{
    return CString(kindName) + " Properties";
}
