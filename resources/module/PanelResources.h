// Dialog and control identifiers of the panel display settings page.
#pragma once

#define IDD_PANEL_PAGE 147

#define IDC_PANEL_TITLE 1501
#define IDC_PANEL_CURRENT 1502
// The four ratios, in their order.
#define IDC_PANEL_RATIO_FIRST 1503
#define IDC_PANEL_RATIO_LAST 1506
#define IDC_PANEL_WIDTH 1507
#define IDC_PANEL_HEIGHT 1508
#define IDC_PANEL_SCREEN_RATIO 1509
#define IDC_PANEL_NOTE 1510
#define IDC_PANEL_SCREEN_TITLE 1511
