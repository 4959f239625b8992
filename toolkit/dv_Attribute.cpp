#include "toolkit/dv_Attribute.h"

#include "toolkit/dv_Report.h"

// The three value tables of one key type. Each table is made on first use.
template <class Key>
struct dv_Attribute::Tables {
  explicit Tables(Key freeKey) : freeKey(freeKey) {}
  template <class Value>
  dv_AttrTable<Key, Value>& table(std::unique_ptr<dv_AttrTable<Key, Value>>& slot) {
    if (!slot) slot = std::make_unique<dv_AttrTable<Key, Value>>(freeKey);
    return *slot;
  }
  Key freeKey;
  std::unique_ptr<dv_AttrTable<Key, int>> ints;
  std::unique_ptr<dv_AttrTable<Key, double>> doubles;
  std::unique_ptr<dv_AttrTable<Key, std::string>> strings;
};

namespace {

template <class Value, class Key>
Value valueOr(const std::unique_ptr<dv_AttrTable<Key, Value>>& table, const Key& key, Value fallback) {
  if (!table) return fallback;
  const Value* v = table->get(key);
  return v ? *v : fallback;
}

template <class Value, class Key>
bool has(const std::unique_ptr<dv_AttrTable<Key, Value>>& table, const Key& key) {
  return table && table->get(key) != nullptr;
}

template <class Value, class Key>
bool erase(const std::unique_ptr<dv_AttrTable<Key, Value>>& table, const Key& key) {
  return table && table->erase(key);
}

bool intKeyOk(int key, const char* function) {
  if (key >= 0) return true;
  dv_ReportError("dv_Attribute", function, 1, "Key Value Error.");
  return false;
}

bool stringKeyOk(const std::string& key, const char* function) {
  if (!key.empty()) return true;
  dv_ReportError("dv_Attribute", function, 1, "Key Value Error.");
  return false;
}

}  // namespace

dv_Attribute::dv_Attribute(int type) : dv_BaseObject(type) {}
dv_Attribute::~dv_Attribute() = default;

dv_Attribute::Tables<int>& dv_Attribute::intTables() {
  if (!intKeys_) intKeys_ = std::make_unique<Tables<int>>(-1);
  return *intKeys_;
}

dv_Attribute::Tables<std::string>& dv_Attribute::stringTables() {
  if (!stringKeys_) stringKeys_ = std::make_unique<Tables<std::string>>(std::string());
  return *stringKeys_;
}

bool dv_Attribute::setAttrII(int key, int value) {
  if (!intKeyOk(key, "setAttrII")) return false;
  Tables<int>& t = intTables();
  return t.table(t.ints).set(key, value);
}

bool dv_Attribute::setAttrID(int key, double value) {
  if (!intKeyOk(key, "setAttrID")) return false;
  Tables<int>& t = intTables();
  return t.table(t.doubles).set(key, value);
}

bool dv_Attribute::setAttrIS(int key, const std::string& value) {
  if (!intKeyOk(key, "setAttrIS")) return false;
  Tables<int>& t = intTables();
  return t.table(t.strings).set(key, value);
}

bool dv_Attribute::setAttrSI(const std::string& key, int value) {
  if (!stringKeyOk(key, "setAttrSI")) return false;
  Tables<std::string>& t = stringTables();
  return t.table(t.ints).set(key, value);
}

bool dv_Attribute::setAttrSD(const std::string& key, double value) {
  if (!stringKeyOk(key, "setAttrSD")) return false;
  Tables<std::string>& t = stringTables();
  return t.table(t.doubles).set(key, value);
}

bool dv_Attribute::setAttrSS(const std::string& key, const std::string& value) {
  if (!stringKeyOk(key, "setAttrSS")) return false;
  Tables<std::string>& t = stringTables();
  return t.table(t.strings).set(key, value);
}

int dv_Attribute::getAttrII(int key) const { return intKeys_ ? valueOr(intKeys_->ints, key, 0) : 0; }
double dv_Attribute::getAttrID(int key) const { return intKeys_ ? valueOr(intKeys_->doubles, key, 0.0) : 0.0; }
std::string dv_Attribute::getAttrIS(int key) const {
  return intKeys_ ? valueOr(intKeys_->strings, key, std::string()) : std::string();
}
int dv_Attribute::getAttrSI(const std::string& key) const {
  return stringKeys_ ? valueOr(stringKeys_->ints, key, 0) : 0;
}
double dv_Attribute::getAttrSD(const std::string& key) const {
  return stringKeys_ ? valueOr(stringKeys_->doubles, key, 0.0) : 0.0;
}
std::string dv_Attribute::getAttrSS(const std::string& key) const {
  return stringKeys_ ? valueOr(stringKeys_->strings, key, std::string()) : std::string();
}

bool dv_Attribute::hasAttrII(int key) const { return intKeys_ && has(intKeys_->ints, key); }
bool dv_Attribute::hasAttrID(int key) const { return intKeys_ && has(intKeys_->doubles, key); }
bool dv_Attribute::hasAttrIS(int key) const { return intKeys_ && has(intKeys_->strings, key); }
bool dv_Attribute::hasAttrSI(const std::string& key) const { return stringKeys_ && has(stringKeys_->ints, key); }
bool dv_Attribute::hasAttrSD(const std::string& key) const { return stringKeys_ && has(stringKeys_->doubles, key); }
bool dv_Attribute::hasAttrSS(const std::string& key) const { return stringKeys_ && has(stringKeys_->strings, key); }

bool dv_Attribute::deleteAttrII(int key) { return intKeys_ && erase(intKeys_->ints, key); }
bool dv_Attribute::deleteAttrID(int key) { return intKeys_ && erase(intKeys_->doubles, key); }
bool dv_Attribute::deleteAttrIS(int key) { return intKeys_ && erase(intKeys_->strings, key); }
bool dv_Attribute::deleteAttrSI(const std::string& key) { return stringKeys_ && erase(stringKeys_->ints, key); }
bool dv_Attribute::deleteAttrSD(const std::string& key) { return stringKeys_ && erase(stringKeys_->doubles, key); }
bool dv_Attribute::deleteAttrSS(const std::string& key) { return stringKeys_ && erase(stringKeys_->strings, key); }

int dv_Attribute::slotOfAttrII(int key) const { return intKeys_ && intKeys_->ints ? intKeys_->ints->slotOf(key) : -1; }

int dv_Attribute::slotOfAttrSS(const std::string& key) const {
  return stringKeys_ && stringKeys_->strings ? stringKeys_->strings->slotOf(key) : -1;
}
