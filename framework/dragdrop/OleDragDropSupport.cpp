#include "framework/dragdrop/OleDragDropSupport.h"

#include "foundation/windows/Clipboard.h"

#include <cstdlib>
#include <cstring>

namespace
{
// How far (across plus down) the mouse moves before a drag starts.
const int dragThreshold = 11;
}

COleDragDropSupport::COleDragDropSupport() : m_dropTarget(this)
{
}

COleDragDropSupport::~COleDragDropSupport()
{
    m_dropTarget.Revoke();
}

BOOL COleDragDropSupport::Register(CWnd* window)
{
    if (m_registered)
        return TRUE;
    if (!m_dropTarget.Register(window))
        return FALSE;
    SyncEnabled(window);
    m_registered = TRUE;
    return TRUE;
}

void COleDragDropSupport::Revoke()
{
    m_dropTarget.Revoke();
    m_registered = FALSE;
    m_dragPending = FALSE;
}

BOOL COleDragDropSupport::CheckDragStart(CWnd* window, UINT, CPoint point)
{
    if (!m_dragPending || std::abs(point.x - m_dragOrigin.x) + std::abs(point.y - m_dragOrigin.y) < dragThreshold)
        return FALSE;
    return StartDrag(window);
}

void COleDragDropSupport::SetDragOrigin(CWnd*, UINT, int x, int y)
{
    m_dragPending = TRUE;
    m_dragOrigin = CPoint(x, y);
}

BOOL COleDragDropSupport::IsEnabled()
{
    return m_enabled;
}

void COleDragDropSupport::SyncEnabled(CWnd* window)
{
    m_enabled = window->IsWindowEnabled();
}

BOOL COleDragDropSupport::CanCopy()
{
    return HasSelection();
}

BOOL COleDragDropSupport::Copy()
{
    COleDataSource* source = new COleDataSource;
    if (!FillDataSource(source))
    {
        source->InternalRelease();
        return FALSE;
    }
    return SetClipboardFromDataSource(source);
}

BOOL COleDragDropSupport::CanCut()
{
    return IsEnabled() && HasSelection();
}

BOOL COleDragDropSupport::Cut()
{
    return Copy() && Clear();
}

BOOL COleDragDropSupport::CanClear()
{
    return CanCut();
}

BOOL COleDragDropSupport::Clear()
{
    return PasteData(NULL);
}

BOOL COleDragDropSupport::CanPaste()
{
    COleDataObject data;
    return IsEnabled() && data.AttachClipboard() && CanPasteData(&data);
}

BOOL COleDragDropSupport::Paste()
{
    COleDataObject data;
    if (!data.AttachClipboard())
        return FALSE;
    return PasteData(&data);
}

BOOL COleDragDropSupport::HasSelection()
{
    return FALSE;
}

BOOL COleDragDropSupport::FillDataSource(COleDataSource*)
{
    return FALSE;
}

BOOL COleDragDropSupport::CanReadData(COleDataObject*)
{
    return FALSE;
}

BOOL COleDragDropSupport::ReadData(COleDataObject*)
{
    return FALSE;
}

BOOL COleDragDropSupport::CanAcceptDrop(COleDataObject* data, DWORD, CPoint)
{
    return CanReadData(data);
}

DROPEFFECT COleDragDropSupport::DropData(COleDataObject* data, DROPEFFECT effect, DROPEFFECT, CPoint)
{
    return ReadData(data) ? effect : DROPEFFECT_NONE;
}

BOOL COleDragDropSupport::CanPasteData(COleDataObject* data)
{
    return CanReadData(data);
}

BOOL COleDragDropSupport::PasteData(COleDataObject* data)
{
    return ReadData(data);
}

