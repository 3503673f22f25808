#include "transfer_buffer.h"

namespace rawview {

std::vector<uint8_t> TransferBuffer;
int32_t TransferSize = 0;

void EmptyTransferBuffer() {
  std::vector<uint8_t>().swap(TransferBuffer);
  TransferSize = 0;
}

}  // namespace rawview
