// The global tree that mirrors the parent links of every model.
#pragma once

#include "toolkit/dv_Tree.h"

class dv_Model;

// The tree, with the root "modelTree".
dv_Tree& dv_ModelTree();
// The model attached to a node of the model tree, or null.
dv_Model* dv_ModelOfNode(const dv_TreeNode* node);
// Gives a model-tree node its owned cell holding `model`.
void dv_AttachModelCell(dv_TreeNode* node, dv_Model* model);