DROPEFFECT COleDragDropSupport::GetDragEffects()
{
    return IsEnabled() ? DROPEFFECT_COPY | DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

void COleDragDropSupport::OnDragDone(DROPEFFECT effect)
{
    // Moved data leaves the source.
    if ((effect & DROPEFFECT_MOVE) != 0)
        PasteData(NULL);
}

BOOL COleDragDropSupport::StartDrag(CWnd* window)
{
    m_dragPending = FALSE;
    DROPEFFECT effects = GetDragEffects();
    if (effects == DROPEFFECT_NONE)
        return FALSE;
    // The control is no target of its own drag.
    BOOL wasEnabled = m_enabled;
    m_enabled = FALSE;
    COleDataSource* source = new COleDataSource;
    if (FillDataSource(source))
    {
        CRect start;
        window->GetClientRect(&start);
        window->ClientToScreen(&start);
        OnDragDone(source->DoDragDrop(effects, &start));
    }
    source->InternalRelease();
    m_enabled = wasEnabled;
    return TRUE;
}

void COleDragDropSupport::ShowDropFeedback(CWnd*, COleDataObject*, DWORD, CPoint, DROPEFFECT)
{
}

void COleDragDropSupport::HideDropFeedback(CWnd*, BOOL)
{
}

DROPEFFECT COleDragDropSupport::GetDropEffect(CWnd*, COleDataObject*, DWORD keyState, CPoint)
{
    return (keyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void COleDragDropSupport::ClearFeedback(CWnd* window, BOOL dropped)
{
    if (m_feedbackEffect != DROPEFFECT_NONE)
        HideDropFeedback(window, dropped);
    m_feedbackEffect = DROPEFFECT_NONE;
}

DROPEFFECT COleDragDropSupport::OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point)
{
    if (!IsEnabled())
        return DROPEFFECT_NONE;
    ClearFeedback(window, FALSE);
    m_acceptable = CanAcceptDrop(data, keyState, point);
    if (!m_acceptable)
        return DROPEFFECT_NONE;
    // A fresh drag shows its feedback at once, wherever the last one ended.
    m_feedbackPoint = CPoint(-1, -1);
    return OnDragOver(window, data, keyState, point);
}

void COleDragDropSupport::OnDragLeave(CWnd* window)
{
    ClearFeedback(window, FALSE);
}

DROPEFFECT COleDragDropSupport::OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point)
{
    if (!IsEnabled() || !m_acceptable)
        return DROPEFFECT_NONE;
    DROPEFFECT effect = (keyState & (MK_CONTROL | MK_SHIFT)) == (MK_CONTROL | MK_SHIFT)
                            ? DROPEFFECT_NONE
                            : GetDropEffect(window, data, keyState, point);
    if (point == m_feedbackPoint)
        return effect;
    ClearFeedback(window, FALSE);
    m_feedbackEffect = effect;
    if (effect != DROPEFFECT_NONE)
    {
        m_feedbackPoint = point;
        ShowDropFeedback(window, data, keyState, point, effect);
    }
    return effect;
}

DROPEFFECT COleDragDropSupport::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDragDropSupport::OnDropEx(CWnd* window, COleDataObject* data, DROPEFFECT dropDefault,
                                         DROPEFFECT dropList, CPoint point)
{
    ClearFeedback(window, TRUE);
    return DropData(data, dropDefault, dropList, point);
}

BOOL ReadDataObjectText(COleDataObject* data, CLIPFORMAT format, CString& text)
{
    text.Empty();
    HGLOBAL block = data != NULL ? data->GetGlobalData(format) : NULL;
    if (block == NULL)
        return FALSE;
    SIZE_T size = ::GlobalSize(block);
    const char* bytes = (const char*)::GlobalLock(block);
    if (bytes != NULL)
    {
        const void* end = memchr(bytes, 0, size);
        int length = end != NULL ? (int)((const char*)end - bytes) : (int)size;
        memcpy(text.GetBufferSetLength(length), bytes, length);
        text.ReleaseBuffer(length);
        ::GlobalUnlock(block);
    }
    ::GlobalFree(block);
    return bytes != NULL;
}
