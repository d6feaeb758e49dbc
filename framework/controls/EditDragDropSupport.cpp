#include "framework/controls/EditDragDropSupport.h"

#include "foundation/windows/Clipboard.h"
#include "framework/controls/MyEdit.h"

void CEditDragDropSupport::SyncEnabled(CWnd* window)
{
    m_enabled = window->IsWindowEnabled() && (window->GetStyle() & ES_READONLY) == 0;
}

BOOL CEditDragDropSupport::HasSelection()
{
    CString text;
    return m_edit.GetSelection(NULL) || m_edit.GetWholeText(text);
}

BOOL CEditDragDropSupport::FillDataSource(COleDataSource* source)
{
    // A password never leaves its field.
    if ((m_edit.GetStyle() & ES_PASSWORD) != 0)
        return FALSE;
    CString text;
    if (!m_edit.GetSelection(&text))
        m_edit.GetWholeText(text);
    return CacheTextInDataSource(source, text, CF_TEXT);
}

BOOL CEditDragDropSupport::CanReadData(COleDataObject* data)
{
    return data == NULL || data->IsDataAvailable(CF_TEXT);
}

BOOL CEditDragDropSupport::ReadData(COleDataObject* data)
{
    // The text stops at the end of its memory block, zero or no zero.
    CString text;
    if (data != NULL && !ReadDataObjectText(data, CF_TEXT, text))
        return FALSE;
    const BOOL hadSelection = m_edit.GetSelection(NULL);
    m_edit.OnReplaceSelection(hadSelection);
    // No data removes the selection, or without one the whole text.
    if (data == NULL && !hadSelection)
        m_edit.SetWindowText("");
    else
        m_edit.ReplaceSel(text, FALSE);
    return TRUE;
}

DROPEFFECT CEditDragDropSupport::DropData(COleDataObject* data, DROPEFFECT effect, DROPEFFECT effects, CPoint point)
{
    // Dropped text goes in where it was dropped; the field's selection is
    // left as it is, not replaced.
    const int at = m_edit.CharFromPoint(point);
    m_edit.SetSel(at, at);
    return COleDragDropSupport::DropData(data, effect, effects, point);
}

DROPEFFECT CEditDragDropSupport::GetDragEffects()
{
    if ((m_edit.GetStyle() & ES_PASSWORD) != 0)
        return DROPEFFECT_NONE;
    return COleDragDropSupport::GetDragEffects();
}
