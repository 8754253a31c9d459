#pragma once
// The editor's dialog template: a window without controls, which its view lays out in code.
#define IDD_EDITOR 5000
