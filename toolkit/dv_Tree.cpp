#include "toolkit/dv_Tree.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/dv_Report.h"

dv_Tree::dv_Tree(const std::string& rootName) { clear(rootName); }

dv_Tree::~dv_Tree() = default;

std::unique_ptr<dv_TreeNode> dv_Tree::makeNode() { return std::make_unique<dv_TreeNode>(); }

void dv_Tree::clear(const std::string& rootName) {
  nodes_.clear();
  root_ = nullptr;
  root_ = createNode(nullptr, rootName);
}

bool dv_Tree::contains(const dv_TreeNode* node) const { return node != nullptr && nodes_.count(node) != 0; }

dv_TreeNode* dv_Tree::createNode(dv_TreeNode* parent, const std::string& name) {
  std::unique_ptr<dv_TreeNode> node = makeNode();
  dv_TreeNode* raw = node.get();
  raw->tree = this;
  raw->name = name;
  nodes_.emplace(raw, std::move(node));
  if (parent != nullptr) attach(raw, parent, parent->children.size());
  return raw;
}

dv_TreeNode* dv_Tree::addNode(dv_TreeNode* parent, const std::string& name) {
  if (!contains(parent)) return nullptr;
  return createNode(parent, name);
}

bool dv_Tree::removeNode(dv_TreeNode* node) {
  if (!contains(node) || node == root_) return false;
  detach(node);
  destroySubtree(node);
  return true;
}

void dv_Tree::destroySubtree(dv_TreeNode* node) {
  const std::vector<dv_TreeNode*> children = node->children;
  for (dv_TreeNode* child : children) destroySubtree(child);
  nodes_.erase(node);
}

bool dv_Tree::isAncestor(const dv_TreeNode* ancestor, const dv_TreeNode* node) const {
  for (const dv_TreeNode* n = node; n != nullptr; n = n->parent)
    if (n == ancestor) return true;
  return false;
}

bool dv_Tree::moveNode(dv_TreeNode* node, dv_TreeNode* newParent) {
  if (!contains(node) || !contains(newParent)) return false;
  if (isAncestor(node, newParent)) return false;
  detach(node);
  attach(node, newParent, newParent->children.size());
  return true;
}

dv_TreeNode* dv_Tree::copySubtree(dv_TreeNode* node, dv_TreeNode* newParent) {
  if (!contains(node) || !contains(newParent)) return nullptr;
  // List the source first, so that copying a subtree into itself terminates.
  std::vector<std::pair<const dv_TreeNode*, size_t>> order;  // node, index of its parent
  order.emplace_back(node, 0);
  for (size_t i = 0; i < order.size(); ++i)
    for (const dv_TreeNode* child : order[i].first->children) order.emplace_back(child, i);
  std::vector<dv_TreeNode*> copies;
  for (size_t i = 0; i < order.size(); ++i) {
    dv_TreeNode* parent = i == 0 ? newParent : copies[order[i].second];
    dv_TreeNode* copy = createNode(parent, order[i].first->name);
    copy->setSharedData(order[i].first->data);
    copies.push_back(copy);
  }
  return copies.front();
}

dv_TreeNode* dv_Tree::firstChild(const dv_TreeNode* node) const {
  if (!contains(node) || node->children.empty()) return nullptr;
  return node->children.front();
}

dv_TreeNode* dv_Tree::nextSibling(const dv_TreeNode* node) const {
  if (!contains(node) || node->parent == nullptr) return nullptr;
  const std::vector<dv_TreeNode*>& siblings = node->parent->children;
  auto it = std::find(siblings.begin(), siblings.end(), node);
  if (it == siblings.end() || ++it == siblings.end()) return nullptr;
  return *it;
}

bool dv_Tree::reorder(dv_TreeNode* node, int index) {
  if (!contains(node) || node->parent == nullptr) return false;
  dv_TreeNode* parent = node->parent;
  detach(node);
  const size_t count = parent->children.size();
  const bool inRange = index >= 0 && static_cast<size_t>(index) <= count;
  attach(node, parent, inRange ? static_cast<size_t>(index) : count);
  return true;
}

bool dv_Tree::reorderFromBack(dv_TreeNode* node, int index) {
  if (!contains(node) || node->parent == nullptr) return false;
  dv_TreeNode* parent = node->parent;
  detach(node);
  const size_t count = parent->children.size();
  const bool inRange = index >= 0 && static_cast<size_t>(index) <= count;
  attach(node, parent, inRange ? count - static_cast<size_t>(index) : count);
  return true;
}

void dv_Tree::detach(dv_TreeNode* node) {
  dv_TreeNode* parent = node->parent;
  if (parent == nullptr) return;
  auto& siblings = parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
  node->parent = nullptr;
  refreshMaxDepth(parent);
}

void dv_Tree::attach(dv_TreeNode* node, dv_TreeNode* parent, size_t position) {
  parent->children.insert(parent->children.begin() + static_cast<std::ptrdiff_t>(position), node);
  node->parent = parent;
  setDepths(node, parent->depth + 1);
  refreshMaxDepth(parent);
}

void dv_Tree::setDepths(dv_TreeNode* node, int depth) {
  node->depth = depth;
  node->maxDepth = depth;
  for (dv_TreeNode* child : node->children) {
    setDepths(child, depth + 1);
    node->maxDepth = std::max(node->maxDepth, child->maxDepth);
  }
}

void dv_Tree::refreshMaxDepth(dv_TreeNode* node) {
  for (dv_TreeNode* n = node; n != nullptr; n = n->parent) {
    int deepest = n->depth;
    for (const dv_TreeNode* child : n->children) deepest = std::max(deepest, child->maxDepth);
    if (deepest == n->maxDepth && n != node) break;
    n->maxDepth = deepest;
  }
}

void dv_Tree::Print() const { printNode(root_); }

void dv_Tree::printNode(const dv_TreeNode* node) const {
  dv_ReportFormatted("%s(%s, %d)", std::string(static_cast<size_t>(node->depth), '\t').c_str(), node->name.c_str(),
                     node->maxDepth);
  for (const dv_TreeNode* child : node->children) printNode(child);
}
