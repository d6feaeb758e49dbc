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

// The platform answers a null pen or brush with its stock one, which it only
// lends: the owner keeps only what was really made, so the exit never deletes
// a stock object.
template <typename Handle>
void KeepMade(COwnedGdiObject<Handle>& owner, Handle made, int stockIndex)
{
    owner.Reset(made != (Handle)::GetStockObject(stockIndex) ? made : NULL);
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
    KeepMade(BlackPen, ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)), BLACK_PEN);
    KeepMade(NullPen, ::CreatePen(PS_NULL, 0, RGB(0, 0, 0)), NULL_PEN);
    const LOGBRUSH hollow = {BS_NULL, 0, 0};
    KeepMade(NullBrush, ::CreateBrushIndirect(&hollow), NULL_BRUSH);
}

void DeleteSharedPensAndBrushes()
{
    BlackPen.Reset();
    NullPen.Reset();
    NullBrush.Reset();
}
