// The reference host's stream reader, dictionary store and sprite holders,
// reached through the host image the way the plug-in reaches them.
#include "services/textures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "draw_log.h"
#include "runtime/host_interface.h"
#include "services/streams.h"
#include "support/game_folder.h"
#include "txd_file.h"

namespace {

namespace textures = refhost::textures;

std::vector<std::string> Lines() { return refhost::draw_log().texts(); }

std::uint32_t Handle(void* texture) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(texture));
}

// The plug-in's spelling of a file in its data folder.
std::string HostPath(const std::string& file) {
  return test_game_folder() + "slate_pane_morrowfen\\" + file;
}

class HostTextures : public testing::Test {
 protected:
  void SetUp() override {
    textures::reset();
    refhost::draw_log().clear();
  }
  void TearDown() override {
    for (const char* file : {"a.txd", "b.txd"})
      remove_game_file(std::string("slate_pane_morrowfen/") + file);
    textures::reset();
    refhost::draw_log().clear();
  }
  static void Write(const std::string& file, const std::string& bytes) {
    write_game_file("slate_pane_morrowfen/" + file, bytes);
  }
};

TEST_F(HostTextures, StreamReadsADictionaryAndLogsByName) {
  Write("a.txd", refhost::txd::chunk(1, 3, "lead-in") +
                     refhost::txd::dictionary_file(refhost::txd::named_textures({"star", "bar"})));
  void* stream = HostStream::Open(2, 1, HostPath("a.txd").c_str());
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(refhost::streams::open_streams(), 1);
  std::uint32_t length = 0;
  std::uint32_t version = 0;
  ASSERT_TRUE(HostStream::FindChunk(stream, 22, &length, &version));
  EXPECT_EQ(length, 4u + 2u * 44u);
  EXPECT_EQ(version, 1u);
  void* dictionary = HostStream::ReadDictionary(stream);
  ASSERT_NE(dictionary, nullptr);
  HostStream::Close(stream);
  EXPECT_EQ(refhost::streams::open_streams(), 0);
  // A closed stream answers nothing.
  EXPECT_FALSE(HostStream::FindChunk(stream, 22, nullptr, nullptr));
  EXPECT_EQ(HostStream::ReadDictionary(stream), nullptr);
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         R"(HostStream.Open 2 1 "slate_pane_morrowfen\\a.txd")",
                         R"(HostStream.FindChunk "a.txd" 22 "out" "out")",
                         R"(HostStream.ReadDictionary "a.txd")", R"(HostStream.Close "a.txd")",
                         R"~(HostStream.FindChunk "a.txd (closed)" 22 null null)~",
                         R"~(HostStream.ReadDictionary "a.txd (closed)")~"}));
  EXPECT_EQ(textures::texture_name(Handle(HostTxd::FindTexture(dictionary, "BAR"))), "bar");
  EXPECT_EQ(textures::live_dictionaries().back(), "a.txd");
}

TEST_F(HostTextures, StreamReadsADictionaryWithPixels) {
  refhost::txd::TextureEntry star{"star", 2, 1, {255, 0, 0, 255, 0, 0, 255, 128}};
  Write("a.txd", refhost::txd::dictionary_file({star, refhost::txd::TextureEntry{"bar", 4, 4}},
                                               refhost::txd::kPixelDictionaryVersion));
  void* stream = HostStream::Open(2, 1, HostPath("a.txd").c_str());
  std::uint32_t version = 0;
  ASSERT_TRUE(HostStream::FindChunk(stream, 22, nullptr, &version));
  EXPECT_EQ(version, 2u);
  void* dictionary = HostStream::ReadDictionary(stream);
  HostStream::Close(stream);
  ASSERT_NE(dictionary, nullptr);
  EXPECT_EQ(textures::texture_name(Handle(HostTxd::FindTexture(dictionary, "star"))), "star");
  EXPECT_EQ(textures::texture_name(Handle(HostTxd::FindTexture(dictionary, "bar"))), "bar");
}

