#pragma once
// Reading what can still be trusted in a damaged LoginInfo.xml: every HistoryLogin entry
// and the AutoLogin user whose start tag survived whole, in file order.
#include <string>
#include <string_view>
#include <vector>

struct StoredLogin {
    std::string name;
    std::string cipher;  // as stored: 32 upper-case hex digits, or empty
};

struct RecoveredLoginInfo {
    std::string autoLoginUser;  // from the first whole AutoLogin tag, else empty
    std::vector<StoredLogin> entries;
};

// Walks the text with the XML tokenizer, node by node. A node that is malformed, or a
// tag that holds a '<' (a quote run away over the markup behind it), is not trusted:
// the walk steps one byte past its '<' and goes on, so damage hides only what it hit.
// Closed comments and CDATA sections are stepped over whole. Values are decoded as the
// XML reader decodes them. An entry without UserName is dropped; a Psw that is not a
// stored cipher text is dropped (the name is kept, without a password).
RecoveredLoginInfo RecoverLoginInfo(std::string_view text);
