#include <windows.h>

#include <string>

#include "ConfigRewrite.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"

namespace zelva::module {

bool InsertLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText) {
  if (cfgPath == nullptr || cfgPath[0] == '\0') return ShowRewriteFailure(RewriteResult::NotRead);
  ClearReadOnly(cfgPath);
  ConfigRewrite rewrite(cfgPath);
  rewrite.config().InsertEntry(entry, sectionText);
  RewriteResult result = rewrite.Commit();
  return result == RewriteResult::Done || ShowRewriteFailure(result);
}

RewriteResult ReplaceLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText, bool keepLocalFiles) {
  ConfigRewrite rewrite(cfgPath);
  if (!rewrite.read()) return RewriteResult::NotRead;
  bool replaced = keepLocalFiles ? rewrite.config().ReplaceEntry(entry, sectionText, {"texture", "atc_id"})
                                 : rewrite.config().ReplaceEntry(entry, sectionText);
  if (!replaced) {
    LogLivery("no keys to replace fltsim.%d with; it is left as it is\n", entry);
    return RewriteResult::Refused;
  }
  return rewrite.Commit();
}

}  // namespace zelva::module
