#pragma once
// Template and command of the dialog that prints a message.
#define IDD_MESSAGE_PRINT   643
#define ID_PRINT_MESSAGE    40199
