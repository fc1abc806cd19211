#include "platform/win/kernel/handles.h"

#include <gtest/gtest.h>

namespace win {
namespace {

struct Probe : Object {
  explicit Probe(int* destroyed) : m_destroyed(destroyed) {}
  ~Probe() override { ++*m_destroyed; }
  int* m_destroyed;
};

TEST(HandleTable, RejectsStaleWrongKindAndNullHandles) {
  HandleTable table;
  int destroyed = 0;
  const auto h = table.insert(ObjectKind::Brush, std::make_unique<Probe>(&destroyed));
  EXPECT_NE(h, 0u);
  EXPECT_NE(table.lookup(h, ObjectKind::Brush), nullptr);
  EXPECT_EQ(table.lookup(h, ObjectKind::Pen), nullptr);
  EXPECT_EQ(table.lookup(0, ObjectKind::Brush), nullptr);
  EXPECT_EQ(table.lookup(0xFFFFFFFFu, ObjectKind::Brush), nullptr);
  EXPECT_FALSE(table.remove(h, ObjectKind::Pen));
  EXPECT_TRUE(table.remove(h, ObjectKind::Brush));
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(table.remove(h, ObjectKind::Brush));
  // The slot is reused, but the old handle stays dead.
  const auto h2 = table.insert(ObjectKind::Brush, std::make_unique<Probe>(&destroyed));
  EXPECT_NE(h2, h);
  EXPECT_EQ(table.lookup(h, ObjectKind::Brush), nullptr);
  EXPECT_NE(table.lookup(h2, ObjectKind::Brush), nullptr);
}

TEST(HandleTable, CountsLiveObjectsPerKind) {
  HandleTable table;
  int destroyed = 0;
  std::vector<std::uint32_t> handles;
  for (int i = 0; i < 100; ++i)
    handles.push_back(table.insert(i % 2 ? ObjectKind::Region : ObjectKind::Pen,
                                   std::make_unique<Probe>(&destroyed)));
  EXPECT_EQ(table.live(ObjectKind::Region), 50u);
  EXPECT_EQ(table.live(ObjectKind::Pen), 50u);
  for (int i = 0; i < 100; ++i)
    table.remove(handles[i], i % 2 ? ObjectKind::Region : ObjectKind::Pen);
  EXPECT_EQ(table.live(ObjectKind::Region), 0u);
  EXPECT_EQ(table.live(ObjectKind::Pen), 0u);
  EXPECT_EQ(destroyed, 100);
}

}  // namespace
}  // namespace win
