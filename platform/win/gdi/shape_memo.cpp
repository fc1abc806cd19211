#include "platform/win/gdi/shape_memo.h"

#include <mutex>
#include <utility>

namespace win {
namespace {

// Enough for the glow of a button a few thousand pixels tall.
constexpr std::size_t kMaxRows = std::size_t(1) << 20;

// The memos handed back by deleted DCs, the latest last.
class MemoPool {
 public:
  std::shared_ptr<ShapeMemo> take() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_memos.empty()) return nullptr;
    std::shared_ptr<ShapeMemo> memo = std::move(m_memos.back());
    m_memos.pop_back();
    return memo;
  }
  void give(std::shared_ptr<ShapeMemo> memo) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_memos.size() < kPooledMemos) m_memos.push_back(std::move(memo));
  }
  std::size_t size() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_memos.size();
  }

 private:
  std::mutex m_mutex;
  std::vector<std::shared_ptr<ShapeMemo>> m_memos;
};

MemoPool& pool() {
  static MemoPool instance;
  return instance;
}

}  // namespace

EllipseFill::EllipseFill(const RoundBox& box)
    : m_box(box), m_rows{box.left, box.top, box.right, box.bottom} {
  if (m_rows.right - m_rows.left <= 2 || m_rows.bottom - m_rows.top <= 2) {
    --m_rows.right;
    --m_rows.bottom;
  } else if (m_box.corners_by_rule) {
    m_rows.by_rule = &m_box;
  } else if (m_box.corner_insets) {
    m_rows.insets = m_box.corner_insets->data();
    m_rows.corner_rows = std::int64_t(m_box.corner_insets->size());
  }
}

const EllipseFill& ShapeMemo::ellipse(std::int64_t left, std::int64_t top, std::int64_t right,
                                      std::int64_t bottom) {
  const Box key{left, top, right, bottom};
  auto found = m_shapes.find(key);
  if (found == m_shapes.end()) {
    found = m_shapes.try_emplace(key, RoundBox::ellipse(left, top, right, bottom)).first;
    m_rows += found->second.size();
  }
  return found->second;
}

void ShapeMemo::trim() {
  if (m_rows <= kMaxRows) return;
  boxes.clear();
  shapes.clear();
  rows.clear();
  m_shapes.clear();
  m_rows = 0;
}

ShapeMemo& shape_memo(const DeviceContext& dc) {
  if (!dc.shapes) dc.shapes = pool().take();
  if (!dc.shapes) dc.shapes = std::make_shared<ShapeMemo>();
  return *dc.shapes;
}

void give_back_shape_memo(std::shared_ptr<ShapeMemo> memo) {
  // Another owner may still draw with it; a full one would hold too much.
  if (!memo || memo.use_count() != 1) return;
  if (memo->shape_count() > kMaxPooledShapes || memo->row_count() > kMaxPooledRows) return;
  pool().give(std::move(memo));
}

std::size_t pooled_shape_memos() { return pool().size(); }

}  // namespace win
