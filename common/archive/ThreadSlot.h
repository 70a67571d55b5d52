// The decoder's callbacks carry no context: they find the extractor that runs
// them through one thread-local slot, so one extractor per thread may have an
// open decoder.
#pragma once

namespace Cabinet {

class CExtract;

CExtract* BoundExtractor();
// False when the slot cannot be written.
bool BindExtractor(CExtract* extractor);
// Empties the slot if it holds extractor.
void UnbindExtractor(CExtract* extractor);

}  // namespace Cabinet
