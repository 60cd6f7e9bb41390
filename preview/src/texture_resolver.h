#pragma once
// Which texture a name in the draw log stands for. The log names a sprite
// holder and a raster by their texture's name; names repeat across
// dictionaries ("3" is a weapon icon and a station icon), so the name means
// the texture of that name that HostTxd.FindTexture last looked up, and a
// name never looked up (a holder filled by HostSprite.SetTexture, a radar
// tile) the first texture of that name in the library.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "log_call.h"
#include "texture_library.h"

namespace preview {

class TextureResolver {
 public:
  explicit TextureResolver(const TextureLibrary& library) : library_(library) {}

  // Takes note of a HostTxd.FindTexture call (dictionary, name).
  void note_lookup(const LogCall& call);
  // The texture of a logged label: null for null, "(unknown)", a destroyed
  // texture or a name the library lacks.
  const Texture* resolve(const std::optional<std::string>& label) const;

 private:
  const TextureLibrary& library_;
  std::map<std::string, std::string> dictionary_of_;  // lower-case name -> dictionary
};

}  // namespace preview
