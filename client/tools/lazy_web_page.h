#pragma once
// A web page control that stands over its placeholder (a plain widget named by the
// control id) and is created and pointed at its page only the first time it is opened,
// so a panel never shown never starts the browser engine.
#include <string>

#include "common/skin/skin_rect.h"

class CHtmlCtl;
class QWidget;

class LazyWebPage {
public:
    static constexpr int kPlaceholderId = 1103;

    // Puts the placeholder on `panel` at `area`; `url` is the page (GBK).
    LazyWebPage(QWidget* panel, const skin::Area& area, std::string url);

    // Creates the control over the placeholder and loads the page; later calls do nothing.
    void Open();
    // Loads the page again (opens it first when needed).
    void Reload();

    CHtmlCtl* Control() const { return control_; }  // nullptr until opened
    const std::string& Url() const { return url_; }

private:
    QWidget* panel_;
    std::string url_;
    CHtmlCtl* control_ = nullptr;
};
