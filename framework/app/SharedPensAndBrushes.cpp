#include "framework/app/SharedPensAndBrushes.h"

#include "foundation/windows/OwnedHandle.h"

namespace
{
COwnedGdiObject<HPEN> BlackPen, NullPen;
COwnedGdiObject<HBRUSH> NullBrush;
HBRUSH BlackBrush = NULL, WhiteBrush = NULL;

template <typename Handle>
Handle MadeOrStock(Handle made, int stockIndex)
{
    return made != NULL ? made : (Handle)::GetStockObject(stockIndex);
}
}  // namespace

HPEN SharedBlackPen()
{
    return MadeOrStock(BlackPen.Get(), BLACK_PEN);
}

HPEN SharedNullPen()
{
    return MadeOrStock(NullPen.Get(), NULL_PEN);
}

HBRUSH SharedNullBrush()
{
    return MadeOrStock(NullBrush.Get(), NULL_BRUSH);
}

HBRUSH SharedBlackBrush()
{
    return MadeOrStock(BlackBrush, BLACK_BRUSH);
}

HBRUSH SharedWhiteBrush()
{
    return MadeOrStock(WhiteBrush, WHITE_BRUSH);
}

void CreateSharedPensAndBrushes()
{
    BlackBrush = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    WhiteBrush = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    BlackPen.Reset(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    NullPen.Reset(::CreatePen(PS_NULL, 0, RGB(0, 0, 0)));
    const LOGBRUSH hollow = {BS_NULL, 0, 0};
    NullBrush.Reset(::CreateBrushIndirect(&hollow));
}

void DeleteSharedPensAndBrushes()
{
    BlackPen.Reset();
    NullPen.Reset();
    NullBrush.Reset();
    // The stock brushes are lent by the platform: let go, never delete.
    BlackBrush = WhiteBrush = NULL;
}
