// Identifiers of the Sound Settings page.
#pragma once

#define IDD_SOUND_PAGE 180

// One of each per sound set: base + the set's index (0 to 2).
#define IDC_SOUND_COLLAPSE 1810
#define IDC_SOUND_FIRST 1820
#define IDC_SOUND_SECOND 1830
#define IDC_SOUND_DOWNLOAD 1840
