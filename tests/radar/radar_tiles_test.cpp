// Map tiles and the mask, drawn as the host's map layer asks for them.
#include "radar/radar_tiles.h"

#include <gtest/gtest.h>

#include "radar/radar_fixture.h"
#include "radar/radar_handlers.h"
#include "radar/radar_mask.h"
#include "runtime/host_interface.h"
#include "runtime/sprite_holders.h"
#include "services/radar.h"
#include "services/render.h"
#include "services/textures.h"

// Calls a routine with two 32-bit stack arguments as host code does (pushed
// right to left, taken off by the caller) and answers 1 when the routine left
// the stack pointer where the call found it.
extern "C" int slatepane_test_call_cdecl2(void* entry, int first, int second);
asm(R"(
  .text
  .globl slatepane_test_call_cdecl2
  .type slatepane_test_call_cdecl2, @function
slatepane_test_call_cdecl2:
  pushl %ebp
  movl %esp, %ebp
  pushl %esi
  pushl %edi
  movl %esp, %edi
  andl $-16, %esp
  subl $8, %esp
  movl %esp, %esi
  pushl 16(%ebp)
  pushl 12(%ebp)
  call *8(%ebp)
  addl $8, %esp
  xorl %eax, %eax
  cmpl %esp, %esi
  sete %al
  movl %edi, %esp
  popl %edi
  popl %esi
  popl %ebp
  ret
)");

namespace {

using RadarTilesTest = RadarTest;

struct TileCase {
  const char* name;
  int column, row;
  FloatPoint centre;  // the tile's quad spans +-0.5 radar units round it
  const char* texture;
  int slot;
  float u0, u1, v0, v1;  // at the west and east, north and south edges
};

// The quad's corners, the radar's -0.5..0.5 (range 500), on screen.
const std::vector<float> kQuad = {117.5f, 979, 246.5f, 979, 246.5f, 891, 117.5f, 891};

TEST_F(RadarTilesTest, TilesFromTheirDictionariesWithTheirWorldEdges) {
  const TileCase cases[] = {
      {"north-west corner", 0, 0, {-1750, 1750}, "radar00", 2, 0, 1, 0, 1},
      {"south-east corner", 7, 7, {1750, -1750}, "radar63", 65, 0, 1, 0, 1},
      {"(3, 3)", 3, 3, {-250, 250}, "radar27", 29, 0, 1, 0, 1},
      {"column -1 takes column 0", -1, 0, {-2250, 1750}, "radar00", 2, -1, 0, 0, 1},
      {"row 8 takes row 7", 0, 8, {-1750, -2250}, "radar56", 58, 0, 1, 1, 2},
  };
  Set("HostRadar.Range", 500);
  for (const TileCase& c : cases) {
    SCOPED_TRACE(c.name);
    Set("HostRadar.Centre", {c.centre.x, c.centre.y});
    ClearLog();
    DrawRadarTile(c.column, c.row);
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 64u + 8u);
    // All 64 dictionaries are looked up at every tile.
    for (int k = 0; k < 64; ++k) EXPECT_EQ(RadarTileSlots[k], k + 2);
    EXPECT_EQ(calls[63], R"(HostTxd.FindSlot "radar63")");
    EXPECT_EQ(calls[64], "HostTxd.SaveCurrent");
    EXPECT_EQ(calls[65], "HostTxd.PushCurrent " + std::to_string(c.slot));
    EXPECT_EQ(calls[66], std::string("HostSprite.SetTexture null \"") + c.texture + "\"");
    EXPECT_EQ(calls[67], "HostTxd.PopCurrent");
    EXPECT_EQ(Floats(Calls("HostRadar.ClipPolygon")[0]),
              (std::vector<float>{-0.5f, -0.5f, 0.5f, -0.5f, 0.5f, 0.5f, -0.5f, 0.5f}));
    EXPECT_EQ(calls[69], std::string("HostRender.SetState 1 ") +
                             std::to_string(refhost::render::state(1)) + " \"" + c.texture + "\"");
    // Corners P0..P3: south-west, south-east, north-east, north-west.
    const std::vector<float> expected = {4,        kQuad[0], kQuad[1], c.u0,     c.v1,     kQuad[2],
                                         kQuad[3], c.u1,     c.v1,     kQuad[4], kQuad[5], c.u1,
                                         c.v0,     kQuad[6], kQuad[7], c.u0,     c.v0,     255,
                                         255,      255,      255};
    EXPECT_EQ(Floats(Calls("HostIm2D.SetVertices")[0]), expected);
    EXPECT_EQ(calls[71], R"(HostIm2D.RenderPrimitive 5 "HostIm2D.VertexBuffer" 4)");
    RadarTileSprite.texture = 0;
  }
}

