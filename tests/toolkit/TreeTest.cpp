#include <gtest/gtest.h>

#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Tree.h"

namespace {

std::vector<std::string> childNames(const dv_Tree& tree, const dv_TreeNode* node) {
  std::vector<std::string> names;
  for (const dv_TreeNode* c = tree.firstChild(node); c != nullptr; c = tree.nextSibling(c)) names.push_back(c->name);
  return names;
}

class TreeTest : public ::testing::Test {
 protected:
  // root -> a -> (a1 -> a11), b
  TreeTest() : tree("root") {
    a = tree.addNode(tree.getRoot(), "a");
    b = tree.addNode(tree.getRoot(), "b");
    a1 = tree.addNode(a, "a1");
    a11 = tree.addNode(a1, "a11");
  }
  dv_Tree tree;
  dv_TreeNode *a, *b, *a1, *a11;
};

TEST_F(TreeTest, DepthsAndDeepestDescendant) {
  EXPECT_EQ(a11->depth, 3);
  EXPECT_EQ(tree.getRoot()->maxDepth, 3);
  EXPECT_EQ(a->maxDepth, 3);
  EXPECT_EQ(b->maxDepth, 1);
  ASSERT_TRUE(tree.moveNode(a1, b));
  EXPECT_EQ(a->maxDepth, 1);
  EXPECT_EQ(b->maxDepth, 3);
  EXPECT_EQ(a11->depth, 3);
  ASSERT_TRUE(tree.moveNode(a1, tree.getRoot()));
  EXPECT_EQ(a11->depth, 2);
  EXPECT_EQ(tree.getRoot()->maxDepth, 2);
}

TEST_F(TreeTest, MovesUnderItselfAreRefused) {
  EXPECT_FALSE(tree.moveNode(a, a11));
  EXPECT_FALSE(tree.moveNode(a, a));
  EXPECT_FALSE(tree.moveNode(tree.getRoot(), b));
  EXPECT_EQ(a11->parent, a1);
  EXPECT_EQ(a->parent, tree.getRoot());
}

TEST_F(TreeTest, RemovingDeletesTheSubtree) {
  EXPECT_FALSE(tree.removeNode(tree.getRoot()));
  EXPECT_EQ(tree.size(), 5u);
  ASSERT_TRUE(tree.removeNode(a));
  EXPECT_EQ(tree.size(), 2u);
  EXPECT_FALSE(tree.contains(a11));
  EXPECT_EQ(tree.getRoot()->maxDepth, 1);
  EXPECT_EQ(childNames(tree, tree.getRoot()), std::vector<std::string>{"b"});
}

TEST_F(TreeTest, ForeignNodesAreRejected) {
  dv_Tree other("other");
  dv_TreeNode* foreign = other.addNode(other.getRoot(), "x");
  EXPECT_EQ(tree.addNode(foreign, "y"), nullptr);
  EXPECT_FALSE(tree.moveNode(foreign, a));
  EXPECT_FALSE(tree.removeNode(foreign));
  EXPECT_EQ(tree.copySubtree(foreign, a), nullptr);
  EXPECT_EQ(tree.addNode(nullptr, "z"), nullptr);
}

TEST_F(TreeTest, CopyingASubtreeIntoItselfEnds) {
  dv_TreeNode* copy = tree.copySubtree(a, a11);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(tree.size(), 8u);
  EXPECT_EQ(copy->name, "a");
  EXPECT_EQ(copy->depth, 4);
  EXPECT_EQ(tree.getRoot()->maxDepth, 6);
}

TEST_F(TreeTest, Reordering) {
  dv_TreeNode* c = tree.addNode(tree.getRoot(), "c");
  ASSERT_TRUE(tree.reorder(c, 0));
  EXPECT_EQ(childNames(tree, tree.getRoot()), (std::vector<std::string>{"c", "a", "b"}));
  ASSERT_TRUE(tree.reorderFromBack(c, 0));
  EXPECT_EQ(childNames(tree, tree.getRoot()), (std::vector<std::string>{"a", "b", "c"}));
  ASSERT_TRUE(tree.reorderFromBack(a, 1));
  EXPECT_EQ(childNames(tree, tree.getRoot()), (std::vector<std::string>{"b", "a", "c"}));
  ASSERT_TRUE(tree.reorder(b, 99));
  EXPECT_EQ(childNames(tree, tree.getRoot()), (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_FALSE(tree.reorder(tree.getRoot(), 0));
}

TEST_F(TreeTest, PrintShowsDepthFirstWithDeepestLevel) {
  ReportCapture capture;
  tree.Print();
  EXPECT_EQ(capture.take(),
            (std::vector<std::string>{"(root, 3)", "\t(a, 3)", "\t\t(a1, 3)", "\t\t\t(a11, 3)", "\t(b, 1)"}));
}

TEST_F(TreeTest, OwnedDataGoesWithItsNode) {
  struct Probe {
    explicit Probe(int* counter) : counter(counter) {}
    ~Probe() { ++*counter; }
    int* counter;
  };
  int deleted = 0;
  int shared = 0;
  a11->setOwnedData(new Probe(&deleted));
  b->setSharedData(&shared);
  tree.removeNode(a);
  EXPECT_EQ(deleted, 1);
  tree.clear("again");
  EXPECT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree.getRoot()->name, "again");
}

}  // namespace
