#pragma once
// The functions of a 32-bit ELF shared object, from its symbol table, so
// that an offset into the loaded object names the routine it lies in.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class ElfSymbols {
 public:
  // Reads the object's .symtab (or .dynsym when stripped); none when the
  // file is no 32-bit little-endian ELF object.
  explicit ElfSymbols(const std::filesystem::path& object);

  struct Routine {
    std::string name;  // as written in the source, without namespaces or parameters
    std::string file;  // the source file of a local routine ("money.cpp"); "" for others
  };
  // The function holding `offset`; an empty name when none does.
  Routine At(std::uint32_t offset) const;
  std::size_t size() const { return functions_.size(); }

 private:
  struct Function {
    std::uint32_t start;
    std::uint32_t size;
    Routine routine;
  };
  std::vector<Function> functions_;
};

// "(anonymous namespace)::PrintNarrow(float, char const*)" -> "PrintNarrow".
std::string ShortRoutineName(const std::string& demangled);
