// A cache shared by every thread: immutable values kept by key, at most
// max_entries of them and max_weight of their weights together. Past either
// bound the value kept longest is forgotten; one holder still using it keeps
// it alive. Values are made outside the lock, so two threads may make the
// same one: the first kept wins and both get it.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace win {

template <class Key, class Value, class Hash = std::hash<Key>>
class SharedCache {
 public:
  SharedCache(std::size_t max_entries, std::size_t max_weight)
      : m_max_entries(max_entries), m_max_weight(max_weight) {}

  std::shared_ptr<const Value> find(const Key& key) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_values.find(key);
    return found == m_values.end() ? nullptr : found->second.value;
  }

  // The value kept for key: this one, or the one another thread kept first.
  // A value heavier than the whole bound is handed back without being kept,
  // rather than pushing every other value out.
  std::shared_ptr<const Value> keep(const Key& key, std::shared_ptr<const Value> value,
                                    std::size_t weight) {
    if (weight > m_max_weight) return value;
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto [found, added] = m_values.emplace(key, Entry{std::move(value), weight});
    if (!added) return found->second.value;
    std::shared_ptr<const Value> kept = found->second.value;
    m_order.push_back(key);
    m_weight += weight;
    while (m_values.size() > m_max_entries || m_weight > m_max_weight) {
      const auto oldest = m_values.find(m_order.front());
      m_weight -= oldest->second.weight;
      m_values.erase(oldest);
      m_order.pop_front();
    }
    return kept;
  }

  std::size_t size() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_values.size();
  }
  std::size_t weight() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_weight;
  }
  void clear() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_values.clear();
    m_order.clear();
    m_weight = 0;
  }

 private:
  struct Entry {
    std::shared_ptr<const Value> value;
    std::size_t weight;
  };
  const std::size_t m_max_entries;
  const std::size_t m_max_weight;
  std::mutex m_mutex;
  std::unordered_map<Key, Entry, Hash> m_values;
  std::deque<Key> m_order;  // keys of m_values, oldest first
  std::size_t m_weight = 0;
};

}  // namespace win
