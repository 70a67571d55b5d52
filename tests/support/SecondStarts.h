// Wine now and then fails to start a program at all: the child ends at once,
// with no window and no line in its log. Such a start, and only such a start,
// is made once more; every second start is recorded in the file that the
// environment variable ZELVA_SECOND_STARTS names (tools/test prints it at the
// end of its run), so that no retry goes unseen.
#pragma once

#include <string>

namespace zelva::testing {

// Appends one line naming the running test and what was started again.
void RecordSecondStart(const std::string& what);

}  // namespace zelva::testing
