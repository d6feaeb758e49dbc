#pragma once
// The properties dialog of a text style: typeface, point size, attributes
// and colour of a working copy of the style.
#include "framework/controls/FontNameCombo.h"
#include "framework/named/NamedObjectPropertiesDlg.h"
#include "output/text/TextAttributeControls.h"
#include "output/text/TextStyle.h"

class CTextStyleDlg : public CNamedObjectPropertiesDlg
{
public:
    explicit CTextStyleDlg(CWnd* parent);

    CTextStyle m_style;
    CTextAttributeControls m_attributeControls;
    CFontNameCombo m_fontCombo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
