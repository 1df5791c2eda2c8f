#pragma once
// Little-endian byte writer and reader for the codeplug and book files.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "codeplug/record_fields.h"

namespace px {

class ByteWriter {
 public:
  // rSize: the record's size when known, so the bytes are not moved as they grow.
  explicit ByteWriter(std::size_t rSize = 0) { mBytes.reserve(rSize); }
  void Put(Byte rValue) { mBytes.push_back(rValue); }
  void Put(Int16 rValue) {
    const auto u = static_cast<std::uint16_t>(rValue);
    mBytes.push_back(static_cast<Byte>(u & 0xFF));
    mBytes.push_back(static_cast<Byte>(u >> 8));
  }
  void Put(double rValue) {
    const auto u = std::bit_cast<std::uint64_t>(rValue);
    for (int i = 0; i < 8; ++i) mBytes.push_back(static_cast<Byte>(u >> (8 * i)));
  }
  template <std::size_t N>
  void Put(const FixedText<N>& rText) {
    mBytes.insert(mBytes.end(), rText.Bytes.begin(), rText.Bytes.end());
  }
  // Records and arrays, member by member in file order.
  template <class T>
  void Put(const T& rValue) {
    if constexpr (IsStdArray<T>::value) {
      for (const auto& e : rValue) Put(e);
    } else {
      VisitFields([this](const char*, const auto& f) { this->Put(f); }, rValue);
    }
  }

  const std::vector<Byte>& Bytes() const { return mBytes; }
  std::vector<Byte> Take() { return std::move(mBytes); }

 private:
  std::vector<Byte> mBytes;
};

// Reads from a buffer that the caller has already checked is long enough for the
// record; reading past the end is a programming error and yields zeros.
class ByteReader {
 public:
  explicit ByteReader(std::span<const Byte> rBytes) : mBytes(rBytes) {}

  void Get(Byte& r) { r = Next(); }
  void Get(Int16& r) {
    const std::uint16_t lo = Next();
    const std::uint16_t hi = Next();
    r = static_cast<Int16>(lo | (hi << 8));
  }
  void Get(double& r) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(Next()) << (8 * i);
    r = std::bit_cast<double>(u);
  }
  template <std::size_t N>
  void Get(FixedText<N>& r) {
    // Texts are most of a codeplug's bytes: copied whole, zeros past the buffer's end.
    const std::size_t have = mPos < mBytes.size() ? std::min(N, mBytes.size() - mPos) : 0;
    if (have > 0) std::memcpy(r.Bytes.data(), mBytes.data() + mPos, have);
    std::fill(r.Bytes.begin() + static_cast<std::ptrdiff_t>(have), r.Bytes.end(), '\0');
    mPos += N;
  }
  template <class T>
  void Get(T& rValue) {
    if constexpr (IsStdArray<T>::value) {
      for (auto& e : rValue) Get(e);
    } else {
      VisitFields([this](const char*, auto& f) { this->Get(f); }, rValue);
    }
  }

  std::size_t Position() const { return mPos; }

 private:
  Byte Next() { return mPos < mBytes.size() ? mBytes[mPos++] : (++mPos, Byte{0}); }
  std::span<const Byte> mBytes;
  std::size_t mPos = 0;
};

}  // namespace px
