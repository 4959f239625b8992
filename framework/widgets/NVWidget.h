// The widget base. For now it carries the text that the message display
// writes through and the host bookkeeping the engine reads; the hosts
// themselves, children and the other operations join it with the widgets.
#pragma once

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVString.h"

class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;

class NVWidget : public virtual NVGUICoreObject {
 public:
  NVWidget() { typeName = "NVWidget"; }
  ~NVWidget() override = default;

  virtual void setText(NVString text);
  NVString getText() const { return text_; }

  // 0 no host, 1 stage item, 4 2D item, 5 3D item.
  int hostKind = 0;
  // The host as the engine sees it, or null.
  virtual NVStageBase* hostStage() const { return nullptr; }
  virtual NV2DItemBase* hostItem2D() const { return nullptr; }
  virtual NV3DItemBase* hostItem3D() const { return nullptr; }

 protected:
  NVString text_;
};
