#pragma once
// Numbers stored least significant byte first, as the file formats the
// program reads keep them. The caller has checked that the bytes are there.

#include <cstddef>
#include <cstdint>
#include <span>

// The size bytes (at most 4) at offset at.
inline std::uint32_t LittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = value << 8 | bytes[at + i];
  return value;
}

// Appends the size low bytes of value to a string or a byte vector.
template <class Bytes>
void PutLittleEndian(Bytes& out, std::uint32_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    out.push_back(static_cast<typename Bytes::value_type>(value >> (8 * i) & 0xFF));
}
