#include "platform/win/kernel/handles.h"

#include <stdexcept>

namespace win {

std::uint32_t HandleTable::insert(ObjectKind kind, std::unique_ptr<Object> object) {
  std::uint32_t index;
  if (!m_free.empty()) {
    index = m_free.back();
    m_free.pop_back();
  } else {
    if (m_slots.size() > kIndexMask) throw std::runtime_error("handle table is full");
    index = static_cast<std::uint32_t>(m_slots.size());
    m_slots.emplace_back();
  }
  Slot& slot = m_slots[index];
  // The generation changes on every reuse and never makes the handle 0.
  slot.generation = (slot.generation + 1) & 0xFFF;
  if (slot.generation == 0) slot.generation = 1;
  slot.object = std::move(object);
  slot.kind = kind;
  ++m_live[static_cast<std::size_t>(kind)];
  return (slot.generation << kIndexBits) | index;
}

const HandleTable::Slot* HandleTable::slot_of(std::uint32_t handle, ObjectKind kind) const {
  const std::uint32_t index = handle & kIndexMask;
  if (index == 0 || index >= m_slots.size()) return nullptr;
  const Slot& slot = m_slots[index];
  if (!slot.object || slot.kind != kind || slot.generation != (handle >> kIndexBits)) return nullptr;
  return &slot;
}

Object* HandleTable::lookup(std::uint32_t handle, ObjectKind kind) const {
  const Slot* slot = slot_of(handle, kind);
  return slot ? slot->object.get() : nullptr;
}

std::unique_ptr<Object> HandleTable::release(std::uint32_t handle, ObjectKind kind) {
  if (!slot_of(handle, kind)) return nullptr;
  const std::uint32_t index = handle & kIndexMask;
  Slot& slot = m_slots[index];
  --m_live[static_cast<std::size_t>(kind)];
  slot.kind = ObjectKind::Count;
  m_free.push_back(index);
  return std::move(slot.object);
}

bool HandleTable::remove(std::uint32_t handle, ObjectKind kind) {
  // The object is destroyed after its slot is free, so a destructor may
  // itself create or delete handles.
  std::unique_ptr<Object> object = release(handle, kind);
  return object != nullptr;
}

std::size_t HandleTable::live(ObjectKind kind) const {
  return m_live[static_cast<std::size_t>(kind)];
}

HandleTable& handle_table() {
  static HandleTable table;
  return table;
}

std::size_t live_objects(ObjectKind kind) { return handle_table().live(kind); }

}  // namespace win
