#pragma once
// Templates and items of the named-object list dialog ("Configure %s").
#define IDD_NAMED_OBJECT_LIST           427 // with the selected entry's description
#define IDD_NAMED_OBJECT_LIST_WIDE      428
#define IDD_NAMED_OBJECT_LIST_PLAIN     429 // without a description
#define IDD_NAMED_OBJECT_LIST_TALL      430
#define IDD_NAMED_OBJECT_LIST_PLAIN_TALL 431
#define IDD_NAMED_OBJECT_LIST_LARGE     432
#define IDC_NAMED_OBJECT_DUPLICATE      39117
#define IDC_NAMED_OBJECT_DELETE         39118
#define IDC_NAMED_OBJECT_DESCRIPTION    39119
#define IDC_NAMED_OBJECT_UPDATE         39120
#define IDC_NAMED_OBJECT_LIST           39121
#define IDC_NAMED_OBJECT_NEW            39122
#define IDC_NAMED_OBJECT_RENAME         39123
#define IDC_NAMED_OBJECT_COUNT          39124
#define IDC_NAMED_OBJECT_NOTE           39933
#define IDC_NAMED_OBJECT_HELP           57670
#define IDC_NAMED_OBJECT_EXISTING_LABEL 39125
#define IDC_NAMED_OBJECT_SELECTED_LABEL 39126
