#pragma once
// CTipDlg: the client's own message box. A skinned, shaped modal window with one message
// and either one centred OK button (information) or OK and Cancel (question). Enter
// answers OK and Esc Cancel, whatever buttons are shown; any point of the window drags it.
// A message longer than the template's label makes the window wider and then taller; its
// picture is stretched through its centre so the corners and title strip stay as drawn.
#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>
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

    // Information shows one OK button, a question OK and Cancel.
    enum class Style { kInformation, kQuestion };
    using enum Style;

    explicit CTipDlg(QWidget* owner = nullptr);

    // `message` is GBK text.
    void SetMessage(const std::string& message, Style style);

    // Shows the window modally: ui::kIdOk for an OK button or Enter, ui::kIdCancel for
    // Cancel or Esc. A modal hook, when set, answers instead of the user.
    int DoModal();

    // Shows the window without blocking any other window and returns at once; `answered`
    // gets the answer (as DoModal's) when the window closes, or at once when the modal
    // hook answers or the window cannot be skinned. True while the window is shown.
    bool Open(std::function<void(int)> answered);

    // Skins and sizes the window for the message and shows the buttons for the style.
    // Without its background
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
    // Sizes the window, its picture and the label for the message; returns how much
    // taller than the template the window became.
    std::optional<int> HookAnswer() const;
    int FitToMessage();
    void PlaceButtons(int extraHeight);
    void StepAwayFromOpenTips();

    std::string message_;
    Style style_ = kInformation;
    CSkinImage background_;
    QImage face_;  // the background picture at the window's size
    CColorLabel* label_;
    CKbcBmp* okCentre_;
    CKbcBmp* okLeft_;
    CKbcBmp* cancel_;
};
