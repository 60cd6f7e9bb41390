#include "texture_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "picture.h"

namespace preview {
namespace {

using testing::temporary_folder;

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  out.close();
  ASSERT_TRUE(out) << "cannot write " << path;
}

TEST(TextureLibrary, PixelsBecomePremultipliedImages) {
  TextureLibrary library;
  library.add("a.txd", {refhost::txd::TextureEntry("dot", 2, 1, {200, 100, 50, 128, 9, 9, 9, 0})});
  const Texture* t = library.find("a.txd", "DOT");
  ASSERT_NE(t, nullptr);
  ASSERT_TRUE(t->image);
  cairo_surface_flush(t->image.get());
  const auto* pixels =
      reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(t->image.get()));
  // 200 x 128 / 255 = 100.4, 100 x 128 / 255 = 50.2, 50 x 128 / 255 = 25.1.
  EXPECT_EQ(pixels[0], 0x80643219u);
  EXPECT_EQ(pixels[1], 0u);
}

TEST(TextureLibrary, FindsByDictionaryThenByNameAlone) {
  TextureLibrary library;
  library.add("ring_vc.txd", {refhost::txd::TextureEntry("3", 8, 8)});
  library.add("radio_vc.txd", {refhost::txd::TextureEntry("3", 4, 4)});
  EXPECT_EQ(library.find("radio_vc.txd", "3")->width, 4);
  EXPECT_EQ(library.find_any("3")->width, 8);
  EXPECT_FALSE(library.find("radio_vc.txd", "4"));
  EXPECT_FALSE(library.find_any("4"));
  // Without pixels: known by name and size, no image.
  EXPECT_FALSE(library.find_any("3")->image);
  EXPECT_TRUE(library.has_dictionary("ring_vc.txd"));
  EXPECT_FALSE(library.has_dictionary("hud_vc.txd"));
}

TEST(TextureLibrary, AFolderGivesEachFileItsName) {
  const std::string folder = temporary_folder();
  Write(folder + "/b.txd", refhost::txd::dictionary_file(refhost::txd::named_textures({"bar"})));
  Write(folder + "/a.txd",
        refhost::txd::chunk(7, 1, "lead-in") +
            refhost::txd::dictionary_file({testing::solid("star", testing::kRed)}, 2));
  Write(folder + "/notes.txt", "not a dictionary");
  TextureLibrary library;
  library.add_folder(folder);
  EXPECT_TRUE(library.find("a.txd", "star"));
  EXPECT_TRUE(library.find("a.txd", "star")->image);
  EXPECT_TRUE(library.find("b.txd", "bar"));
  Write(folder + "/c.txd", "garbage");
  EXPECT_THROW(library.add_folder(folder), std::runtime_error);
  EXPECT_THROW(library.add_file(folder + "/missing.txd", "x"), std::runtime_error);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace preview
