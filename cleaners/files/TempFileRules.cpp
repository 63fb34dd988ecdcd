#include "cleaners/files/TempFileRules.h"

#include "core/TextUtil.h"

namespace nx {

bool IsTemporaryFile(const FileRecord& file, const TempFileRules& rules) {
  // An empty folder would be part of every path.
  if (!rules.backupDir.empty() && file.path.find(rules.backupDir) != std::string::npos) return false;
  if (file.size == 0 && rules.zeroLength) return true;
  if (rules.winTmp && !rules.tempDir.empty() && ContainsIgnoreCaseAscii(file.path, rules.tempDir)) return true;
  size_t slash = file.path.find_last_of('\\');
  std::string_view name = std::string_view(file.path).substr(slash == std::string::npos ? 0 : slash + 1);
  return rules.masks && rules.masks->Matches(name);
}

}  // namespace nx
