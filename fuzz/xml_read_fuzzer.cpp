// Any byte sequence, loaded as a file, taken as text and fetched as a server document,
// parses without a crash, an overread or a hang; every search and read on it stays safe.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/xml/utf8_to_local.h"
#include "common/xml/xml_doc.h"
#include "fuzz/fuzz_support.h"

namespace {

void Exercise(CXmlDoc& doc) {
    fuzz::CheckIndex(doc);
    fuzz::ReadEveryElement(doc);
    fuzz::NavigateEverything(doc);
    if (doc.IsWellFormed()) fuzz::Require(doc.Index()[0].firstChild != 0, "root exists");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const fuzz::ScratchFile file;

    CXmlDoc asText;
    asText.SetDoc(std::string(bytes));
    fuzz::Require(asText.Text() == bytes, "text kept byte for byte");
    Exercise(asText);

    file.Write(bytes);
    CXmlDoc asFile;
    asFile.LoadFile(file.Path());
    Exercise(asFile);

    CXmlDoc fromServer;
    fromServer.SetDoc(Utf8ToLocal(bytes));
    Exercise(fromServer);
    return 0;
}
