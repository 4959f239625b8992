// User key-value data carried by every shape: integer or string keys with
// integer, double or string values, six tables made on first use.
#pragma once

#include <memory>
#include <string>

#include "toolkit/dv_AttrTable.h"
#include "toolkit/dv_BaseObject.h"

class dv_Attribute : public dv_BaseObject {
 public:
  explicit dv_Attribute(int type = 0);
  virtual ~dv_Attribute();
  dv_Attribute(const dv_Attribute&) = delete;
  dv_Attribute& operator=(const dv_Attribute&) = delete;

  // Each setter returns true when the key existed and its value was
  // replaced; false for a new key or a rejected one (negative integer key,
  // empty string key).
  bool setAttrII(int key, int value);
  bool setAttrID(int key, double value);
  bool setAttrIS(int key, const std::string& value);
  bool setAttrSI(const std::string& key, int value);
  bool setAttrSD(const std::string& key, double value);
  bool setAttrSS(const std::string& key, const std::string& value);

  int getAttrII(int key) const;
  double getAttrID(int key) const;
  std::string getAttrIS(int key) const;
  int getAttrSI(const std::string& key) const;
  double getAttrSD(const std::string& key) const;
  std::string getAttrSS(const std::string& key) const;

  bool hasAttrII(int key) const;
  bool hasAttrID(int key) const;
  bool hasAttrIS(int key) const;
  bool hasAttrSI(const std::string& key) const;
  bool hasAttrSD(const std::string& key) const;
  bool hasAttrSS(const std::string& key) const;

  bool deleteAttrII(int key);
  bool deleteAttrID(int key);
  bool deleteAttrIS(int key);
  bool deleteAttrSI(const std::string& key);
  bool deleteAttrSD(const std::string& key);
  bool deleteAttrSS(const std::string& key);

  // Slot of a key in its table (-1 when absent), for inspecting slot reuse.
  int slotOfAttrII(int key) const;
  int slotOfAttrSS(const std::string& key) const;

 private:
  template <class Key>
  struct Tables;
  std::unique_ptr<Tables<int>> intKeys_;
  std::unique_ptr<Tables<std::string>> stringKeys_;

  Tables<int>& intTables();
  Tables<std::string>& stringTables();
};
