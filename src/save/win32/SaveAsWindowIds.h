#pragma once
// Resource ids of the save dialog, shared by its dialog template and its view.
#define IDD_SAVEAS 4000
#define IDC_SAVEAS_CAPTION 4001
#define IDC_SAVEAS_FORMAT_FRAME 4002
#define IDC_SAVEAS_FORMAT 4003
#define IDC_SAVEAS_FILENAME 4004
#define IDC_SAVEAS_BROWSE 4005
#define IDC_SAVEAS_THUMBNAIL 4006
#define IDC_SAVEAS_SLIDER 4007
#define IDC_SAVEAS_THUMBSIZE 4008
#define IDC_SAVEAS_OK 4009
#define IDC_SAVEAS_CANCEL 4010
