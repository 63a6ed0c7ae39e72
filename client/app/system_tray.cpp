#include "client/app/system_tray.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "client/app/control_ids.h"
#include "common/ui/text.h"

std::span<const TrayMenuItem> TrayMenuItems() {
    static const TrayMenuItem items[] = {
        {ids::kCmdMakerSite, "Kestrun财经"}, {ids::kCmdProducts, "KestrunLumet产品"},
        {0, nullptr},
        {ids::kCmdShowOrMinimise, "Quorvel"}, {ids::kCmdNewsList, "信息提示"},
        {0, nullptr},
        {ids::kCmdUpdate, "在线升级"}, {ids::kCmdRepair, "在线修复"},
        {0, nullptr},
        {ids::kCmdHelp, "帮助"}, {ids::kCmdAbout, "关于"}, {ids::kCmdExit, "退出"},
    };
    return items;
}

void BuildTrayMenu(QMenu* menu, QWidget* commandOwner) {
    menu->setTitle(QStringLiteral("Quorvel"));
    menu->setObjectName(QString::number(ids::kTrayMenu));
    for (const TrayMenuItem& item : TrayMenuItems()) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        const QString name = QString::number(item.id);
        QAction* action = commandOwner
                              ? commandOwner->findChild<QAction*>(name, Qt::FindDirectChildrenOnly)
                              : nullptr;
        if (!action) {
            action = new QAction(menu);
            action->setObjectName(name);
            action->setData(item.id);
        }
        action->setText(QString::fromUtf8(item.text));
        menu->addAction(action);
    }
}

CSystemTray::CSystemTray(QObject* parent) : QObject(parent) {}

CSystemTray::~CSystemTray() {
    RemoveIcon();
    delete menu_;
}

QMenu* CSystemTray::Menu() {
    if (!menu_) {
        menu_ = new QMenu();
        BuildTrayMenu(menu_, owner_);
    }
    const QList<QAction*> actions = menu_->actions();
    QAction* chosen = nullptr;
    if (defaultByPosition_) {
        if (defaultItem_ >= 0 && defaultItem_ < actions.size()) chosen = actions[defaultItem_];
    } else {
        for (QAction* action : actions)
            if (action->data().toInt() == defaultItem_) chosen = action;
    }
    menu_->setDefaultAction(chosen);
    return menu_;
}

int CSystemTray::DefaultCommand() {
    QAction* action = Menu()->defaultAction();
    return action ? action->data().toInt() : 0;
}

bool CSystemTray::AddIcon(QWidget* owner, int callbackMessage, const std::string& tip,
                          const QIcon& icon, int id) {
    owner_ = owner;
    callbackMessage_ = callbackMessage;
    id_ = id;
    tip_ = tip.substr(0, 63);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return enabled_ = false;
    icon_ = new QSystemTrayIcon(icon, this);
    icon_->setToolTip(ui::ToQString(tip_));
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    HandleTrayEvent(id_, kRightButtonUp);
                else if (reason == QSystemTrayIcon::DoubleClick)
                    HandleTrayEvent(id_, kLeftDoubleClick);
            });
    icon_->show();
    enabled_ = true;
    return true;
}

void CSystemTray::SetDefaultItem(int item, bool byPosition) {
    defaultItem_ = item;
    defaultByPosition_ = byPosition;
}

void CSystemTray::RemoveIcon() {
    if (icon_) {
        icon_->hide();
        delete icon_;
        icon_ = nullptr;
    }
    enabled_ = false;
}

void CSystemTray::HandleTrayEvent(int iconId, TrayEvent event) {
    if (iconId != id_) return;
    if (event == kRightButtonUp) {
        if (owner_) owner_->activateWindow();
        Menu()->popup(QCursor::pos());
    } else if (event == kLeftDoubleClick) {
        if (owner_) owner_->activateWindow();
        if (QAction* action = Menu()->defaultAction()) action->trigger();
    }
}

bool CSystemTray::ShowMessage(const std::string& title, const std::string& text) {
    if (!enabled_ || !icon_ || !QSystemTrayIcon::supportsMessages()) return false;
    icon_->showMessage(ui::ToQString(title), ui::ToQString(text));
    return true;
}
