// Resource and control identifiers of the Livery Downloader page.
#pragma once

#define IDD_LIVERY_DOWNLOADER 5601

#define IDC_DOWNLOADER_TITLE 5602
#define IDC_DOWNLOADER_STATUS 5603
#define IDC_DOWNLOADER_LIST 5604
#define IDC_DOWNLOADER_LEGEND 5605
