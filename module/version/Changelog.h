// A product's changelog from the maker's version archive, shown in the host's
// document window.
#pragma once

namespace zelva::module {

// Fetches "<section name> Changelog.txt" of version list entry `index` into
// folder (with trailing backslash) under the working dialog and shows it with
// host command 15. The file must stay while the document shows it. False
// (after telling the user) when it could not be fetched.
bool ShowChangelog(int index, const char* folder);

// The notification's "View Changelog": a working folder of its own that stays
// until another changelog from a notification replaces the document, or the
// module unloads (after the host closed its document window).
void ShowChangelogFromNotice(int index);
void ReleaseNoticeChangelog();

}  // namespace zelva::module
