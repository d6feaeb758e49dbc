#include "output/text/TextStyleDlg.h"

#include "output/text/TextStyleDlgIds.h"

#include <commctrl.h>

namespace
{
    const int SmallestPointSize = 4, LargestPointSize = 72;
}

CTextStyleDlg::CTextStyleDlg(CWnd* parent)
    : CNamedObjectPropertiesDlg(&m_style, IDD_TEXT_STYLE, parent),
      m_attributeControls(IDC_STYLE_BOLD, IDC_STYLE_UNDERLINE, IDC_STYLE_ITALIC, IDC_STYLE_SMALL_CAPS,
                          IDC_STYLE_ALL_CAPS, 0, IDC_STYLE_COLOUR, 0)
{
}

void CTextStyleDlg::DoDataExchange(CDataExchange* pDX)
{
    CNamedObjectPropertiesDlg::DoDataExchange(pDX);
    m_attributeControls.Exchange(pDX, m_style);
    DDX_FontNameCombo(pDX, IDC_STYLE_FONT, m_fontCombo, m_style.m_typeface,
                      (m_style.m_attributes & CTextStyle::FixedWidth) != 0);
    if (!pDX->m_bSaveAndValidate)
        SendDlgItemMessage(IDC_STYLE_POINT_SIZE_SPIN, UDM_SETRANGE32, SmallestPointSize, LargestPointSize);
    DDX_Text(pDX, IDC_STYLE_POINT_SIZE, m_style.m_pointSize);
    DDV_MinMaxInt(pDX, m_style.m_pointSize, SmallestPointSize, LargestPointSize);
}
