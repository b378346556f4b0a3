// The design surface's arithmetic and its press/move/release machine, without windows.
#include "editor/design_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace plexara {
namespace {

TEST(DesignGeometry, HandleZonesBodyAndOverlap) {
  const ObjectBounds b{10, 20, 40, 30};  // right edge 50, bottom 50, middles 30 and 35
  struct Case {
    int x, y, handle;
  };
  const Case cases[] = {
      {7, 17, 1},          {13, 23, 1},           {30, 17, 2},         {27, 23, 2},
      {46, 17, 3},         {52, 23, 3},           {53, 20, kNoHandle},  // the far zones stop two
                                                                        // pixels outside
      {46, 35, 4},         {52, 38, 4},           {46, 46, 5},         {52, 52, 5},
      {30, 52, 6},         {10, 50, 7},           {7, 35, 8},          {14, 30, kBodyHandle},
      {49, 33, 4},         {10, 40, kBodyHandle}, {49, 49, 5},         {49, 30, kBodyHandle},
      {50, 30, kNoHandle}, {54, 30, kNoHandle},   {20, 51, kNoHandle}, {20, 60, kNoHandle},
  };
  for (const Case& c : cases) EXPECT_EQ(HandleAt(b, c.x, c.y), c.handle) << c.x << "," << c.y;
  // A small object's zones overlap: the highest number wins.
  const ObjectBounds tiny{0, 0, 4, 4};
  EXPECT_EQ(HandleAt(tiny, 0, 0), 8);  // every zone holds it
  EXPECT_EQ(HandleAt(tiny, 2, 4), 8);
  EXPECT_EQ(HandleAt(tiny, 5, 5), 6);  // 4, 5 and 6
  EXPECT_EQ(HandleAt(tiny, 6, 6), 5);
}

TEST(DesignGeometry, SnapRoundsToTheNearestGridPoint) {
  EXPECT_EQ(SnapToGrid({3, 4}, 8, 8), (DesignPoint{0, 8}));
  EXPECT_EQ(SnapToGrid({12, 11}, 8, 8), (DesignPoint{16, 8}));
  EXPECT_EQ(SnapToGrid({14, 5}, 10, 4), (DesignPoint{10, 4}));
}

TEST(DesignGeometry, HandleRules) {
  struct Case {
    int handle;
    ObjectBounds expected;
  };
  const Case cases[] = {
      {0, {13, 15, 20, 20}}, {1, {13, 15, 17, 25}}, {2, {10, 15, 20, 25}},
      {3, {10, 15, 23, 25}}, {4, {10, 20, 23, 20}}, {5, {10, 20, 23, 15}},
      {6, {10, 20, 20, 15}}, {7, {13, 20, 17, 15}}, {8, {13, 20, 17, 20}},
  };
  for (const Case& c : cases) {
    ObjectBounds b{10, 20, 20, 20};
    ApplyHandleRule(b, c.handle, 3, -5);
    EXPECT_EQ(b, c.expected) << "handle " << c.handle;
  }
}

TEST(DesignGeometry, ClampKeepsObjectsOnThePage) {
  ObjectBounds b{-7, -1, 30, 30};
  EXPECT_TRUE(ClampToContent(b, 200, 100));
  EXPECT_EQ(b, (ObjectBounds{0, 0, 30, 30}));
  b = {300, 99, 30, 30};
  EXPECT_TRUE(ClampToContent(b, 200, 100));
  EXPECT_EQ(b, (ObjectBounds{195, 95, 30, 30}));
  b = {195, 95, 30, 30};
  EXPECT_FALSE(ClampToContent(b, 200, 100));
}

TEST(DesignGeometry, PointerShapes) {
  std::vector<DesignObject> objects{{{10, 10, 40, 40}, true, true},
                                    {{30, 30, 40, 40}, true, false}};
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {20, 20}), PointerShape::Move);
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {10, 10}), PointerShape::SizeNwse);
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {30, 10}), PointerShape::SizeNs);
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {49, 10}), PointerShape::SizeNesw);
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {10, 30}), PointerShape::SizeWe);
  // The unselected object on top hides the selected one's bottom-right handle.
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {48, 48}), PointerShape::Arrow);
  EXPECT_EQ(DesignPointer::ShapeAt(objects, {100, 100}), PointerShape::Arrow);
}

TEST(DesignGeometry, ShadowBlend) {
  // Red 200 over 100 at alpha 80: (175 * 100 + 80 * 200) / 255 = 131.37 -> 131.
  EXPECT_EQ(BlendShadowColor(0x00000064, 0x000000C8, 80), 0x00000083u);
  EXPECT_EQ(BlendShadowColor(0x00FFFFFF, 0x00000000, 80), 0x00AFAFAFu);  // 175.0
  EXPECT_EQ(BlendShadowColor(0x00FF8000, 0x000000FF, 255), 0x000000FFu);
  EXPECT_EQ(BlendShadowColor(0x00123456, 0x00FFFFFF, 0), 0x00123456u);
  EXPECT_EQ(BlendShadowColor(0x00000001, 0x00000000, 128), 0x00000000u);  // 0.498 -> 0
  EXPECT_EQ(BlendShadowColor(0x00000002, 0x00000000, 127), 0x00000001u);  // 1.004 -> 1
}

// A pointer over a few objects, driven like the design window drives it.
struct Surface {
  std::vector<DesignObject> objects;
  DesignPointer pointer;
  GridSettings grid;
  void Drag(DesignPoint from, DesignPoint to, bool ctrl = false) {
    pointer.Press(objects, from, ctrl);
    pointer.Move(objects, to, grid);
    pointer.Release(objects, to, ctrl, true);
  }
  void Click(DesignPoint at, bool ctrl = false) {
    pointer.Press(objects, at, ctrl);
    pointer.Release(objects, at, ctrl, true);
  }
  std::vector<bool> Selection() const {
    std::vector<bool> s;
    for (const DesignObject& o : objects) s.push_back(o.selected);
    return s;
  }
};

