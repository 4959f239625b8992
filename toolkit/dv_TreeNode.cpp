#include "toolkit/dv_TreeNode.h"

dv_TreeNode::~dv_TreeNode() { releaseData(); }

void dv_TreeNode::setSharedData(void* object) {
  releaseData();
  data = object;
}

void dv_TreeNode::releaseData() {
  if (dataOwned && dataDeleter != nullptr) dataDeleter(data);
  data = nullptr;
  dataOwned = false;
  dataDeleter = nullptr;
}
