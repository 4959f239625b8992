// Root of the toolkit's objects: a small integer type code set by each
// constructor.
#pragma once

class dv_BaseObject {
 public:
  explicit dv_BaseObject(int type = 0) : objectType_(type) {}

  int getType() const { return objectType_; }
  void setType(int type) { objectType_ = type; }

 private:
  int objectType_;
};

// Object type codes given by the toolkit's constructors.
namespace dv_ObjectType {
inline constexpr int FrameworkItem = 0;
inline constexpr int Model = 4;
inline constexpr int ModelSet = 5;
inline constexpr int World = 6;
inline constexpr int Point = 12;
inline constexpr int IndexFaceSet = 19;
inline constexpr int Light = 20;
inline constexpr int Image = 23;
inline constexpr int Texture = 25;
inline constexpr int RectTexture = 26;
inline constexpr int TriTexture = 27;
inline constexpr int MeshTexture = 28;
inline constexpr int IFSTexture = 29;
inline constexpr int Color = 33;
inline constexpr int Material = 34;
inline constexpr int MatAdmin = 35;
inline constexpr int PickResult = 45;
inline constexpr int Projection = 46;
inline constexpr int Perspective = 47;
inline constexpr int OrthoProjection = 48;
}  // namespace dv_ObjectType
