#pragma once
// Repair lists for the repair tool's tests, served with the test endpoints only:
//   "/__repair/empty/Restoration.xml"    a base URL and no files
//   "/__repair/missing/Restoration.xml"  the repair list and a file this server does not have
//   "/__repair/hostile/Restoration.xml"  the repair list and names that try to leave the
//                                        program directory, and a user's file
#include <string>

#include "server/payload_catalog.h"

namespace server {

// The test list at `canonicalPath` (lower case), "" when it names none.
std::string TestRepairListDocument(const PayloadCatalog& catalog, const std::string& canonicalPath,
                                   const std::string& host);

}  // namespace server
