#include "toolkit/dv_Model.h"

#include <cstdio>

#include "toolkit/dv_Defaults.h"
#include "toolkit/dv_ModelTree.h"
#include "toolkit/dv_Orientation.h"
#include "toolkit/dv_Shape.h"

namespace {

int nextModelId = 1;

// What a model draws of a new shape, by the shape's type code.
int drawPartsFor(int type) {
  switch (type) {
    case 9:
    case 13:
    case 14:
    case 15:
    case 17:
    case 18:
    case 19:
    case 54: return dv_Model::DrawFaces;
    case 10:
    case 11:
    case 16: return dv_Model::DrawLines;
    case 12: return dv_Model::DrawPoints;
    default: return 0;
  }
}

}  // namespace

dv_Model::dv_Model(dv_Shape* shape) : dv_MatrixAdmin(dv_ObjectType::Model), id_(nextModelId++) {
  // Touching the tree now makes it outlive every model built after it.
  dv_ModelTree();
  setShape(shape);
}

dv_Model::~dv_Model() {
  removeChildren(false);
  clearParent(false);
  dv_Tree& tree = dv_ModelTree();
  if (tree.contains(node_)) tree.removeNode(node_);
}

void dv_Model::setShape(dv_Shape* shape) {
  if (shape != nullptr && (shape_ == nullptr || shape_->getType() != shape->getType()))
    drawParts_ = drawPartsFor(shape->getType());
  shape_ = shape;
}

void dv_Model::setMaterial(const dv_Material& material) {
  material_ = material;
  hasOwnMaterial_ = true;
}

const dv_Material& dv_Model::getEffectiveMaterial() const {
  const dv_Model* m = this;
  while (!m->hasOwnMaterial_ && m->parent_ != nullptr) m = m->parent_;
  return m->material_;
}

namespace {

bool setColor(std::unique_ptr<dv_Color>& color, double r, double g, double b) {
  if (!color) color = std::make_unique<dv_Color>(dv_DefaultColor());
  return color->init(r, g, b, 1.0);
}

}  // namespace

bool dv_Model::setLineColor(double r, double g, double b) { return setColor(lineColor_, r, g, b); }

bool dv_Model::setPointColor(double r, double g, double b) { return setColor(pointColor_, r, g, b); }

const dv_Color* dv_Model::getEffectiveLineColor() const {
  for (const dv_Model* m = this; m != nullptr; m = m->parent_)
    if (m->lineColor_) return m->lineColor_.get();
  return nullptr;
}

const dv_Color* dv_Model::getEffectivePointColor() const {
  for (const dv_Model* m = this; m != nullptr; m = m->parent_)
    if (m->pointColor_) return m->pointColor_.get();
  return nullptr;
}

void dv_Model::setPointSize(double size) {
  if (size > 1e-8) pointSize_ = size;
}

void dv_Model::setLineWidth(double width) {
  if (width > 1e-8) lineWidth_ = width;
}

dv_TreeNode* dv_Model::ensureNode() {
  dv_Tree& tree = dv_ModelTree();
  if (!tree.contains(node_)) {
    char name[32];
    std::snprintf(name, sizeof name, "m%u", static_cast<unsigned>(id_));
    node_ = tree.addNode(tree.getRoot(), name);
    dv_AttachModelCell(node_, this);
  }
  return node_;
}

bool dv_Model::setParent(dv_Model* parent, bool keepGlobal) {
  if (parent == nullptr) return false;
  // Refuse before anything changes: the model must not end up under itself.
  for (const dv_Model* m = parent; m != nullptr; m = m->parent_)
    if (m == this) return false;
  clearParent(keepGlobal);
  dv_Tree& tree = dv_ModelTree();
  if (!tree.moveNode(ensureNode(), parent->ensureNode())) return false;
  parent_ = parent;
  // The placement is global at this moment; express it in the parent's frame.
  if (keepGlobal) placeFrom(parent->getGlobalInvMatrix() * getMatrix());
  return true;
}

bool dv_Model::clearParent(bool keepGlobal) {
  if (parent_ == nullptr) return true;
  if (keepGlobal) placeFrom(getGlobalMatrix());
  dv_Tree& tree = dv_ModelTree();
  tree.moveNode(ensureNode(), tree.getRoot());
  parent_ = nullptr;
  return true;
}

bool dv_Model::addChild(dv_Model* child, bool keepGlobal) {
  return child != nullptr && child->setParent(this, keepGlobal);
}

bool dv_Model::removeChild(dv_Model* child, bool keepGlobal) {
  if (child == nullptr || child->parent_ != this) return false;
  return child->clearParent(keepGlobal);
}

void dv_Model::removeChildren(bool keepGlobal) {
  if (!dv_ModelTree().contains(node_)) return;
  const std::vector<dv_TreeNode*> children = node_->children;
  for (const dv_TreeNode* child : children)
    if (dv_Model* m = dv_ModelOfNode(child)) removeChild(m, keepGlobal);
}

dv_Matrix dv_Model::getGlobalMatrix() const { return parent_ ? parent_->getGlobalMatrix() * getMatrix() : getMatrix(); }

dv_Matrix dv_Model::getGlobalInvMatrix() const {
  return parent_ ? getInvMatrix() * parent_->getGlobalInvMatrix() : getInvMatrix();
}

dv_Vector dv_Model::getGlobalPosition() const {
  if (!parent_) return getPosition();
  return (parent_->getGlobalMatrix() * dv_HVector(getPosition(), 1.0)).xyz();
}

dv_Vector dv_Model::getGlobalVec() const {
  if (!parent_) return getDirection();
  return (parent_->getGlobalMatrix() * dv_HVector(getDirection(), 0.0)).xyz();
}

dv_Vector dv_Model::getGlobalUpvec() const {
  if (!parent_) return getUp();
  return (parent_->getGlobalMatrix() * dv_HVector(getUp(), 0.0)).xyz();
}

dv_Angle dv_Model::getGlobalAngle() const {
  if (!parent_) return getAngle();
  dv_Angle a = getAngle();
  if (!dv_HeadPitchFromVector(getGlobalVec(), "dv_MatrixAdmin", a)) return getAngle();
  const dv_Matrix undo = dv_RotationMatrix(-a.p, 0) * dv_RotationMatrix(a.h, 1);
  a.b = dv_BankFromUp(undo * getGlobalUpvec(), 1e-8);
  return a;
}
