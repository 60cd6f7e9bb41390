#pragma once
// The functions of the plug-in binary, from its symbol table, so that an
// offset from its base names the routine it lies in: the native plug-in's
// ELF symbols, or the COFF symbols of an unstripped twin of the Windows
// plug-in (linked from the same objects in the same way, so that every
// routine lies where it lies in slatepane.asi).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class PluginSymbols {
 public:
  // Reads an ELF object's .symtab (or .dynsym when stripped), or a PE
  // image's COFF symbols; none from any other file.
  explicit PluginSymbols(const std::filesystem::path& object);

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
  void ReadElf(const std::string& bytes);
  void ReadCoff(const std::string& bytes);

  std::vector<Function> functions_;
};

// A C++ name as the source writes it, from its mangled form.
std::string DemangledRoutineName(const char* name);

// "(anonymous namespace)::PrintNarrow(float, char const*)" -> "PrintNarrow".
std::string ShortRoutineName(const std::string& demangled);
