// A message defined outside the header and one made on the spot, which the
// private message check must catch; a registered message is no such number.
const UINT WM_ELSEWHERE = WM_APP + 0x135;
void Notify(HWND window)
{
    ::PostMessageA(window, WM_USER + 3, 0, 0);
    ::PostMessageA(window, ::RegisterWindowMessageA("Kestrova"), 0, 0);
}
