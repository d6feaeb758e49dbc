#include "application/selection/GenSelMenu.h"

#include "foundation/text/Tokenizer.h"

IMPLEMENT_DYNAMIC(CGenSelMenu, CGenSelActionItem)

CMyCmdTarget* CGenSelMenu::Clone() const
{
    CGenSelMenu* copy = new CGenSelMenu;
    copy->CopyLabelItem(*this);
    copy->m_lists = m_lists;
    return copy;
}

void CGenSelMenu::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelActionItem::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    const BOOL read = TakeOptions(options, [&](const CString& key, const CString& value) {
        if (key.CompareNoCase("items") != 0)
            return OPTION_LEFT;
        CStringArray items;
        TokenizeText(value, items, '|', TOKENIZE_TRIM, -1, '(', ')');
        for (int item = 0; item < items.GetSize(); item++)
        {
            CGenSelActionList list;
            error = list.Parse(section, items[item], TRUE);
            if (!error.IsEmpty())
                return OPTION_FAILED;
            m_lists.push_back(list);
        }
        return OPTION_TAKEN;
    });
    if (read)
        m_nStyle |= GENSEL_STYLE_MENU_BUTTON;
}
