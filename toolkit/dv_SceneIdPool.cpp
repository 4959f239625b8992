#include "toolkit/dv_SceneIdPool.h"

#include <deque>
#include <set>

namespace {

struct Pool {
  std::deque<int> returned;
  std::set<int> inUse;
  int largest = 0;
};

Pool& pool() {
  static Pool instance;
  return instance;
}

}  // namespace

int dv_SceneIdPool::take() {
  Pool& p = pool();
  int id = 0;
  if (!p.returned.empty()) {
    id = p.returned.front();
    p.returned.pop_front();
  } else {
    id = ++p.largest;
  }
  p.inUse.insert(id);
  return id;
}

bool dv_SceneIdPool::giveBack(int id) {
  Pool& p = pool();
  if (p.inUse.erase(id) == 0) return false;
  p.returned.push_back(id);
  return true;
}
