#include "validators.h"

#include <filesystem>

namespace escrivania {

bool loadReferenceTables(std::string_view folder, std::string& reason) {
  std::error_code ec;
  for (const char* name : {"CFOP.res", "NCM.res", "MUNICIPIO.res", "PAIS.res"}) {
    if (folder.empty() || !std::filesystem::is_regular_file(std::filesystem::path(folder) / name, ec)) {
      reason = std::string("arquivo de referência ") + name + " não encontrado em " + std::string(folder);
      return false;
    }
  }
  return true;
}

void setFilePeriod(std::string_view, std::string_view) {}
void clearFilePeriod() {}

std::uint8_t validate(std::string_view, std::initializer_list<esc::Text> args) {
  // First form: a value must be present and free of the field separator.
  for (esc::Text t : args) {
    const std::string_view v = esc::bytes(t);
    if (v.empty() || v.find('|') != std::string_view::npos) return 0;
  }
  return 1;
}

}  // namespace escrivania
