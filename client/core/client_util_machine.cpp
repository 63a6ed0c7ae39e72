// The two machine facts the login request sends.
#include "client/core/client_util.h"
#include "common/platform/machine.h"
#include "common/platform/paths.h"
#include "common/update/update_list_walk.h"

std::string CClientUtil::GetMacAddress() const {
    return platform::MachineMacAddress();
}

std::string CClientUtil::GetLocalVersion() const {
    return update::ReadLocalListVersion(platform::JoinPath(platform::ProgramDirectory(), "UpdateList.xml"));
}
