#include "platform/win/gdi/shape_memo.h"

namespace win {
namespace {

// Enough for the glow of a button a few thousand pixels tall.
constexpr std::size_t kMaxRows = std::size_t(1) << 20;
constexpr std::int64_t kMaxKeptHeight = std::int64_t(1) << 16;

}  // namespace

EllipseFill::EllipseFill(const RoundBox& box) : m_box(box) {
  const std::int64_t height = m_box.bottom - m_box.top;
  if (height <= 0 || height > kMaxKeptHeight) return;
  m_rows.reserve(2 * std::size_t(height));
  for (std::int64_t y = m_box.top; y < m_box.bottom; ++y) {
    std::int64_t x_left = 0, x_right = 0;
    if (!null_pen_ellipse_row(m_box, y, x_left, x_right) || x_left >= x_right) x_left = x_right = 0;
    // Within the box, whose edges came in as 32-bit values.
    m_rows.push_back(std::int32_t(x_left));
    m_rows.push_back(std::int32_t(x_right));
  }
}

const EllipseFill& ShapeMemo::ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  const std::array<std::int64_t, 4> key{left, top, right, bottom};
  auto found = m_shapes.find(key);
  if (found == m_shapes.end()) {
    found = m_shapes.emplace(key, EllipseFill(RoundBox::ellipse(left, top, right, bottom))).first;
    m_rows += found->second.size();
  }
  return found->second;
}

void ShapeMemo::trim() {
  if (m_rows <= kMaxRows) return;
  m_shapes.clear();
  m_rows = 0;
}

ShapeMemo& shape_memo(const DeviceContext& dc) {
  if (!dc.shapes) dc.shapes = std::make_shared<ShapeMemo>();
  return *dc.shapes;
}

}  // namespace win
