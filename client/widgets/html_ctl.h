#pragma once
// CHtmlCtl: a web page shown inside a dialog, in place of a placeholder control.
// Links whose URL begins "app:" or "appplay:" are application commands: they go to
// OnAppCommand and never navigate.
#include <QWebEngineView>

#include <optional>
#include <string>

class CHtmlCtl : public QWebEngineView {
    Q_OBJECT
public:
    explicit CHtmlCtl(QWidget* parent = nullptr);

    // A new view in place of the placeholder with objectName `controlId` in `parent`;
    // nullptr (and nothing changed) when there is no such placeholder.
    static CHtmlCtl* OverPlaceholder(int controlId, QWidget* parent);

    // Replaces the placeholder with objectName `controlId` in `parent` by this view, at
    // the same place and with the same id. False (and nothing changed) when there is no
    // such placeholder.
    bool CreateFromStatic(int controlId, QWidget* parent);

    // Loads the URL (GBK text).
    void Navigate(const std::string& url);

    // The command of an application link ("appplay:x" and "app:x" give "x"); nothing
    // for other URLs.
    static std::optional<std::string> AppCommandOf(const std::string& url);

protected:
    // Called with the command of an application link; this client has none to run.
    virtual void OnAppCommand(const std::string& command);

private:
    friend class CHtmlCtlPage;
};
