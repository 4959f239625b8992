// A general tree of named nodes. The tree owns every node; operations on a
// node that does not belong to the tree return null or false.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "toolkit/dv_TreeNode.h"

class dv_Tree {
 public:
  explicit dv_Tree(const std::string& rootName);
  virtual ~dv_Tree();
  dv_Tree(const dv_Tree&) = delete;
  dv_Tree& operator=(const dv_Tree&) = delete;

  // Deletes every node and makes a new root.
  void clear(const std::string& rootName);
  dv_TreeNode* getRoot() const { return root_; }
  bool contains(const dv_TreeNode* node) const;
  size_t size() const { return nodes_.size(); }

  // Appends a new last child of `parent`.
  dv_TreeNode* addNode(dv_TreeNode* parent, const std::string& name);
  // Deletes the node with its whole subtree; the root cannot be removed.
  bool removeNode(dv_TreeNode* node);
  // Makes `node` the last child of `newParent`; refused when that would put
  // the node under itself.
  bool moveNode(dv_TreeNode* node, dv_TreeNode* newParent);
  // Copies the subtree of `node` (names and shared data) under `newParent`.
  dv_TreeNode* copySubtree(dv_TreeNode* node, dv_TreeNode* newParent);
  bool isAncestor(const dv_TreeNode* ancestor, const dv_TreeNode* node) const;

  dv_TreeNode* firstChild(const dv_TreeNode* node) const;
  dv_TreeNode* nextSibling(const dv_TreeNode* node) const;
  // Moves a node among its siblings to `index` counted from the front, or
  // from the back; an index out of range puts it last.
  bool reorder(dv_TreeNode* node, int index);
  bool reorderFromBack(dv_TreeNode* node, int index);

  // One message-only report per node, depth first.
  void Print() const;

 protected:
  // Builds a node record; derived trees may attach more to their nodes.
  virtual std::unique_ptr<dv_TreeNode> makeNode();

 private:
  dv_TreeNode* createNode(dv_TreeNode* parent, const std::string& name);
  void destroySubtree(dv_TreeNode* node);
  void detach(dv_TreeNode* node);
  void attach(dv_TreeNode* node, dv_TreeNode* parent, size_t position);
  static void setDepths(dv_TreeNode* node, int depth);
  static void refreshMaxDepth(dv_TreeNode* node);
  void printNode(const dv_TreeNode* node) const;

  std::unordered_map<const dv_TreeNode*, std::unique_ptr<dv_TreeNode>> nodes_;
  dv_TreeNode* root_ = nullptr;
};
