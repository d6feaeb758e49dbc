#include "framework/app/SharedPensAndBrushes.h"

#include "foundation/windows/OwnedHandle.h"

namespace
{
COwnedGdiObject<HPEN> BlackPen, NullPen;
COwnedGdiObject<HBRUSH> NullBrush;

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

// The platform lends these two for the life of the process: nothing to make
// or free.
HBRUSH SharedBlackBrush()
{
    return (HBRUSH)::GetStockObject(BLACK_BRUSH);
}

HBRUSH SharedWhiteBrush()
{
    return (HBRUSH)::GetStockObject(WHITE_BRUSH);
}

void CreateSharedPensAndBrushes()
{
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
}
