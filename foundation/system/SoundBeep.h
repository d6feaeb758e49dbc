// The platform's simple beep, for input the program refuses.
#pragma once

void SoundBeep();
