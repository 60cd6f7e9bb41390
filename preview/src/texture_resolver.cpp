#include "texture_resolver.h"

namespace preview {

namespace {

std::string lower(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool names_a_live_texture(std::string_view label) {
  constexpr std::string_view kDestroyed = " (destroyed)";
  const bool destroyed = label.size() > kDestroyed.size() &&
                         label.substr(label.size() - kDestroyed.size()) == kDestroyed;
  return label != "(unknown)" && !destroyed;
}

}  // namespace

void TextureResolver::note_lookup(const LogCall& call) {
  const std::optional<std::string> dictionary = call.text(0);
  const std::optional<std::string> name = call.text(1);
  if (!name) return;
  // The host's own dictionaries are not files; their pictures are the store's.
  const std::string where =
      dictionary && library_.has_dictionary(*dictionary) ? *dictionary : std::string(kHostStore);
  dictionary_of_[lower(*name)] = where;
}

const Texture* TextureResolver::resolve(const std::optional<std::string>& label) const {
  if (!label || !names_a_live_texture(*label)) return nullptr;
  const auto noted = dictionary_of_.find(lower(*label));
  if (noted != dictionary_of_.end()) {
    if (const Texture* t = library_.find(noted->second, *label)) return t;
  }
  return library_.find_any(*label);
}

}  // namespace preview
