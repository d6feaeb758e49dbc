#pragma once
// Items of an enlarged text editor's template.
#define IDC_ZOOM_EDIT 39904