TEST_F(HostTextures, StreamRefusals) {
  Write("a.txd", refhost::txd::dictionary_file(refhost::txd::named_textures({"star"})));
  Write("b.txd", std::string(refhost::streams::kMaxStreamBytes + 1, '\0'));
  EXPECT_EQ(HostStream::Open(2, 1, HostPath("missing.txd").c_str()), nullptr);
  EXPECT_EQ(HostStream::Open(1, 1, HostPath("a.txd").c_str()), nullptr);
  EXPECT_EQ(HostStream::Open(2, 2, HostPath("a.txd").c_str()), nullptr);
  EXPECT_EQ(HostStream::Open(2, 1, nullptr), nullptr);
  EXPECT_EQ(HostStream::Open(2, 1, HostPath("b.txd").c_str()), nullptr);
  EXPECT_EQ(refhost::streams::open_streams(), 0);

  void* stream = HostStream::Open(2, 1, HostPath("a.txd").c_str());
  ASSERT_NE(stream, nullptr);
  // Nothing to read before a dictionary chunk is found; a failed search
  // leaves the stream at its end.
  EXPECT_EQ(HostStream::ReadDictionary(stream), nullptr);
  EXPECT_FALSE(HostStream::FindChunk(stream, 23, nullptr, nullptr));
  EXPECT_FALSE(HostStream::FindChunk(stream, 22, nullptr, nullptr));
  EXPECT_EQ(HostStream::ReadDictionary(stream), nullptr);
  HostStream::Close(stream);
  int unknown = 0;
  HostStream::Close(&unknown);
  EXPECT_EQ(Lines().back(), R"~(HostStream.Close "(unknown)")~");
}

TEST_F(HostTextures, StoreSlotsAndTheCurrentDictionary) {
  EXPECT_EQ(HostTxd::FindSlot("generic"), 0);
  EXPECT_EQ(HostTxd::FindSlot("hud"), 1);
  EXPECT_EQ(HostTxd::FindSlot("radar00"), 2);
  EXPECT_EQ(HostTxd::FindSlot("radar63"), 65);
  EXPECT_EQ(HostTxd::FindSlot("radar64"), -1);
  EXPECT_EQ(HostTxd::FindSlot("Radar63"), 65);  // any case
  for (int k : {0, 9, 10, 63}) {
    const std::string name = (k < 10 ? "radar0" : "radar") + std::to_string(k);
    SCOPED_TRACE(name);
    EXPECT_EQ(textures::texture_name(
                  Handle(HostTxd::FindTexture(textures::store_dictionary(name), name.c_str()))),
              name);
  }
  void* generic = HostTxd::GetCurrent();
  EXPECT_EQ(generic, textures::store_dictionary("generic"));
  HostTxd::PopCurrent();  // nothing stored yet: stays
  EXPECT_EQ(textures::current_dictionary(), generic);
  HostTxd::PushCurrent(1);
  EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("hud"));
  HostTxd::PopCurrent();
  EXPECT_EQ(textures::current_dictionary(), generic);
  // The host stores one dictionary, which SaveCurrent and PushCurrent
  // overwrite and PopCurrent keeps: the radar tile's SaveCurrent, PushCurrent,
  // PopCurrent leaves nothing behind, however often it runs.
  HostTxd::PushCurrent(1);
  HostTxd::SaveCurrent();
  HostTxd::PushCurrent(-1);
  EXPECT_EQ(textures::current_dictionary(), nullptr);
  for (int pop = 1; pop <= 3; ++pop) {
    SCOPED_TRACE(pop);
    HostTxd::PopCurrent();
    EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("hud"));
  }
}

