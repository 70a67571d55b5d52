// Resource and control identifiers of the product module.
#pragma once

// Dialogs.
#define IDD_PRODUCT_WINDOW 101
#define IDD_PAGE_HOME 105
#define IDD_PAGE 106
#define IDD_PAGE_PERFORMANCE 107
#define IDD_PAGE_EXPANSIONS 108
#define IDD_TEXTURE_FOLDER 120

// PNG images.
#define IDP_PAGE_HEADER 102
#define IDP_PRODUCT_EMBLEM 108
#define IDP_BUY_BUTTON 161
#define IDP_EXPANSIONS_HEADER 193

// Product window.
#define IDC_PAGE_AREA 1007
#define IDC_HORIZONTAL_BAR 1009
#define IDC_VERTICAL_BAR 1010
#define IDC_HEADER 1011
#define IDC_LINK_BUTTON 1014

// Performance Manager page.
#define IDC_PAGE_CAPTION 1001
#define IDC_BACK_TO_MAIN 1002

// Texture-folder dialog of livery installation.
#define IDC_TEXTURE_FOLDER_NAME 1030
