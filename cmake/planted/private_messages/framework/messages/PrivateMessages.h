// Two messages that share a number, which the private message check must catch.
const UINT WM_FIRST_NOTICE = WM_USER + 28;
#define WM_SECOND_NOTICE 0x041C
const UINT WM_THIRD_NOTICE = WM_APP + 28;
