#pragma once
// Resource ids of the start window, shared by its dialog template and its view.
#define IDD_START 200
#define IDC_START_OK 201
#define IDC_START_SHOW_AT_STARTUP 202
#define IDC_START_PROGRAM_ICON 203
#define IDC_START_BANNER 204
#define IDC_START_OPTIONS_HINT 205
#define IDC_START_TITLE 206
#define IDC_START_PICTURE 207
#define IDB_START_BANNER 210
#define IDB_START_PICTURE 211
