#pragma once
// Named character references: the HTML 4.0 character entities plus `apos`.
#include <string_view>

// Character number of an entity name given in any case (without `&` and `;`); 0 when
// the name is unknown. Names that differ only in case share one folded name; the entity
// whose HTML name has capitals wins (`alpha` gives 913, `yuml` 376).
int LookupEntity(std::string_view name);
