#pragma once
// LoginInfo.xml opened for reading or editing. It holds passwords under a key built into
// the program, so every write makes it (and any backup) readable by its owner only.
#include <string>

#include "common/xml/xml_file.h"

class CLoginInfoFile {
public:
    enum class State {
        Intact,      // well-formed, with <LoginInfo><AutoLogin .../>, read in the
                     // encoding it declares: edited in place
        Missing,     // no file: the skeleton, empty, in memory
        Damaged,     // the skeleton in memory, holding every entry recovered from the file
        Unreadable,  // exists but cannot be read: nothing shown, nothing written
    };

    // Loads the file from the program directory. A missing or damaged file is replaced,
    // in memory only, by <Accounts><LoginInfo><AutoLogin UserName=".."/> followed by the
    // HistoryLogin entries (and the automatic-login user) recovered from it, in file
    // order, so that the usual navigation and edits work on it. The position is fresh.
    explicit CLoginInfoFile(const std::string& fileName);

    CXmlFile& Xml() { return file_; }
    State GetState() const { return state_; }

    // Writes the file with mode 0600 through a temporary file. The bytes of a damaged
    // file are kept first under the first free name of "<file>.bak", "<file>.bak1", ...
    // (none is made when a backup with the same bytes exists), so no backup is ever
    // overwritten. False, with the file as it was, when anything cannot be written.
    bool Save();

private:
    CXmlFile file_;
    State state_ = State::Intact;
    std::string damagedBytes_;
};
