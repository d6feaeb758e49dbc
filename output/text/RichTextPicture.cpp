#include "output/text/RichTextPicture.h"

#include "foundation/text/Tokenizer.h"
#include "foundation/values/Decimal.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/PictureSizeFitting.h"
#include "output/pictures/Picture.h"

CMyCmdTarget* CRichTextPicture::Clone() const
{
    CRichTextPicture* copy = new CRichTextPicture;
    copy->m_width = m_width;
    copy->m_height = m_height;
    copy->m_name = m_name;
    copy->m_picture = m_picture;
    copy->m_position = m_position;
    return copy;
}

int CRichTextPicture::Setup(LPCTSTR argument, int xResolution, int yResolution)
{
    CStringArray parts;
    TokenizeText(argument, parts, '|', TOKENIZE_KEEP_EMPTY | TOKENIZE_TRIM, -1, '(', ')');
    if (parts.GetSize() < 1 || parts.GetSize() > 4)
        return 0;
    m_name = parts[0];
    PictureLoadOptions options = MakePictureLoadOptions(300, 300);
    options.values[0] = 1;
    options.values[1] = options.values[2] = 0;
    m_picture.Load(m_name, options);
    m_width = m_height = -1;
    CDecimal length(8);
    if (parts.GetSize() > 1 && !parts[1].IsEmpty() && length.ParseMeasurement(parts[1]))
        m_width = (int)(length.GetValue() * xResolution + 0.5);
    if (parts.GetSize() > 2 && !parts[2].IsEmpty() && length.ParseMeasurement(parts[2]))
        m_height = (int)(length.GetValue() * yResolution + 0.5);
    CompassPosition position = 0;
    if (parts.GetSize() > 3 && ParseCompassPosition(parts[3], &position))
        m_position = position;
    return 1;
}

BOOL CRichTextPicture::GetProportions(double* width, double* height) const
{
    CPicture* picture = m_picture.GetPicture();
    if (picture == NULL)
        return FALSE;
    *width = picture->GetWidthInInches();
    *height = picture->GetHeightInInches();
    return *width > 0 && *height > 0;
}

int CRichTextPicture::RealizePalette(CDC* dc, BOOL background)
{
    CPicture* picture = m_picture.GetPicture();
    return picture != NULL ? picture->RealizePalette(dc, !background) : -1;
}

void CRichTextPicture::Draw(CDC* dc, const RECT& rect, int options)
{
    CPicture* picture = m_picture.GetPicture();
    double width = 0, height = 0;
    if (picture != NULL && GetProportions(&width, &height))
    {
        CSize size = FitSizeToAspectOnDevice(dc, rect.right - rect.left, rect.bottom - rect.top, width, height);
        POINT origin = {0, 0};
        POINT offset = {0, 0};
        picture->DrawInRect(dc, rect, rect, origin, size, m_position, 0, TRUE, offset);
        return;
    }
    CString text;
    text.Format("** error: unable to display %s", (LPCTSTR)m_name);
    // The colours and modes come back with the saved state.
    CSavedDCState saved(dc->m_hDC);
    CSelectedObject font(dc->m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetTextColor(dc->m_hDC, RGB(0, 0, 0));
    ::SetBkColor(dc->m_hDC, RGB(255, 0, 0));
    ::SetBkMode(dc->m_hDC, OPAQUE);
    ::SetTextAlign(dc->m_hDC, TA_LEFT | TA_TOP);
    ::ExtTextOutA(dc->m_hDC, rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, text, text.GetLength(), NULL);
}
