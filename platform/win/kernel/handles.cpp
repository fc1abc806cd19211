#include "platform/win/kernel/handles.h"

#include <stdexcept>

namespace win {

HandleTable::~HandleTable() {
  for (std::atomic<Slot*>& chunk : m_chunks) {
    Slot* slots = chunk.load(std::memory_order_relaxed);
    if (!slots) continue;
    for (std::uint32_t i = 0; i < kChunkSize; ++i)
      delete slots[i].object.load(std::memory_order_relaxed);
    delete[] slots;
  }
}

HandleTable::Slot* HandleTable::slot_at(std::uint32_t index) const {
  Slot* chunk = m_chunks[index >> kChunkBits].load(std::memory_order_acquire);
  return chunk ? &chunk[index & (kChunkSize - 1)] : nullptr;
}

std::uint32_t HandleTable::insert(ObjectKind kind, std::unique_ptr<Object> object) {
  const std::lock_guard<std::mutex> hold(m_lock);
  std::uint32_t index;
  if (!m_free.empty()) {
    index = m_free.back();
    m_free.pop_back();
  } else {
    if (m_used > kIndexMask) throw std::runtime_error("handle table is full");
    index = m_used;
    std::atomic<Slot*>& chunk = m_chunks[index >> kChunkBits];
    if (!chunk.load(std::memory_order_relaxed))
      chunk.store(new Slot[kChunkSize], std::memory_order_release);
    ++m_used;
  }
  Slot& slot = *slot_at(index);
  // The generation changes on every reuse and never makes the handle 0.
  std::uint32_t generation = ((slot.stamp.load(std::memory_order_relaxed) >> 8) + 1) & 0xFFF;
  if (generation == 0) generation = 1;
  slot.object.store(object.release(), std::memory_order_relaxed);
  slot.stamp.store(stamp_of(generation, kind), std::memory_order_release);
  m_live[static_cast<std::size_t>(kind)].fetch_add(1, std::memory_order_relaxed);
  return (generation << kIndexBits) | index;
}

HandleTable::Slot* HandleTable::live_slot(std::uint32_t handle, ObjectKind kind) const {
  const std::uint32_t index = handle & kIndexMask;
  if (index == 0) return nullptr;
  Slot* slot = slot_at(index);
  if (!slot || slot->stamp.load(std::memory_order_acquire) != stamp_of(handle >> kIndexBits, kind))
    return nullptr;
  return slot;
}

Object* HandleTable::lookup(std::uint32_t handle, ObjectKind kind) const {
  const Slot* slot = live_slot(handle, kind);
  return slot ? slot->object.load(std::memory_order_relaxed) : nullptr;
}

std::unique_ptr<Object> HandleTable::release(std::uint32_t handle, ObjectKind kind) {
  const std::lock_guard<std::mutex> hold(m_lock);
  Slot* slot = live_slot(handle, kind);
  if (!slot) return nullptr;
  const std::uint32_t generation = handle >> kIndexBits;
  slot->stamp.store(stamp_of(generation, ObjectKind::Count), std::memory_order_release);
  std::unique_ptr<Object> object(slot->object.exchange(nullptr, std::memory_order_relaxed));
  m_live[static_cast<std::size_t>(kind)].fetch_sub(1, std::memory_order_relaxed);
  m_free.push_back(handle & kIndexMask);
  return object;
}

bool HandleTable::remove(std::uint32_t handle, ObjectKind kind) {
  // The object is destroyed after its slot is free (and the lock is let go),
  // so a destructor may itself create or delete handles.
  std::unique_ptr<Object> object = release(handle, kind);
  return object != nullptr;
}

std::size_t HandleTable::live(ObjectKind kind) const {
  return m_live[static_cast<std::size_t>(kind)].load(std::memory_order_relaxed);
}

HandleTable& handle_table() {
  static HandleTable table;
  return table;
}

std::size_t live_objects(ObjectKind kind) { return handle_table().live(kind); }

}  // namespace win
