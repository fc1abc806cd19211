// The platform's one handle table. Every window, DC, GDI object, icon and
// module lives in it; a handle is a 32-bit value that names a slot and the
// slot's generation, so a handle to a deleted object (or to an object of
// another kind) is recognised and rejected instead of followed.
//
//   bit 31 ........ 20 19 ............ 0
//       generation       slot index (1-based)
//
// Any thread may use the table. Inserting and removing take a lock; a lookup,
// which the painters make per pixel, takes none: slots live in chunks that
// never move, and each slot's stamp (generation and kind) is published after
// its object, so a reader sees either the whole entry or none of it. Using
// an object while another thread deletes it stays the caller's fault, as
// with any handle.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace win {

enum class ObjectKind : std::uint8_t {
  Window,
  DeviceContext,
  Region,
  Brush,
  Pen,
  Bitmap,
  Icon,
  Font,
  Module,
  Cursor,
  Count,
};

// Base of everything a handle can name.
struct Object {
  virtual ~Object() = default;
};

class HandleTable {
 public:
  HandleTable() = default;
  ~HandleTable();
  HandleTable(const HandleTable&) = delete;
  HandleTable& operator=(const HandleTable&) = delete;

  // Stores the object and returns its new handle (never 0).
  std::uint32_t insert(ObjectKind kind, std::unique_ptr<Object> object);
  // The object, or null for 0, a stale handle or one of another kind.
  Object* lookup(std::uint32_t handle, ObjectKind kind) const;
  // Destroys the object; false when the handle names no live object of that kind.
  bool remove(std::uint32_t handle, ObjectKind kind);
  // Takes the object out without destroying it; null when not live.
  std::unique_ptr<Object> release(std::uint32_t handle, ObjectKind kind);
  std::size_t live(ObjectKind kind) const;

  template <class T>
  T* get(std::uint32_t handle, ObjectKind kind) const {
    return static_cast<T*>(lookup(handle, kind));
  }

 private:
  // stamp: generation << 8 | kind; a free slot keeps its last generation
  // with ObjectKind::Count, so no handle's stamp matches it.
  struct Slot {
    std::atomic<Object*> object{nullptr};
    std::atomic<std::uint32_t> stamp{static_cast<std::uint32_t>(ObjectKind::Count)};
  };
  static constexpr std::uint32_t kIndexBits = 20;
  static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
  static constexpr std::uint32_t kChunkBits = 12;
  static constexpr std::uint32_t kChunkSize = 1u << kChunkBits;
  static constexpr std::uint32_t kChunks = (kIndexMask + 1) / kChunkSize;

  static std::uint32_t stamp_of(std::uint32_t generation, ObjectKind kind) {
    return (generation << 8) | static_cast<std::uint32_t>(kind);
  }
  Slot* slot_at(std::uint32_t index) const;
  Slot* live_slot(std::uint32_t handle, ObjectKind kind) const;

  std::array<std::atomic<Slot*>, kChunks> m_chunks{};
  std::mutex m_lock;         // guards everything below and every change of a slot
  std::uint32_t m_used = 1;  // slots handed out so far; slot 0 is never used
  std::vector<std::uint32_t> m_free;
  std::atomic<std::size_t> m_live[static_cast<std::size_t>(ObjectKind::Count)] = {};
};

// The table of this process.
HandleTable& handle_table();

// Live objects of one kind; tests compare it before and after an operation.
std::size_t live_objects(ObjectKind kind);

}  // namespace win
