#pragma once
// Posts a tool form to the community server without the window thread waiting: the panel
// shows the wait cursor and takes no input until the answer is in, then shows the
// outcome in the tip window ("提交成功!", "提交失败，请稍后再试!", or nothing for an empty
// answer). The fields are left as they are either way.
#include <string>

class QWidget;

// False (nothing posted) while an earlier post of the panel still runs.
bool PostToolForm(QWidget* panel, const std::string& host, const std::string& path,
                  const std::string& body);
