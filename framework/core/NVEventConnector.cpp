#include "framework/core/NVEventConnector.h"

#include <algorithm>
#include <map>
#include <set>

#include "framework/core/NVTargetHooks.h"

namespace {

// Registries and handlers belong to the main thread; no lock is needed.
struct Registries {
  std::multimap<NVStageBase*, NVEventConnector*> stages;
  std::multimap<NV2DItemBase*, NVEventConnector*> items2D;
  std::multimap<NV3DItemBase*, NVEventConnector*> items3D;
  std::set<const NVEventConnector*> live;
};

Registries& registries() {
  static Registries r;
  return r;
}

template <typename Key>
std::vector<NVEventConnector*> collect(const std::multimap<Key*, NVEventConnector*>& map, Key* key) {
  std::vector<NVEventConnector*> found;
  auto range = map.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) found.push_back(it->second);
  return found;
}

template <typename Key>
void eraseConnector(std::multimap<Key*, NVEventConnector*>& map, const NVEventConnector* connector) {
  for (auto it = map.begin(); it != map.end();) it = it->second == connector ? map.erase(it) : std::next(it);
}

}  // namespace

NVEventConnector::NVEventConnector(NVStageBase* stage) {
  typeName = "NVEventConnector";
  registries().stages.emplace(stage, this);
  registerLive();
}

NVEventConnector::NVEventConnector(NV2DItemBase* item) {
  typeName = "NVEventConnector";
  registries().items2D.emplace(item, this);
  registerLive();
}

NVEventConnector::NVEventConnector(NV3DItemBase* item) {
  typeName = "NVEventConnector";
  registries().items3D.emplace(item, this);
  registerLive();
}

NVEventConnector::NVEventConnector(NVWidget* widget) {
  typeName = "NVEventConnector";
  const NVTargetHooks& hooks = targetHooks();
  if (widget && hooks.widgetHostKind) {
    switch (hooks.widgetHostKind(widget)) {
      case NVHostKind::StageItem: registries().stages.emplace(hooks.widgetStage(widget), this); break;
      case NVHostKind::Item2D: registries().items2D.emplace(hooks.widgetItem2D(widget), this); break;
      case NVHostKind::Item3D: registries().items3D.emplace(hooks.widgetItem3D(widget), this); break;
      default: break;
    }
  }
  registerLive();
}

void NVEventConnector::registerLive() { registries().live.insert(this); }

NVEventConnector::~NVEventConnector() {
  Registries& r = registries();
  eraseConnector(r.stages, this);
  eraseConnector(r.items2D, this);
  eraseConnector(r.items3D, this);
  r.live.erase(this);
}

void NVEventConnector::connect(NVEventKind kind, Handler handler) {
  if (kind < 0 || kind >= NV_EV_KIND_COUNT) return;
  if (!table_[kind]) table_[kind] = std::make_unique<std::vector<Handler>>();
  table_[kind]->push_back(std::move(handler));
}

bool NVEventConnector::hasHandlers(NVEventKind kind) const {
  return kind >= 0 && kind < NV_EV_KIND_COUNT && table_[kind] != nullptr;
}

void NVEventConnector::deliver(const NVEventState& event) const {
  if (!hasHandlers(event.kind)) return;
  // A handler may connect more handlers or delete this connector: call a
  // copy of the list as it was when delivery began.
  const std::vector<Handler> handlers = *table_[event.kind];
  for (const Handler& handler : handlers) handler(event);
}

std::vector<NVEventConnector*> NVEventConnector::connectorsOf(NVStageBase* stage) {
  return collect(registries().stages, stage);
}

std::vector<NVEventConnector*> NVEventConnector::connectorsOf(NV2DItemBase* item) {
  return collect(registries().items2D, item);
}

std::vector<NVEventConnector*> NVEventConnector::connectorsOf(NV3DItemBase* item) {
  return collect(registries().items3D, item);
}

bool NVEventConnector::isLive(const NVEventConnector* connector) { return registries().live.count(connector) != 0; }
