// The widget base. For now it carries only the text that the message display
// writes through; hosts, children and the other operations join it with the
// widgets themselves.
#pragma once

#include "framework/core/NVString.h"

class NVWidget {
 public:
  NVWidget() = default;
  virtual ~NVWidget() = default;

  virtual void setText(NVString text);
  NVString getText() const { return text_; }

 protected:
  NVString text_;
};
