// The liveries the maker offers, one table per variant, kept for the module's
// life so that a second visit of the page keeps thumbnails and states. The
// catalogue load appends and refreshes; the processing thread, the download
// callbacks and the page read and change states under TablesLock().
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <mutex>

#include "GdiplusInclude.h"
#include "LiveryCatalogue.h"
#include "ZelvaContract.h"

namespace zelva::module {

struct LiveryCatalogEntry {
  livery::CatalogueRecord record;
  int variant = 0;
  // Owns its pixels; replaced only under TablesLock(), so a page that draws
  // under the lock never sees one freed.
  std::unique_ptr<Gdiplus::Bitmap> thumbnail;
  bool installed = false;
  bool updateAvailable = false;
  bool downloading = false;
  // Handed to the host's package processor, not yet in aircraft.cfg.
  bool installPending = false;
  DownloadObjectView* download = nullptr;  // the host's object while a download runs
  int listItem = -1;
};

// Entries never move once appended: the download callbacks keep their address.
using LiveryTable = std::deque<LiveryCatalogEntry>;

struct LiveryTables {
  std::array<LiveryTable, kMaxVariants> variants;
  // Apart from the counts: a table may well hold its 255 entries.
  bool loaded = false;
};

LiveryTables& Tables();
std::mutex& TablesLock();

// Swaps the picture in under the lock; the old one is freed after it.
void ReplaceThumbnail(LiveryCatalogEntry& entry, std::unique_ptr<Gdiplus::Bitmap> picture);

// Frees every thumbnail and forgets the tables; before GDI+ stops.
void ReleaseLiveryTables();

// The variants the catalogue covers: installed ones, and only while the
// first variant is installed too.
bool IsCatalogueVariant(int variant);

}  // namespace zelva::module
