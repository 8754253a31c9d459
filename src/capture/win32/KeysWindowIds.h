#pragma once
// Resource ids of the keys dialog, shared by its dialog template and its view. The rows' check
// boxes and key fields are numbered in the key table's order.
#define IDD_KEYS 3100
#define IDC_KEYS_CAPTION 3101
#define IDC_KEYS_INTRO 3102
#define IDC_KEYS_ROW1 3110
#define IDC_KEYS_ROW2 3111
#define IDC_KEYS_ROW3 3112
#define IDC_KEYS_ROW4 3113
#define IDC_KEYS_ROW5 3114
#define IDC_KEYS_ROW6 3115
#define IDC_KEYS_ROW7 3116
#define IDC_KEYS_FIELD1 3120
#define IDC_KEYS_FIELD2 3121
#define IDC_KEYS_FIELD3 3122
#define IDC_KEYS_FIELD4 3123
#define IDC_KEYS_FIELD5 3124
#define IDC_KEYS_FIELD6 3125
#define IDC_KEYS_FIELD7 3126
#define IDC_KEYS_DEFAULTS 3130
#define IDC_KEYS_OK 3131
#define IDC_KEYS_CANCEL 3132
