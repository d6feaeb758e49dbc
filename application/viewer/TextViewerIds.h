#pragma once
// Templates and controls of the text viewer.
#define IDD_TEXT_VIEWER               641
#define IDD_TEXT_VIEWER_QUESTION      642
#define IDD_TEXT_VIEWER_WIDE          654
#define IDD_TEXT_VIEWER_QUESTION_WIDE 655

#define IDC_VIEWER_COPY    40187
#define IDC_VIEWER_HEADING 40188
#define IDC_VIEWER_TEXT    40189
#define IDC_VIEWER_NO      40190
#define IDC_VIEWER_PRINT   40191
#define IDC_VIEWER_YES     40192
