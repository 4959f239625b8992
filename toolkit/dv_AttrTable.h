// One key-value table of the attribute store. Deleting a key marks its slot
// free with the key type's "free" value; a new key takes the first free slot.
#pragma once

#include <string>
#include <vector>

template <class Key, class Value>
class dv_AttrTable {
 public:
  explicit dv_AttrTable(Key freeKey) : freeKey_(freeKey) {}

  // True when the key existed and its value was replaced.
  bool set(const Key& key, const Value& value) {
    if (const int i = find(key); i >= 0) {
      values_[i] = value;
      return true;
    }
    for (size_t i = 0; i < keys_.size(); ++i)
      if (keys_[i] == freeKey_) {
        keys_[i] = key;
        values_[i] = value;
        return false;
      }
    keys_.push_back(key);
    values_.push_back(value);
    return false;
  }
  const Value* get(const Key& key) const {
    const int i = find(key);
    return i >= 0 ? &values_[i] : nullptr;
  }
  bool erase(const Key& key) {
    const int i = find(key);
    if (i < 0) return false;
    keys_[i] = freeKey_;
    return true;
  }
  size_t slotCount() const { return keys_.size(); }
  int slotOf(const Key& key) const { return find(key); }

 private:
  int find(const Key& key) const {
    // The free marker is never a key: looking it up must not find a free slot.
    if (key == freeKey_) return -1;
    for (size_t i = 0; i < keys_.size(); ++i)
      if (keys_[i] == key) return static_cast<int>(i);
    return -1;
  }

  Key freeKey_;
  std::vector<Key> keys_;
  std::vector<Value> values_;
};
