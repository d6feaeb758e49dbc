#include "framework/messages/MessagePrompts.h"

#include "foundation/settings/ProfileExchange.h"
#include "foundation/settings/SettingsExchangers.h"
#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/ConfigurePromptsDlg.h"
#include "framework/messages/MessagePrompt.h"
#include "framework/messages/MyMessageBoxDlg.h"

COwningObArray& GetMessagePrompts()
{
    static COwningObArray prompts;
    return prompts;
}

CNumberMap& GetRememberedAnswers()
{
    static CNumberMap answers(10);   // 17 buckets
    return answers;
}

void RegisterMessagePrompt(LPCTSTR key, LPCTSTR description, UINT flags, UINT option)
{
    CString expanded;
    ExpandTokens(description, expanded);
    GetMessagePrompts().Add(new CMessagePrompt(key, expanded, flags, option));
}

BOOL HasMessagePrompts()
{
    return GetMessagePrompts().GetSize() > 0;
}

CMessagePrompt* FindMessagePrompt(LPCTSTR key)
{
    COwningObArray& prompts = GetMessagePrompts();
    for (INT_PTR i = 0; i < prompts.GetSize(); i++)
    {
        CMessagePrompt* prompt = (CMessagePrompt*)prompts[i];
        if (prompt->m_key == key)
            return prompt;
    }
    return NULL;
}

void LookupPromptState(const CNumberMap& map, const CMessagePrompt& prompt, bool* show, int* answer)
{
    int value = 0;
    bool remembered = map.Lookup(prompt.m_key, value) && value != 0;
    if (show != NULL)
        *show = remembered ? value >= 0 : true;
    if (answer != NULL)
        *answer = remembered ? (value < 0 ? -value : value) - 1 : (int)prompt.GetDefaultAnswer();
}

void StorePromptState(CNumberMap& map, const CMessagePrompt& prompt, bool show, int answer)
{
    if (&map == &GetRememberedAnswers())
    {
        bool currentShow;
        int currentAnswer;
        LookupPromptState(map, prompt, &currentShow, &currentAnswer);
        if (currentShow != show || currentAnswer != answer)
            SettingsChangedFlag = TRUE;
    }
    map[prompt.m_key] = show ? answer + 1 : -(answer + 1);
}

BOOL GetMessagePromptAnswer(LPCTSTR key, int* answer)
{
    bool show = true;
    int remembered = 0;
    if (key != NULL && key[0] != '\0')
        LookupPromptState(GetRememberedAnswers(), CMessagePrompt(key, "", 0, 0), &show, &remembered);
    if (answer != NULL)
        *answer = show ? 0 : remembered;
    return show;
}

int ShowPromptedMessageBox(CWnd* parent, LPCTSTR text, LPCTSTR title, UINT flags, UINT option,
                           UINT customIconId, LPCTSTR key)
{
    if (key == NULL || key[0] == '\0')
    {
        CMyMessageBoxDlg box(parent, text, title, flags, option, customIconId, -1);
        return (int)box.DoModal();
    }
    CMessagePrompt prompt(key, "", flags, option);
    bool show;
    int answer;
    LookupPromptState(GetRememberedAnswers(), prompt, &show, &answer);
    if (!show)
        return answer;
    if (parent != NULL && !::IsWindow(parent->GetSafeHwnd()))
        parent = NULL;
    CMyMessageBoxDlg box(parent, text, title, flags, option, customIconId, 1);
    int result = (int)box.DoModal();
    if (result == IDCANCEL)
        return IDCANCEL;
    // The remembered answer is the button the user pressed: remembering the
    // box's default would answer "No" for ever to a user who clicked "Yes".
    if (box.m_show == 0 && result > 0)
        StorePromptState(GetRememberedAnswers(), prompt, false, result);
    return result;
}

int ConfigureMessagePrompts(CWnd* parent)
{
    if (!HasMessagePrompts())
        return IDCANCEL;
    CConfigurePromptsDlg dialog(parent);
    return (int)dialog.DoModal();
}

int ExchangeRememberedAnswers(DWORD, BOOL load)
{
    int changed = 0;
    ExchangeProfileMap(&changed, load, MESSAGE_PROMPTS_SECTION, MESSAGE_PROMPTS_ENTRY, NULL, GetRememberedAnswers(),
                       NULL);
    return changed;
}
