// The process-wide transfer buffer through which raw-view windows copy a
// range of characters and paste it elsewhere. The system clipboard is not
// used.
#pragma once

#include <cstdint>
#include <vector>

namespace rawview {

extern std::vector<uint8_t> TransferBuffer;
extern int32_t TransferSize;

// Size 0, storage released. Done when the main window is created or closed,
// whenever a raw-view window is created, and at the start of each copy.
void EmptyTransferBuffer();

}  // namespace rawview
