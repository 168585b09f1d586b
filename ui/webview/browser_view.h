#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace wv {

// The seam between the launcher and the web-view module. The launcher never
// links the web engine: it loads the module on first use and talks to it only
// through this class, so both sides must be built from this same header.
class BrowserView {
 public:
  virtual ~BrowserView() = default;

  // The browser's widget, a child of the parent given to the factory; it dies
  // with this object.
  virtual QWidget* Widget() const = 0;
  // Starts a new navigation, even to the address already shown.
  virtual void Navigate(const QString& url) = 0;
  // Reloads the page shown now, which may be one reached through its links.
  virtual void Reload() = 0;
  // Called on the GUI thread whenever a page load ends; a failed load brings
  // the engine's reason, where it gives one.
  virtual void SetLoadFinishedCallback(
      std::function<void(bool ok, const QString& reason)> callback) = 0;
  // Asked on the GUI thread for every navigation the page or the player
  // starts, with its address as encoded bytes and whether a click on a link
  // started it; true keeps the page from it, and the page stays as it was.
  virtual void SetNavigationFilter(
      std::function<bool(const QByteArray& url, bool linkClicked)> takes) = 0;
};

// The module's exports. The version in their names changes with any change of
// BrowserView or of these signatures, so a stale module is refused instead of
// misused.
//
// Sets up the engine without making a browser: the costly part of the first
// browser, run ahead of it. A second call does nothing. Returns false and says
// why in `error` when the engine cannot run here.
using SetUpBrowserEngineFunction = bool (*)(QString* error);
inline constexpr char kSetUpBrowserEngineSymbol[] = "wv_set_up_browser_engine_v4";
// Makes a browser, setting the engine up first where that was not done yet.
// Returns nullptr and says why in `error` when no browser can be made.
using CreateBrowserViewFunction = BrowserView* (*)(QWidget* parent, QString* error);
inline constexpr char kCreateBrowserViewSymbol[] = "wv_create_browser_view_v4";

}  // namespace wv

extern "C" Q_DECL_EXPORT bool wv_set_up_browser_engine_v4(QString* error);
extern "C" Q_DECL_EXPORT wv::BrowserView* wv_create_browser_view_v4(QWidget* parent,
                                                                    QString* error);
