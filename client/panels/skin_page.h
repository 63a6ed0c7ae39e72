#pragma once
// CSkinPage: what the three pages of the main window share. A borderless child window
// shaped and painted by the page background "image\bg_mid.gif", a row of image buttons
// of which one is selected, and the placeholder 1087 where the page's panels stand.
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "common/ui/skin_image.h"

class CKbcBmp;

class CSkinPage : public QWidget {
    Q_OBJECT
public:
    struct ButtonSpec {
        int id;
        const char* picture;  // relative to the program directory, e.g. "image\\zhpc.gif"
    };

    static constexpr int kPlaceholderId = 1087;

    // False when the background could not be loaded or shaped; the owner then closes.
    bool Initialise();
    bool IsInitialised() const { return initialised_; }

    // The page's buttons in row order; the one shown selected.
    const std::vector<CKbcBmp*>& Buttons() const { return buttons_; }
    int SelectedButton() const;
    // Where the page's panels stand (placeholder 1087), in page coordinates.
    QRect PanelArea() const;

    // Shows the button's panel: that button selected, every other one cleared.
    void SelectButton(int id);
    // The panel of a button (nullptr before Initialise or for another id).
    QWidget* Panel(int buttonId) const;

protected:
    CSkinPage(int dialogId, std::vector<ButtonSpec> buttons, int initialButton, QWidget* parent);
    // A page with panels creates them here and registers each with AddPanel, before the
    // first selection.
    virtual void CreatePanels() {}
    // The panel of button `buttonId`: placed at PanelArea() and hidden until selected.
    void AddPanel(int buttonId, QWidget* panel);
    // False when a panel could not be set up (its background is missing): the page then
    // fails to initialise like a page without its own background.
    virtual bool PanelsReady() const { return true; }
    // Called when button `id`'s panel is about to show, before it is shown: a page that
    // hands its panels something (the current stock code) does it here.
    virtual void ActivatePanel(int /*id*/) {}
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<ButtonSpec> specs_;
    int initialButton_;
    bool initialised_ = false;
    CSkinImage background_;
    std::vector<CKbcBmp*> buttons_;
    std::map<int, QWidget*> panels_;
    QWidget* placeholder_ = nullptr;
};
