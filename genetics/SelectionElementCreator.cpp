#include "genetics/SelectionElementCreator.h"

static SelectionElementCreator RegisteredCreator = NULL;

SelectionElementCreator SetSelectionElementCreator(SelectionElementCreator creator)
{
    SelectionElementCreator previous = RegisteredCreator;
    RegisteredCreator = creator;
    return previous;
}

SelectionElementCreator GetSelectionElementCreator()
{
    return RegisteredCreator;
}
