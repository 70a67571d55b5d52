#include "ThreadSlot.h"

#include <windows.h>

namespace Cabinet {
namespace {
// Allocated once when the program starts.
const DWORD g_slot = TlsAlloc();
}  // namespace

CExtract* BoundExtractor() {
  if (g_slot == TLS_OUT_OF_INDEXES) return nullptr;
  return static_cast<CExtract*>(TlsGetValue(g_slot));
}

bool BindExtractor(CExtract* extractor) { return g_slot != TLS_OUT_OF_INDEXES && TlsSetValue(g_slot, extractor); }

void UnbindExtractor(CExtract* extractor) {
  if (BoundExtractor() == extractor) BindExtractor(nullptr);
}

}  // namespace Cabinet
