#pragma once
// CSystemTray: the client's icon in the notification area and its menu. Where the
// desktop has no notification area AddIcon fails and the client runs without the icon;
// the menu can then still be shown by the owner.
//
// The menu's entries are the owner's command actions (QActions that are direct children
// of the owner, named by their command ids), so a choice in the menu runs the owner's
// command and a disabled command shows disabled.
#include "client/app/window_layer.h"
#include <QObject>
#include <QIcon>

#include <span>
#include <string>

class QMenu;
class QSystemTrayIcon;
class QWidget;

class CSystemTray : public QObject {
    Q_OBJECT
public:
    // Mouse events as the notification area reports them (the window message numbers).
    enum class TrayEvent { kLeftDoubleClick = 0x0203, kRightButtonUp = 0x0205 };
    using enum TrayEvent;

    explicit CSystemTray(QObject* parent = nullptr);
    ~CSystemTray() override;

    // Adds the icon with its tip (at most 63 characters are kept) for `owner`, whose
    // command actions make the menu. `id` names the icon and its menu.
    bool AddIcon(QWidget* owner, int callbackMessage, const std::string& tip,
                 const QIcon& icon, int id);
    void SetDefaultItem(int item, bool byPosition);
    void RemoveIcon();
    bool IsEnabled() const { return enabled_; }
    // A notification beside the icon (GBK texts). False, showing nothing, without the
    // icon or where the system shows no notifications for it.
    bool ShowMessage(const std::string& title, const std::string& text);

    // Handles one notification for the icon `iconId`: a right-button release shows the
    // menu at the cursor, a left double-click runs the default item's command.
    void HandleTrayEvent(int iconId, TrayEvent event);

    // Menu 166, with the default item marked; built on demand.
    QMenu* Menu();
    int DefaultCommand();
    const std::string& Tip() const { return tip_; }

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

// One entry of menu 166, in menu order; id 0 is a separator.
struct TrayMenuItem {
    int id;
    const char* text;  // UTF-8
};
std::span<const TrayMenuItem> TrayMenuItems();

// Fills `menu` with the items of menu 166 ("Quorvel"). Each entry is the action of
// `commandOwner` named by the item's id, given the item's text; where there is none (or
// no owner) a new action owned by the menu takes its place. Every entry's objectName and
// data are its command id.
void BuildTrayMenu(QMenu* menu, QWidget* commandOwner = nullptr);
