// The platform's one handle table. Every window, DC, GDI object, icon and
// module lives in it; a handle is a 32-bit value that names a slot and the
// slot's generation, so a handle to a deleted object (or to an object of
// another kind) is recognised and rejected instead of followed.
//
//   bit 31 ........ 20 19 ............ 0
//       generation       slot index (1-based)
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
  struct Slot {
    std::unique_ptr<Object> object;
    std::uint32_t generation = 0;
    ObjectKind kind = ObjectKind::Count;
  };
  static constexpr std::uint32_t kIndexBits = 20;
  static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;

  const Slot* slot_of(std::uint32_t handle, ObjectKind kind) const;

  std::vector<Slot> m_slots{1};  // slot 0 is never used
  std::vector<std::uint32_t> m_free;
  std::size_t m_live[static_cast<std::size_t>(ObjectKind::Count)] = {};
};

// The table of this process.
HandleTable& handle_table();

// Live objects of one kind; tests compare it before and after an operation.
std::size_t live_objects(ObjectKind kind);

}  // namespace win