TEST(DesignPointer, SnappedDragMovesInWholeGridStepsFromTheStart) {
  Surface s;
  s.objects = {{{3, 40, 50, 20}, true, false}};
  s.pointer.Press(s.objects, {20, 50}, false);
  EXPECT_EQ(s.pointer.mode(), PressMode::Drag);
  EXPECT_EQ(s.pointer.Move(s.objects, {27, 50}, s.grid), DesignPointer::MoveEffect::None);
  EXPECT_EQ(s.objects[0].bounds.left, 3);
  EXPECT_EQ(s.pointer.Move(s.objects, {35, 50}, s.grid), DesignPointer::MoveEffect::Objects);
  EXPECT_EQ(s.objects[0].bounds.left, 11);  // the offset of 3 from the grid stays
  EXPECT_EQ(s.pointer.dragPoint(), (DesignPoint{28, 50}));
  // Truncated toward zero on the way back too.
  s.pointer.Move(s.objects, {11, 50}, s.grid);
  EXPECT_EQ(s.objects[0].bounds.left, -5);
  EXPECT_TRUE(s.pointer.Release(s.objects, {11, 50}, false, true));
  EXPECT_EQ(s.Selection(), std::vector<bool>{true});
  EXPECT_EQ(s.pointer.mode(), PressMode::Idle);
}

TEST(DesignPointer, ResizeNeverGoesBelowTheMinimum) {
  for (bool snap : {true, false}) {
    Surface s;
    s.grid.snap = snap;
    s.objects = {{{40, 40, 30, 30}, true, true}};
    s.pointer.Press(s.objects, {70, 70}, false);  // bottom-right handle
    EXPECT_EQ(s.pointer.handle(), 5);
    s.pointer.Move(s.objects, {10, 66}, s.grid);
    if (snap) {
      EXPECT_EQ(s.objects[0].bounds,
                (ObjectBounds{40, 40, 8, 30}));  // 30 - 56 wide: raised to one step
    } else {
      EXPECT_EQ(s.objects[0].bounds, (ObjectBounds{40, 40, 1, 26}));
    }
  }
}

TEST(DesignPointer, APressOnASelectedObjectsHandleOverAnotherObjectResizesTheSelectedOne) {
  Surface s;
  s.objects = {{{20, 20, 60, 60}, true, false}, {{0, 0, 21, 21}, true, true}};
  // (21, 21) lies strictly inside the lower, unselected object and on the upper one's handle 5.
  s.pointer.Press(s.objects, {21, 21}, false);
  EXPECT_EQ(s.pointer.mode(), PressMode::Drag);
  EXPECT_EQ(s.pointer.handle(), 5);
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, true}));
  s.pointer.Move(s.objects, {37, 29}, s.grid);
  EXPECT_EQ(s.objects[1].bounds, (ObjectBounds{0, 0, 37, 29}));
  EXPECT_EQ(s.objects[0].bounds, (ObjectBounds{20, 20, 60, 60}));
}

TEST(DesignPointer, ClicksSelectTheTopmostAndCtrlToggles) {
  Surface s;
  s.objects = {{{10, 10, 50, 50}, true, false},
               {{30, 30, 50, 50}, true, false},
               {{200, 10, 20, 20}, true, true}};
  s.Click(
      {40, 40});  // both lie under the point: the top one is selected alone and moved by nothing
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, true, false}));
  s.Click({205, 15}, true);  // Ctrl+click on an unselected object adds it
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, true, true}));
  s.Click({205, 15}, true);  // and on a selected one removes it
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, true, false}));
  s.Click({150, 150}, true);  // Ctrl+click on empty space keeps the selection
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, true, false}));
  s.Click({150, 150});
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, false, false}));
}

TEST(DesignPointer, BandSelectsWhatItMeetsAndCtrlBandToggles) {
  Surface s;
  s.objects = {{{10, 10, 20, 20}, true, false},
               {{50, 10, 20, 20}, true, true},
               {{100, 100, 20, 20}, true, true},
               {{0, 0, 200, 200}, false, false}};  // hidden on the surface: never touched
  s.Drag({29, 5}, {55, 12});                       // meets the first two by their edges
  EXPECT_EQ(s.Selection(), (std::vector<bool>{true, true, false, false}));
  s.objects[2].selected = true;
  s.Drag({29, 5}, {55, 12}, true);
  EXPECT_EQ(s.Selection(), (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(s.pointer.band().empty());
  s.objects[1].selected = false;
  s.objects[2].selected = true;
  s.pointer.Press(s.objects, {60, 40}, true);
  EXPECT_EQ(s.pointer.Move(s.objects, {40, 20}, s.grid), DesignPointer::MoveEffect::Band);
  EXPECT_EQ(s.pointer.band(), (DesignRect{40, 20, 60, 40}));
}

TEST(DesignPointer, TheReleaseOfACreatingPressChangesNothing) {
  Surface s;
  s.objects = {{{10, 10, 20, 20}, true, true}};
  s.pointer.MarkJustCreated();
  EXPECT_FALSE(s.pointer.Release(s.objects, {100, 100}, false, true));
  EXPECT_EQ(s.Selection(), std::vector<bool>{true});
  EXPECT_FALSE(s.pointer.justCreated());
  // Only a left release ends it.
  s.pointer.MarkJustCreated();
  EXPECT_TRUE(s.pointer.Release(s.objects, {15, 15}, false, false));
  EXPECT_TRUE(s.pointer.justCreated());
}

}  // namespace
}  // namespace plexara
