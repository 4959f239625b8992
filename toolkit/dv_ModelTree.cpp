#include "toolkit/dv_ModelTree.h"

#include "toolkit/dv_ErrorQueue.h"

namespace {

struct ModelCell {
  dv_Model* model;
};

}  // namespace

dv_Tree& dv_ModelTree() {
  // The error queue is made first so that it outlives the tree.
  dv_ErrorQueue::instance();
  static dv_Tree tree("modelTree");
  return tree;
}

dv_Model* dv_ModelOfNode(const dv_TreeNode* node) {
  if (node == nullptr || node->data == nullptr) return nullptr;
  return static_cast<ModelCell*>(node->data)->model;
}

// Used by dv_Model only: the owned cell that holds a model pointer.
void dv_AttachModelCell(dv_TreeNode* node, dv_Model* model) { node->setOwnedData(new ModelCell{model}); }
