#pragma once
// Tree building: one pass over the text fills the element index. Elements left open are
// "not ended" and their children move up; the first error found is kept.
#include <string>
#include <string_view>

#include "common/xml/xml_elem_index.h"

// Builds `index` for `text` (record 0 is the document element). Returns the first error
// text, "" when there was none. Sets the ill-formed flag on record 0 after any error.
std::string BuildElementIndex(std::string_view text, CElemIndex& index, bool ignoreCase);

// Links `child` as the last child of `parent`.
void LinkLastChild(CElemIndex& index, int parent, int child);

// Links `child` right after `sibling` under the same parent.
void LinkAfter(CElemIndex& index, int sibling, int child);

// Depth a child of `parent` has: 0 under the document element.
std::uint32_t ChildDepth(const CElemIndex& index, int parent);
