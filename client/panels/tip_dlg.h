#pragma once
// CTipDlg: the client's own message box. A skinned, shaped modal window with one message
// and either one centred OK button (information) or OK and Cancel (question). Enter
// answers OK and Esc Cancel, whatever buttons are shown; any point of the window drags it.
#include <QDialog>

#include <string>

#include "common/ui/skin_image.h"

class CColorLabel;
class CKbcBmp;

class CTipDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 171;
    static constexpr int kIdMessage = 1095;
    static constexpr int kIdOkLeft = 1225;
    static constexpr int kIdCancel = 1226;
    static constexpr int kIdOkCentre = 1227;

    explicit CTipDlg(QWidget* owner = nullptr);

    // `message` is GBK text; `ask` 0 shows one OK button, any other value OK and Cancel.
    void SetMessage(const std::string& message, int ask);

    // Shows the window modally: ui::kIdOk for an OK button or Enter, ui::kIdCancel for
    // Cancel or Esc. A modal hook, when set, answers instead of the user.
    int DoModal();

    // Skins the window and shows the buttons for the style. Without its background
    // picture (or a shape cut from it) the window minimises, the application's main
    // window is closed and false is returned.
    bool InitDialog();

    CColorLabel* MessageLabel() const { return label_; }
    CKbcBmp* OkCentreButton() const { return okCentre_; }
    CKbcBmp* OkLeftButton() const { return okLeft_; }
    CKbcBmp* CancelButton() const { return cancel_; }

    void accept() override;
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string message_;
    int ask_ = 0;
    CSkinImage background_;
    CColorLabel* label_;
    CKbcBmp* okCentre_;
    CKbcBmp* okLeft_;
    CKbcBmp* cancel_;
};
