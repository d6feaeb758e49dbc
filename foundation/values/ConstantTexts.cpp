#include "foundation/values/ConstantTexts.h"

const CString TransparentText("Transparent");
const CString PrintCommandText("&Print");
const CString OkText("OK");
const CString InsertText("Insert");

CString ExpansionScratchText;
const CString SharedEmptyText;
