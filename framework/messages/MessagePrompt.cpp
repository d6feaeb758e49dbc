#include "framework/messages/MessagePrompt.h"

#include "framework/messages/MessageBoxButtons.h"

IMPLEMENT_DYNAMIC(CMessagePrompt, CMyCmdTarget)

CString CMessagePrompt::GetTitle() const
{
    int newline = m_description.Find('\n');
    CString title = newline >= 0 ? m_description.Mid(newline + 1) : CString();
    return title.IsEmpty() ? m_description : title;
}

CString CMessagePrompt::GetSentence() const
{
    int newline = m_description.Find('\n');
    return newline >= 0 ? m_description.Left(newline) : m_description;
}

UINT CMessagePrompt::GetDefaultAnswer() const
{
    return ::GetDefaultAnswer(m_flags, m_option);
}
