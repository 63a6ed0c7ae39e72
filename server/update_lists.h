#pragma once
// The three file lists, read by the client and the repair tool without any character
// conversion, so they hold ASCII only and no byte-order mark. Updater comes before Files:
// the data-file check reads Updater/Url, leaves twice and then looks for Files, which
// only finds elements after the one it left.
//   version list    "/KRClientUpdate/UpdateList.xml"      (program version; installable files)
//   data-file list  "/KRClientAutoUpdate/AutoUpdateList.xml" (data files, itself included)
//   repair list     "/Restoration/Restoration.xml"        (every installable file)
#include <string>

#include "server/payload_catalog.h"

namespace server {

std::string VersionListDocument(const PayloadCatalog& catalog, const std::string& appVersion,
                                const std::string& host);
std::string DataFileListDocument(const PayloadCatalog& catalog, const std::string& host);
std::string RepairListDocument(const PayloadCatalog& catalog, const std::string& host);
// A repair list naming `files` (without a Files element when there are none).
std::string RepairListDocument(const std::vector<PayloadFile>& files, const std::string& host);

// Data-file lists for client tests, served with the test endpoints only. Each is the
// data-file list with more entries after the real ones:
//   "/__update/hostile/AutoUpdateList.xml"  names that try to leave the client's folder
//   "/__update/missing/AutoUpdateList.xml"  a file this server does not have
// Neither names itself, so a client keeps fetching them until it records the entries.
std::string HostileDataFileListDocument(const PayloadCatalog& catalog, const std::string& host);
std::string MissingFileDataListDocument(const PayloadCatalog& catalog, const std::string& host);
// The test list at `canonicalPath` (lower case), "" when it names none.
std::string TestDataFileListDocument(const PayloadCatalog& catalog, const std::string& canonicalPath,
                                     const std::string& host);

// The version the data-file list gives itself: changes whenever a listed file changes.
std::string DataFileListVersion(const PayloadCatalog& catalog);

}  // namespace server