TEST_F(HostTextures, DestroyedDictionariesAreGoneButStillNamed) {
  void* hud = textures::store_dictionary("hud");
  const std::uint32_t centre = Handle(HostTxd::FindTexture(hud, "radar_centre"));
  EXPECT_NE(textures::texture_raster(centre), 0u);
  HostTxd::PushCurrent(1);
  refhost::draw_log().clear();
  HostTxd::Destroy(hud);
  HostTxd::Destroy(hud);
  HostTxd::Destroy(nullptr);
  EXPECT_EQ(HostTxd::FindTexture(hud, "radar_centre"), nullptr);
  EXPECT_EQ(HostTxd::FindTexture(nullptr, "radar_centre"), nullptr);
  EXPECT_EQ(textures::destroy_calls("hud"), 2);
  EXPECT_EQ(textures::store_dictionary("hud"), nullptr);
  EXPECT_EQ(textures::current_dictionary(), nullptr);
  EXPECT_EQ(textures::texture_label(centre), "\"radar_centre (destroyed)\"");
  EXPECT_EQ(textures::texture_raster(centre), 0u);
  HostTxd::PopCurrent();
  EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("generic"));
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{
                R"(HostTxd.Destroy "hud")", R"~(HostTxd.Destroy "hud (destroyed)")~",
                "HostTxd.Destroy null", R"~(HostTxd.FindTexture "hud (destroyed)" "radar_centre")~",
                R"(HostTxd.FindTexture null "radar_centre")", "HostTxd.PopCurrent"}));
}

TEST_F(HostTextures, RastersAreDistinctAndStartAfreshOnReset) {
  const std::uint32_t white =
      Handle(HostTxd::FindTexture(textures::store_dictionary("generic"), "white"));
  const std::uint32_t star =
      Handle(HostTxd::FindTexture(textures::store_dictionary("generic"), "star"));
  EXPECT_EQ(textures::texture_raster(white), 1u);
  EXPECT_EQ(textures::texture_raster(star), 2u);
  textures::reset();
  // The old handle stays readable and named, but is no longer live.
  EXPECT_EQ(textures::texture_label(white), "\"white (destroyed)\"");
  const std::uint32_t fresh =
      Handle(HostTxd::FindTexture(textures::store_dictionary("generic"), "white"));
  EXPECT_NE(fresh, white);
  EXPECT_EQ(textures::texture_raster(fresh), 1u);
}

TEST_F(HostTextures, SpriteHoldersTakeTexturesFromTheCurrentDictionary) {
  SpriteHolder holder{0xDEAD};
  HostSprite::Construct(&holder);
  EXPECT_EQ(holder.texture, 0u);
  HostSprite::SetTexture(&holder, "star");
  EXPECT_EQ(textures::texture_name(holder.texture), "star");
  const FloatRect rect{1.5f, 2.0f, 3.25f, -4.0f};
  const Rgba colour{1, 2, 3, 4};
  HostSprite::Draw(&holder, &rect, &colour);
  HostSprite::DrawQuad(&holder, 1, 2, 3, 4, 5, 6, 7, 0.1f, &colour);
  HostSprite::DrawRaw(1, 2, 3, 4, 5, 6, 7, 8, 9, 0.5f, 11);
  HostSprite::DrawRect(&rect, nullptr);
  HostSprite::Release(&holder);
  EXPECT_EQ(holder.texture, 0u);
  HostSprite::SetTexture(&holder, "radar_centre");  // not in "generic"
  EXPECT_EQ(holder.texture, 0u);
  holder.texture = 0x1234;
  HostSprite::Draw(&holder, nullptr, &colour);
  HostSprite::Destruct(&holder);
  EXPECT_EQ(holder.texture, 0u);
  EXPECT_EQ(
      Lines(),
      (std::vector<std::string>{
          "HostSprite.Construct", R"(HostSprite.SetTexture null "star")",
          R"(HostSprite.Draw "star" 1.5 2 3.25 -4 1 2 3 4)",
          R"(HostSprite.DrawQuad "star" 1 2 3 4 5 6 7 0.1 1 2 3 4)",
          "HostSprite.DrawRaw 1 2 3 4 5 6 7 8 9 0.5 11", "HostSprite.DrawRect 1.5 2 3.25 -4 -1",
          R"(HostSprite.Release "star")", R"(HostSprite.SetTexture null "radar_centre")",
          R"~(HostSprite.Draw "(unknown)" -1 1 2 3 4)~", R"~(HostSprite.Destruct "(unknown)")~"}));
}

}  // namespace
