#pragma once
// DesktopShell: the shell facade of the running program. URLs and mails go to the
// desktop's handlers, programs are started detached.
#include "common/ui/shell_facade.h"

namespace ui {

class DesktopShell : public ShellFacade {
protected:
    bool Perform(const ShellRequest& request) override;
};

// The desktop shell for widgets that were not given one.
ShellFacade& DefaultShell();

}  // namespace ui
