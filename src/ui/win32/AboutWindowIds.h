#pragma once
// Resource ids of the about box, shared by its dialog template and its view.
#define IDD_ABOUT 1000
#define IDC_ABOUT_CAPTION 1001
#define IDC_ABOUT_LOGO 1002
#define IDC_ABOUT_MAIL 1003
#define IDC_ABOUT_TITLE 1004
#define IDC_ABOUT_VERSION 1005
#define IDC_ABOUT_COPYRIGHT 1006
#define IDC_ABOUT_DISCLAIMER 1007
#define IDC_ABOUT_LINE1 1008
#define IDC_ABOUT_LINE2 1009
#define IDC_ABOUT_CREDITS 1010
#define IDC_ABOUT_UPDATE 1011
#define IDC_ABOUT_OK 1012
#define IDB_ABOUT_LOGO 1050
#define IDB_ABOUT_MAIL 1051
