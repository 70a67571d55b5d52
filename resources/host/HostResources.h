// Resource and control identifiers of the host program.
#pragma once

#define IDD_MAIN 101
#define IDD_DOCUMENT 117
#define IDD_STATUS 120
#define IDD_CRASH 1018
#define IDD_WORKING 5110
#define IDD_DOCUMENT_FLOATING 5111
#define IDD_LIVERY_CHOOSER 5112
#define IDI_HOST 128
#define IDB_DOCUMENT_TITLE_BAR 118

// Main window.
#define IDC_CONTENT_FRAME 1003
#define IDC_CLOSE 1004
#define IDC_HOME 1005
#define IDC_MANUAL 1006
#define IDC_CONTENT_AREA 1007
#define IDC_PRODUCT_LIST 1008
#define IDC_MENU_TREE 1010
#define IDC_NOTIFICATIONS 1017

// Status window.
#define IDC_STATUS_TEXT 1016

// Working dialog.
#define IDC_WORKING_LINE1 1010
#define IDC_WORKING_LINE2 1011
#define IDC_WORKING_LINE3 1012

// Crash report.
#define IDC_CRASH_REPORT 1019
#define IDC_CRASH_COPY 1020

// Livery chooser of a "Multi Livery" package.
#define IDC_LIVERY_TEXT 1030
#define IDC_LIVERY_LIST 1031
