// One node of a dv_Tree.
#pragma once

#include <string>
#include <vector>

class dv_Tree;

struct dv_TreeNode {
  virtual ~dv_TreeNode();

  // The attached object; deleted with the node when dataOwned is set.
  void* data = nullptr;
  bool dataOwned = false;
  void (*dataDeleter)(void*) = nullptr;

  dv_Tree* tree = nullptr;
  std::string name;
  dv_TreeNode* parent = nullptr;
  std::vector<dv_TreeNode*> children;
  int depth = 0;
  // The greatest depth in this node's subtree, the node itself included.
  int maxDepth = 0;

  // Attaches an object the node owns from now on.
  template <class T>
  void setOwnedData(T* object) {
    releaseData();
    data = object;
    dataOwned = true;
    dataDeleter = [](void* p) { delete static_cast<T*>(p); };
  }
  // Attaches an object owned elsewhere.
  void setSharedData(void* object);
  void releaseData();
};
