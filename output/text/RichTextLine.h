#pragma once
// One laid-out line: its box in the layout's device units and its items,
// runs of text and embedded elements, left to right.
#include <memory>
#include <vector>

#include "afx/app/AfxWin.h"
#include "foundation/containers/MyCmdTarget.h"
#include "output/text/RichTextElement.h"
#include "output/text/RichTextRun.h"

struct RichTextItem
{
    std::unique_ptr<CRichTextRun> run; // null for an element
    CRichTextElement* element;         // owned by the layout
    int width() const { return run != nullptr ? run->m_width : element->m_width; }
};

class CRichTextLine : public CMyCmdTarget
{
public:
    CRichTextLine();
    CMyCmdTarget* Clone() const override;

    void AddRun(std::unique_ptr<CRichTextRun> run);
    void AddElement(CRichTextElement* element);
    // Removes the items from index 'count' on (the token taken back).
    void TruncateItems(int count);
    // Hands all items over to the caller; the line is left without items.
    std::vector<RichTextItem> TakeItems()
    {
        std::vector<RichTextItem> items;
        items.swap(m_items);
        return items;
    }
    int GetItemCount() const { return (int)m_items.size(); }
    const RichTextItem& GetItem(int index) const { return m_items[index]; }
    // The run of the last item; null when the line ends in an element or is empty.
    CRichTextRun* GetLastRun() const { return m_items.empty() ? NULL : m_items.back().run.get(); }
    // Width from the line's left edge to the end of its last item.
    int GetExtent() const;
    // The overhangs of the items beyond the line's ends.
    void GetOverhangs(int* left, int* right) const;
    // Ascent, descent and bottom from the items.
    void Finish();

    int m_left;
    int m_top;
    int m_right;
    int m_bottom;
    int m_startX;
    int m_ascent;
    int m_descent;
    BOOL m_finished;

private:
    std::vector<RichTextItem> m_items;
};
