// The spans of one region band. Nearly every band of a real region (a
// rounded window shape, a clip rectangle, a glyph's row) holds one to three
// spans, so those are kept inside the band itself: building or freeing such a
// band costs no allocation. Longer lists go to the heap, all of them at once.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace win {

struct RegionSpan {  // columns left .. right-1
  std::int32_t left = 0;
  std::int32_t right = 0;
  friend bool operator==(const RegionSpan&, const RegionSpan&) = default;
};

class RegionSpanList {
 public:
  static constexpr std::size_t kInline = 3;

  RegionSpanList() = default;
  RegionSpanList(std::initializer_list<RegionSpan> spans) {
    assign(std::span<const RegionSpan>(spans.begin(), spans.size()));
  }
  explicit RegionSpanList(std::span<const RegionSpan> spans) { assign(spans); }
  RegionSpanList(const RegionSpanList&) = default;
  RegionSpanList& operator=(const RegionSpanList&) = default;
  // A moved-from list is empty, never a size without its heap spans.
  RegionSpanList(RegionSpanList&& other) noexcept
      : m_inline(other.m_inline), m_heap(std::move(other.m_heap)), m_size(other.m_size) {
    other.m_heap.clear();
    other.m_size = 0;
  }
  RegionSpanList& operator=(RegionSpanList&& other) noexcept {
    m_inline = other.m_inline;
    m_heap = std::move(other.m_heap);
    m_size = other.m_size;
    other.m_heap.clear();
    other.m_size = 0;
    return *this;
  }

  void assign(std::span<const RegionSpan> spans) {
    m_size = spans.size();
    if (m_size <= kInline) {
      m_heap.clear();
      std::copy(spans.begin(), spans.end(), m_inline.begin());
    } else {
      m_heap.assign(spans.begin(), spans.end());
    }
  }

  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  const RegionSpan* data() const { return m_size <= kInline ? m_inline.data() : m_heap.data(); }
  RegionSpan* data() { return m_size <= kInline ? m_inline.data() : m_heap.data(); }
  const RegionSpan* begin() const { return data(); }
  const RegionSpan* end() const { return data() + m_size; }
  RegionSpan* begin() { return data(); }
  RegionSpan* end() { return data() + m_size; }
  const RegionSpan& operator[](std::size_t i) const { return data()[i]; }
  const RegionSpan& front() const { return data()[0]; }
  const RegionSpan& back() const { return data()[m_size - 1]; }
  operator std::span<const RegionSpan>() const { return {data(), m_size}; }

  friend bool operator==(const RegionSpanList& a, const RegionSpanList& b) {
    return std::ranges::equal(a, b);
  }
  friend bool operator==(const RegionSpanList& a, std::span<const RegionSpan> b) {
    return std::ranges::equal(a, b);
  }

 private:
  std::array<RegionSpan, kInline> m_inline{};
  std::vector<RegionSpan> m_heap;  // the spans when there are more than kInline, else empty
  std::size_t m_size = 0;
};

}  // namespace win
