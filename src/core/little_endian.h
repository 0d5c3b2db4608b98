// The 32-bit integers of the save file and of the network record: four
// bytes, least significant first, whatever the machine's own order.
#pragma once

#include <cstdint>

inline void PutLittleEndian32(uint8_t* at, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  at[0] = static_cast<uint8_t>(u);
  at[1] = static_cast<uint8_t>(u >> 8);
  at[2] = static_cast<uint8_t>(u >> 16);
  at[3] = static_cast<uint8_t>(u >> 24);
}

inline int32_t GetLittleEndian32(const uint8_t* at) {
  const uint32_t u = static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                     static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
  return static_cast<int32_t>(u);
}
