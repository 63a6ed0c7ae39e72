#include "client/tools/form_post.h"

#include "client/core/client_util.h"
#include "client/core/tool_forms.h"
#include "client/panels/tip.h"
#include "common/ui/query_runner.h"

bool PostToolForm(QWidget* panel, const std::string& host, const std::string& path,
                  const std::string& body) {
    if (ui::QueryRunning(panel)) return false;
    ui::RunQuery(
        panel,
        [host, path, body] {
            bool reached = false;
            const std::string response = CClientUtil().PostForm(host, path, body, reached);
            return PostOutcomeMessage(reached, response);
        },
        [panel](const std::string& message) {
            if (!message.empty()) ShowTip(panel, message);
        });
    return true;
}