TEST_F(RadarTilesTest, TurnedCameraStillTexturesTheTileEdgeToEdge) {
  Set("Camera.Slot[0].Mode", 4);
  Set("Camera.FrontX", 0.6);
  Set("Camera.FrontY", 0.8);
  Set("HostRadar.Range", 1000);
  Set("HostRadar.Centre", {-250, 250});
  DrawRadarTile(3, 3);
  const std::vector<float> v = Floats(Calls("HostIm2D.SetVertices")[0]);
  ASSERT_EQ(v.size(), 1u + 4 * 4 + 4);
  const float uv[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(v[1 + 4 * k + 2], uv[k][0], 1e-5f);
    EXPECT_NEAR(v[1 + 4 * k + 3], uv[k][1], 1e-5f);
  }
}

TEST_F(RadarTilesTest, StoreLayoutDecidesTheNameAndAMissingTileIsSkipped) {
  refhost::textures::insert_store_dictionary("radar08", "spare");
  DrawRadarTile(0, 1);
  // radar08 sits one entry later than a consecutive store would have it.
  EXPECT_EQ(Calls("HostTxd.PushCurrent")[0].int_arg(0), 11);
  EXPECT_EQ(Calls("HostSprite.SetTexture")[0].text_arg(1), "radar09");
  EXPECT_TRUE(Calls("HostRadar.ClipPolygon").empty());  // no such texture there
  refhost::textures::leave_out_store_dictionary("radar05");
  ClearLog();
  DrawRadarTile(5, 0);
  EXPECT_EQ(RadarTileSlots[5], -1);
  EXPECT_EQ(Calls().size(), 64u);  // the lookups only: no index pushed
}

TEST_F(RadarTilesTest, ClipCountIsBoundedAndSmallPolygonsSkipped) {
  struct Case {
    int answered;
    int drawn;  // 0: nothing drawn
  };
  const Case cases[] = {{12, 8}, {3, 3}, {2, 0}, {-1, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answered);
    refhost::radar::answer_clip_count(c.answered);
    ClearLog();
    DrawRadarTile(4, 3);
    const std::vector<refhost::RecordedCall> drawn = Calls("HostIm2D.RenderPrimitive");
    ASSERT_EQ(drawn.size(), c.drawn == 0 ? 0u : 1u);
    if (c.drawn == 0) continue;
    EXPECT_EQ(drawn[0].int_arg(2), c.drawn);
    EXPECT_EQ(Calls("HostIm2D.SetVertices")[0].int_arg(0), c.drawn);
  }
}

// The host reaches the replacement through its own routine's entry, with
// two stack arguments that it takes off again itself.
TEST_F(RadarTilesTest, HostCallsThroughItsPatchedEntry) {
  void* entry = Image().symbol(HostId::HostRadar_DrawTile);
  EXPECT_EQ(slatepane_test_call_cdecl2(entry, 3, 4), 1);
  EXPECT_EQ(Calls(), std::vector<std::string>{"HostRadar.DrawTile 3 4"});  // still the host's
  RadarPatchHandler();
  ClearLog();
  EXPECT_EQ(slatepane_test_call_cdecl2(entry, 3, 4), 1);
  EXPECT_EQ(Calls("HostTxd.FindSlot").size(), 64u);
  EXPECT_EQ(Calls("HostSprite.SetTexture")[0].text_arg(1), "radar35");
  EXPECT_EQ(Calls("HostIm2D.RenderPrimitive").size(), 1u);
}

TEST_F(RadarTilesTest, MaskSetsNineStatesAndCoversNothing) {
  DrawRadarMask();
  std::vector<std::string> expected = {
      "HostRender.SetState 1 0 null", "HostRender.SetState 10 5", "HostRender.SetState 11 6",
      "HostRender.SetState 14 0",     "HostRender.SetState 9 2",  "HostRender.SetState 7 1",
      "HostRender.SetState 6 0",      "HostRender.SetState 8 1",  "HostRender.SetState 12 1"};
  std::string fan = "HostIm2D.SetMaskVertices 8";
  for (int k = 0; k < 8; ++k) fan += " 182 935";  // every vertex on the radar centre
  for (int q = 0; q < 4; ++q) {
    expected.push_back(fan);
    expected.push_back(R"(HostIm2D.RenderPrimitive 5 "HostIm2D.VertexBuffer" 8)");
  }
  EXPECT_EQ(Calls(), expected);
  // Depth write on and texturing off for whatever comes next.
  EXPECT_EQ(refhost::render::state(8), 1u);
  EXPECT_EQ(refhost::render::state(1), 0u);
}

}  // namespace
