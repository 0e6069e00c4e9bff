#include "image/MemoryImage.h"
#include <stdexcept>
#include <string>

int TImage::Check(int off, int len) {
  if (off < 0 || len < 0 || off + len > Layout::ImageSize)
    throw std::out_of_range("image access " + std::to_string(off) + "+" + std::to_string(len));
  return off;
}
