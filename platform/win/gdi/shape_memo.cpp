#include "platform/win/gdi/shape_memo.h"

namespace win {
namespace {

// Enough for the glow of a button several thousand pixels tall.
constexpr std::size_t kMaxRows = std::size_t(1) << 20;

}  // namespace

const RoundBox& ShapeMemo::ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  const std::array<std::int64_t, 4> key{left, top, right, bottom};
  auto found = m_boxes.find(key);
  if (found == m_boxes.end()) {
    found = m_boxes.emplace(key, RoundBox::ellipse(left, top, right, bottom)).first;
    m_rows += found->second.corner_insets.size() + 1;
  }
  return found->second;
}

void ShapeMemo::trim() {
  if (m_rows <= kMaxRows) return;
  m_boxes.clear();
  m_rows = 0;
}

ShapeMemo& shape_memo(const DeviceContext& dc) {
  if (!dc.shapes) dc.shapes = std::make_shared<ShapeMemo>();
  return *dc.shapes;
}

}  // namespace win
