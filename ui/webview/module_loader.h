#pragma once

#include <QString>
#include <memory>

#include "ui/webview/browser_view.h"

class QWidget;

namespace wv {

// Finds the web-view module, loads it and makes a browser under `parent`.
// On failure returns nullptr and puts a short reason into `error`.
std::unique_ptr<BrowserView> LoadBrowserModule(QWidget* parent, QString& error);

}  // namespace wv
