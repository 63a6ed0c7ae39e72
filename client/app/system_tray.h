#pragma once
// CSystemTray: the client's icon in the notification area and its menu. Where the
// desktop has no notification area AddIcon fails and the client runs without both.
#include "client/app/window_layer.h"
#include <QObject>
#include <QIcon>

#include <string>

class QMenu;
class QSystemTrayIcon;
class QWidget;

class CSystemTray : public QObject {
    Q_OBJECT
public:
    // Mouse events as the notification area reports them.
    static constexpr int kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
    static constexpr int kRightButtonUp = 0x0205;    // WM_RBUTTONUP

    explicit CSystemTray(QObject* parent = nullptr);
    ~CSystemTray() override;

    // Adds the icon with its tip (at most 63 characters are kept) for `owner`, whose
    // command handler receives the menu's commands. `id` names the icon and its menu.
    bool AddIcon(QWidget* owner, int callbackMessage, const std::string& tip,
                 const QIcon& icon, int id);
    void SetDefaultItem(int item, bool byPosition);
    void RemoveIcon();
    bool IsEnabled() const { return enabled_; }

    // Handles one notification: a right-button release shows the menu at the cursor, a
    // left double-click sends the default item's command to the owner.
    void HandleTrayEvent(int wParam, int lParam);

    // Menu 166, with the default item marked; built on demand.
    QMenu* Menu();
    int DefaultCommand();
    const std::string& Tip() const { return tip_; }

signals:
    // A command chosen in the menu or sent by a double-click.
    void Command(int id);

private:
    QWidget* owner_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    std::string tip_;
    int id_ = 0;
    int callbackMessage_ = 0;
    int defaultItem_ = 0;
    bool defaultByPosition_ = true;
    bool enabled_ = false;
};

// Fills `menu` with the items of menu 166 ("Quorvel"): each action's objectName and
// data are its command id.
void BuildTrayMenu(QMenu* menu);
