// A placeable scene node: placement (from dv_MatrixAdmin), a shape to draw,
// a material and optional line and point colours, a parent. Parent links are
// mirrored in the global model tree. A model owns its material and colours,
// not its shape or its parent.
#pragma once

#include <memory>

#include "toolkit/dv_Color.h"
#include "toolkit/dv_Material.h"
#include "toolkit/dv_MatrixAdmin.h"

class dv_Shape;
struct dv_TreeNode;

class dv_Model : public dv_MatrixAdmin {
 public:
  // Bits of drawParts.
  static constexpr int DrawPoints = 1;
  static constexpr int DrawLines = 2;
  static constexpr int DrawFaces = 4;
  static constexpr int DrawBackFaces = 8;
  static constexpr int DrawBothSides = 16;

  explicit dv_Model(dv_Shape* shape = nullptr);
  virtual ~dv_Model();
  dv_Model(const dv_Model&) = delete;
  dv_Model& operator=(const dv_Model&) = delete;

  // Hooks around drawing, for objects that keep their own drawing state.
  virtual void preDraw() {}
  virtual void postDraw() {}
  virtual void textureHook(unsigned int textureName) { (void)textureName; }

  // A new shape of another type also chooses what is drawn of it.
  void setShape(dv_Shape* shape);
  dv_Shape* getShape() const { return shape_; }

  void setMaterial(const dv_Material& material);
  const dv_Material& getMaterial() const { return material_; }
  bool hasOwnMaterial() const { return hasOwnMaterial_; }
  const dv_Material& getEffectiveMaterial() const;
  bool setLineColor(double r, double g, double b);
  bool setLineColor(const dv_Color& c) { return setLineColor(c.getR(), c.getG(), c.getB()); }
  bool setPointColor(double r, double g, double b);
  bool setPointColor(const dv_Color& c) { return setPointColor(c.getR(), c.getG(), c.getB()); }
  const dv_Color* getLineColor() const { return lineColor_.get(); }
  const dv_Color* getPointColor() const { return pointColor_.get(); }
  const dv_Color* getEffectiveLineColor() const;
  const dv_Color* getEffectivePointColor() const;

  void setDrawParts(int parts) { drawParts_ = parts; }
  int getDrawParts() const { return drawParts_; }
  void setColorSource(int source) { colorSource_ = source; }
  int getColorSource() const { return colorSource_; }
  void setPickable(bool on) { pickable_ = on; }
  bool getPickable() const { return pickable_; }
  void setSmoothShading(bool on) { smoothShading_ = on; }
  bool getSmoothShading() const { return smoothShading_; }
  void setReverseOrder(bool on) { reverseOrder_ = on; }
  bool getReverseOrder() const { return reverseOrder_; }
  void setUserFlags(int flags) { userFlags_ = flags; }
  int getUserFlags() const { return userFlags_; }
  // Ignored unless above 1e-8.
  void setPointSize(double size);
  double getPointSize() const { return pointSize_; }
  void setLineWidth(double width);
  double getLineWidth() const { return lineWidth_; }
  int getID() const { return id_; }

  // Parent links. With keepGlobal the model keeps its place in the world.
  bool setParent(dv_Model* parent, bool keepGlobal);
  bool clearParent(bool keepGlobal);
  bool addChild(dv_Model* child, bool keepGlobal);
  bool removeChild(dv_Model* child, bool keepGlobal);
  void removeChildren(bool keepGlobal);
  dv_Model* getParent() const { return parent_; }
  bool hasTreeNode() const { return node_ != nullptr; }
  dv_TreeNode* getTreeNode() const { return node_; }

  dv_Matrix getGlobalMatrix() const;
  dv_Matrix getGlobalInvMatrix() const;
  dv_Vector getGlobalPosition() const;
  dv_Vector getGlobalVec() const;
  dv_Vector getGlobalUpvec() const;
  dv_Angle getGlobalAngle() const;

  // A snapshot of the placement, for interpolation and swept collisions.
  void saveState();
  bool hasSnapshot() const { return snapFlag_; }
  bool restoreState();
  // Between the snapshot (t near 0) and the current placement (t = 1).
  bool restoreState(double t);

  void setRadius(double r);
  double getRadius() const { return radius_; }
  bool isIntersecting(const dv_Model* other) const;
  // Whether the spheres touch at some moment of the move from the snapshots
  // to the current positions.
  bool isColliding(const dv_Model* other) const;
  // The fraction of the move at which the spheres first touch on the line of
  // their relative motion (outside 0..1 when that is before or after the
  // move); 0 when they do not move against each other, -1 when they never
  // touch or a snapshot is missing.
  double collisionTime(const dv_Model* other) const;

 private:
  dv_TreeNode* ensureNode();
  bool relativeMotion(const dv_Model* other, dv_Vector& start, dv_Vector& motion) const;

  dv_Material material_;
  std::unique_ptr<dv_Color> lineColor_;
  std::unique_ptr<dv_Color> pointColor_;
  dv_Shape* shape_ = nullptr;
  dv_Model* parent_ = nullptr;
  bool hasOwnMaterial_ = false;
  int drawParts_ = 0;
  int colorSource_ = 1;
  double pointSize_ = 1.0;
  double lineWidth_ = 1.0;
  bool pickable_ = false;
  bool smoothShading_ = false;
  bool reverseOrder_ = false;
  dv_TreeNode* node_ = nullptr;
  int id_;
  int userFlags_ = 0;
  dv_Vector savedPosition_;
  dv_Vector savedGlobalPosition_;
  dv_Angle savedAngle_;
  bool snapFlag_ = false;
  double radius_ = 0.0;
};
