// Handlers of one target (a stage, a 2D item, or a widget's host), one
// ordered list per event kind. Several connectors may share a target; they
// are consulted in the order they were made.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/core/NVEventState.h"
#include "framework/core/NVGUICoreObject.h"

class NVEventConnector : public virtual NVGUICoreObject {
 public:
  using Handler = std::function<void(NVEventState)>;

  explicit NVEventConnector(NVStageBase* stage);
  explicit NVEventConnector(NV2DItemBase* item);
  explicit NVEventConnector(NV3DItemBase* item);
  // Registers under the widget's host; a widget without a host registers
  // nowhere and its connector never hears anything.
  explicit NVEventConnector(NVWidget* widget);
  ~NVEventConnector() override;

  // Appends a handler for a kind; there is no way to remove one.
  void connect(NVEventKind kind, Handler handler);
  bool hasHandlers(NVEventKind kind) const;
  // Calls every handler of the record's kind, in connection order.
  void deliver(const NVEventState& event) const;

  // The connectors registered under a target, in registration order.
  static std::vector<NVEventConnector*> connectorsOf(NVStageBase* stage);
  static std::vector<NVEventConnector*> connectorsOf(NV2DItemBase* item);
  static std::vector<NVEventConnector*> connectorsOf(NV3DItemBase* item);
  // Whether a connector is still alive (not deleted).
  static bool isLive(const NVEventConnector* connector);

 private:
  void registerLive();
  std::unique_ptr<std::vector<Handler>> table_[NV_EV_KIND_COUNT];
};
