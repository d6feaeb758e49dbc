// Data exchange functions: each moves one value between a member variable
// and a dialog control, in the direction the exchange record says.
#pragma once

#include "afx/dialogs/DataExchange.h"

class CWnd;

// Binds a control object to the dialog's control the first time (it becomes a
// permanent object); later calls do nothing.
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// The control's text. Loading sets it only when it differs, so that an
// unchanged text raises no change notification.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A whole number; saving reports text that is not one and fails.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);

// A check box: 0 clear, 1 checked, 2 indeterminate.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);

// A group of radio buttons from nIDC (which starts the group) up to the next
// control that starts a group: the index of the checked button among the
// radio buttons, -1 when none is checked.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// The text of a combo box (its edit or selected item) and of a list box's
// selected item; loading selects the first item starting with the value.
void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);

// When saving, a value outside [minVal, maxVal] is reported and fails.
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
