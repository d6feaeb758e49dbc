#pragma once
// The application-level commands and their prompts in the string table.

#define ID_APP_CONFIGURE_PROMPTS 33116
#define ID_APP_CONFIGURE_PREFERENCES 33120
#define ID_APP_SEND_MAIL 33185
#define ID_APP_VISIT_WEB_SITE 33188

#ifndef ID_FILE_NEW
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#endif
#ifndef ID_FILE_MRU_FILE1
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE16 0xE11F
#endif
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#endif
