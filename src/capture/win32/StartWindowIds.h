#pragma once
// Resource ids of the start window, shared by its dialog template and its view.
#define IDD_START 200
#define IDC_START_OK 201
#define IDC_START_CHECK1 202
#define IDC_START_PICICON 203
#define IDC_START_IMAGE2 204
#define IDC_START_LABEL2 205
#define IDC_START_LABEL1 206
#define IDC_START_IMAGE1 207
#define IDB_START_BANNER 210
#define IDB_START_PICTURE 211
