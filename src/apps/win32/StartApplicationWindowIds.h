#pragma once
// Resource ids of the dialog that asks whether an office program is started.
#define IDD_STARTAPP 6000
#define IDC_STARTAPP_CAPTION 6001
#define IDC_STARTAPP_QUESTION 6002
#define IDC_STARTAPP_OK 6003
#define IDC_STARTAPP_CANCEL 6004
