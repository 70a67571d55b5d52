// Identifiers of the product home page and the Expansions page.
#pragma once

// The home page's thumbnails; each shows the picture resource of its
// identifier minus 878.
#define IDC_HOME_THUMBNAIL_FIRST 1013
#define IDC_HOME_THUMBNAIL_LAST 1037

// Decorative images of both pages.
#define IDP_SECTION_BAR 162
#define IDP_BASE_BADGE 163
#define IDP_EXPANSION_BADGE 164

#define IDP_HOME_PICTURE_FIRST 135
#define IDP_EXPANSION_PICTURE_FIRST 175

#ifndef RC_INVOKED
namespace zelva::module {
constexpr int kHomePictureOffset = IDC_HOME_THUMBNAIL_FIRST - IDP_HOME_PICTURE_FIRST;
constexpr int kExpansionThumbnails = 9;
// Top of the thumbnail grid, in dialog units.
constexpr int kThumbnailTop = 392;
}  // namespace zelva::module
#endif
