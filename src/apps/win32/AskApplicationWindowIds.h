#pragma once
// Resource ids of the dialog that asks where a screenshot goes.
#define IDD_ASKAPP 2000
#define IDC_ASKAPP_CAPTION 2001
#define IDC_ASKAPP_FRAME 2002
#define IDC_ASKAPP_WORD 2003
#define IDC_ASKAPP_EXCEL 2004
#define IDC_ASKAPP_POWERPOINT 2005
#define IDC_ASKAPP_EDITOR 2006
#define IDC_ASKAPP_OK 2007
#define IDC_ASKAPP_CANCEL 2008
