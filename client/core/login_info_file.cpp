#include "client/core/login_info_file.h"

#include "client/core/login_info_recovery.h"
#include "common/platform/files.h"
#include "common/xml/xml_declared_encoding.h"
#include "common/xml/xml_encoding.h"

namespace {

constexpr char kSkeleton[] =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n"
    "<Accounts>\r\n"
    "<LoginInfo>\r\n"
    "<AutoLogin UserName=\"\"/>\r\n"
    "</LoginInfo>\r\n"
    "</Accounts>\r\n";

// Enough for years of damage; past it a save fails rather than overwrite a backup.
constexpr int kMaxBackups = 1000;

// The loader converted a file that declares no encoding and has no mark: from UTF-8,
// because it begins with '<' or its bytes look like UTF-8. The client writes GBK declared
// GB2312, so this is a guess about a file that lost its declaration; saving the converted
// text would rewrite every name in it.
bool GuessedConversion(const CXmlDoc& doc, std::string_view raw) {
    const XmlFileEncoding& encoding = doc.FileEncoding();
    return encoding.form != XmlFileEncoding::kAsHeld && encoding.mark.empty() &&
           !xml::FindDeclaredEncoding(raw);
}

bool IsIntact(CXmlDoc& doc, std::string_view raw) {
    if (GuessedConversion(doc, raw) || !doc.IsWellFormed()) return false;
    const bool skeleton = doc.Descend("LoginInfo") && doc.Descend("AutoLogin");
    doc.ResetPos();
    return skeleton;
}

void Rebuild(CXmlDoc& doc, const RecoveredLoginInfo& recovered) {
    doc.SetDoc(kSkeleton);
    doc.Descend("AutoLogin");
    if (!recovered.autoLoginUser.empty()) doc.SetAttr("UserName", recovered.autoLoginUser);
    for (const StoredLogin& entry : recovered.entries) {
        doc.AppendElem("HistoryLogin", "");
        doc.SetAttr("UserName", entry.name);
        doc.SetAttr("Psw", entry.cipher);
    }
    doc.ResetPos();
}

// The text to recover entries from: what the loader made of the file, or its bytes as
// they are when the loader guessed UTF-8 for bytes that are not UTF-8.
std::string_view RecoverableText(const CXmlDoc& doc, std::string_view raw) {
    bool nonAscii = false;
    return GuessedConversion(doc, raw) && !xml::LooksLikeUtf8(raw, &nonAscii) ? raw
                                                                              : doc.Text();
}

bool KeepBackup(const std::string& path, const std::string& bytes) {
    for (int n = 0; n < kMaxBackups; ++n) {
        const std::string name = path + ".bak" + (n ? std::to_string(n) : std::string());
        std::string kept;
        if (platform::ReadWholeFile(name, kept)) {
            if (kept == bytes) return true;
            continue;
        }
        if (platform::FileExists(name) || platform::DirectoryExists(name)) continue;
        if (platform::CreateFileAtomically(name, bytes, platform::FileAccess::OwnerOnly))
            return true;
        if (!platform::FileExists(name)) return false;  // the folder refuses new files
    }
    return false;
}

}  // namespace

CLoginInfoFile::CLoginInfoFile(const std::string& fileName) : file_(fileName) {
    CXmlDoc& doc = file_.Doc();
    std::string bytes;
    if (!platform::FileExists(file_.Path())) {
        state_ = State::Missing;
    } else if (!platform::ReadWholeFile(file_.Path(), bytes)) {
        state_ = State::Unreadable;
    } else if (IsIntact(doc, bytes)) {
        return;
    } else {
        state_ = State::Damaged;
        damagedBytes_ = std::move(bytes);
    }
    Rebuild(doc, state_ == State::Damaged ? RecoverLoginInfo(RecoverableText(doc, damagedBytes_))
                                          : RecoveredLoginInfo());
}

bool CLoginInfoFile::Save() {
    if (state_ == State::Unreadable) return false;
    if (state_ == State::Damaged && !damagedBytes_.empty() &&
        !KeepBackup(file_.Path(), damagedBytes_))
        return false;
    if (!file_.Save(platform::FileAccess::OwnerOnly)) return false;
    state_ = State::Intact;
    damagedBytes_.clear();
    return true;
}
