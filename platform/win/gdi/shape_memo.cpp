#include "platform/win/gdi/shape_memo.h"

namespace win {
namespace {

// Enough for the glow of a button a few thousand pixels tall.
constexpr std::size_t kMaxRows = std::size_t(1) << 20;

}  // namespace

EllipseFill::EllipseFill(const RoundBox& box)
    : m_box(box), m_left(box.left), m_top(box.top), m_right(box.right), m_bottom(box.bottom) {
  if (m_right - m_left <= 2 || m_bottom - m_top <= 2) {
    --m_right;
    --m_bottom;
  } else if (m_box.corners_by_rule) {
    m_by_rule = true;
  } else if (m_box.corner_insets) {
    m_insets = m_box.corner_insets->data();
    m_corner_rows = std::int64_t(m_box.corner_insets->size());
  }
}

const EllipseFill& ShapeMemo::ellipse(std::int64_t left, std::int64_t top, std::int64_t right,
                                      std::int64_t bottom) {
  const Box key{left, top, right, bottom};
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
