#include "application/selection/GenSelMenu.h"

#include "afx/app/AfxWin.h"
#include "application/selection/FieldFormIds.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/windows/ModifierKeys.h"
#include "framework/menus/MyPopupMenu.h"

IMPLEMENT_DYNAMIC(CGenSelMenu, CGenSelActionItem)

namespace
{
// The items' command ids run from the first command id up; more would reach
// the ids of the form's controls.
const size_t MaxMenuItems = IDC_FIELD_COMMAND_LAST - IDC_FIELD_COMMAND_FIRST + 1;
} // namespace

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
            if (m_lists.size() == MaxMenuItems)
            {
                error.Format("too many menu items (at most %d)", (int)MaxMenuItems);
                return OPTION_FAILED;
            }
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

const CGenSelActionList* CGenSelMenu::FindList(UINT command) const
{
    if (command < IDC_FIELD_COMMAND_FIRST || command - IDC_FIELD_COMMAND_FIRST >= m_lists.size())
        return NULL;
    return &m_lists[command - IDC_FIELD_COMMAND_FIRST];
}

void CGenSelMenu::DoAction(const CGeneticsSection* genes, CWnd* window, UINT controlId, const CGenotype& before,
                           CGenotype& working)
{
    CMyPopupMenu menu;
    CRect button(0, 0, 0, 0);
    if (CWnd* item = window->GetDlgItem(controlId))
        item->GetWindowRect(&button);
    // Beside the button, level with its top (a screen position).
    menu.SetRelativePosition(FALSE);
    menu.SetPosition(window, button.right, button.top, GetModifierKeyFlags());
    for (size_t i = 0; i < m_lists.size(); i++)
    {
        // Ampersands show as themselves and make no mnemonics.
        CString name = m_lists[i].m_strName;
        name.Replace("&", "&&");
        menu.AppendItem(MF_STRING, IDC_FIELD_COMMAND_FIRST + i, name);
    }
    if (const CGenSelActionList* list = FindList(menu.Track(TPM_RIGHTBUTTON)))
        list->Run(genes, before, working);
}
