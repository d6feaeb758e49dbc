#include "genetics/SelectionElementCreator.h"

#include <utility>

static SelectionElementCreator RegisteredCreator = NULL;

SelectionElementCreator SetSelectionElementCreator(SelectionElementCreator creator)
{
    return std::exchange(RegisteredCreator, creator);
}

SelectionElementCreator GetSelectionElementCreator()
{
    return RegisteredCreator;
}
