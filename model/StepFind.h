#pragma once
// Finding steps by what the user reads in the step list: a test id as the ID
// column shows it (hexadecimal, "DC", "3421"), or any part of a description.
// Letters are compared without regard to case (ASCII letters: descriptions
// come from INI files whose code page is not known).

#include "model/StepList.h"

#include <string>
#include <string_view>

namespace pst {

class StepQuery {
public:
    // Blanks around the query do not count; an empty query matches nothing.
    explicit StepQuery(std::string_view text);

    bool empty() const { return m_text.empty(); }
    // The row's caption equals the query, or its description contains it.
    bool matches(const StepRow& row) const;

private:
    std::string m_text; // folded to lower case
};

enum class FindDirection { Next, Previous };

struct FindResult {
    int row = StepList::kNone; // kNone: no row matches
    bool wrapped = false;      // passed the last (first) row to find it
};

// The next (previous) matching row after (before) `from`, passing round the
// end of the list; `from` itself is found last. From kNone the search starts
// at the first (last) row.
FindResult findStep(const StepList& steps, const StepQuery& query, int from, FindDirection direction);

} // namespace pst
