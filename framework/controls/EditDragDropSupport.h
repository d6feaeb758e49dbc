#pragma once
// The edit control's side of drag and drop and of the clipboard commands:
// its selection (or, without one, its whole text) as CF_TEXT, read text put
// in place of the selection, a drop inserted at the drop point. A read-only
// or disabled field takes nothing; a password field is never dragged from.
#include "framework/dragdrop/OleDragDropSupport.h"

class CMyEdit;

class CEditDragDropSupport : public COleDragDropSupport
{
public:
    explicit CEditDragDropSupport(CMyEdit& edit) : m_edit(edit) {}

    void SyncEnabled(CWnd* window) override;
    BOOL HasSelection() override;
    BOOL FillDataSource(COleDataSource* source) override;
    BOOL CanReadData(COleDataObject* data) override;
    BOOL ReadData(COleDataObject* data) override;
    DROPEFFECT DropData(COleDataObject* data, DROPEFFECT effect, DROPEFFECT effects, CPoint point) override;
    DROPEFFECT GetDragEffects() override;

private:
    CMyEdit& m_edit;
};
