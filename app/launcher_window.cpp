#include "app/launcher_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>

#include "app/accessibility.h"
#include "app/qt_platform.h"
#include "core/window_layout.h"
#include "ui/about_page.h"
#include "ui/bottom_bar.h"
#include "ui/caption_bar.h"
#include "ui/create_page.h"
#include "ui/join_page.h"
#include "ui/key_chord.h"
#include "ui/logical_rect.h"
#include "ui/look.h"
#include "ui/menu_set.h"
#include "ui/monitoring_page.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/settings_page.h"
#include "ui/styled_menu.h"
#include "ui/text_codec.h"
#include "ui/tool_tips.h"

namespace wv {

namespace {

// The bytes came from typing (a split address, say), so they are shown back
// the way typing made them. The window's own write is no edit: unblocked, it
// would come back as one, into the controller and into a showing inside the
// showing that writes it.
void SetEditText(QWidget* edit, std::string_view bytes) {
  const QSignalBlocker quiet(edit);
  static_cast<QLineEdit*>(edit)->setText(TypedText(std::string(bytes)));
}

// A control's view, shown in the widget's own way.
void ShowControl(QWidget* widget, const ControlView& view) {
  if (view.text) {
    const QString shown = QString::fromStdString(*view.text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(WithoutMnemonics(shown));
    } else if (widget->property("text").toString() != shown) {
      widget->setProperty("text", shown);
    }
  }
  if (view.toolTip) widget->setToolTip(QString::fromStdString(*view.toolTip));
  if (view.accessibleName) {
    const QString name = QString::fromStdString(*view.accessibleName);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
  }
  if (view.enabled) widget->setEnabled(*view.enabled);
}

}  // namespace

LauncherWindow::LauncherWindow(const Platform& platform, const StartFolders& folders,
                               QWidget* parent)
    : QWidget(parent), controller_(platform) {
  InstallAccessibility();
  BuildWindow();
  const ViewState view = controller_.Start(folders, LauncherVersion());
  // The tab set is fixed from here on; the browser exists only when offered.
  if (view.TabOf(Tab::Monitoring).visible) {
    monitoring_ = new MonitoringPage(Page(Tab::Monitoring), view.monitoringTexts);
    monitoring_->setObjectName(QStringLiteral("monitoringView"));
    monitoring_->setGeometry(ToQRect(layout::kPageInside));
    // The engine takes some 50 ms to load and set up: begun when the
    // player heads for the tab, it is ready by the click.
    connect(pageControl_, &PageControl::tabPointedAt, monitoring_, [this](QWidget* page) {
      if (page == Page(Tab::Monitoring)) monitoring_->Warm();
    });
    connect(pageControl_, &PageControl::tabsFocused, monitoring_, &MonitoringPage::Warm);
    connect(monitoring_, &MonitoringPage::openInBrowserRequested, this,
            [this] { controller_.OnMonitoringOpenInBrowser(); });
    // Queued: the engine asks in the midst of its navigation, and the link may
    // bring a message box up.
    connect(
        monitoring_, &MonitoringPage::joinLinkClicked, this,
        [this](const QByteArray& link) { OpenJoinLink(link.toStdString()); }, Qt::QueuedConnection);
  }
  Show(view);
  // Made from the menus the first view gave.
  const std::string_view characters = DroppedMenu(Control::CharacterButton);
  bottom_->SetCharacterMenu(
      [this, characters] { return menus_->Menu(characters); },
      [this, characters](MenuOpening how) { menus_->Opening(characters, how); });
  QAccessible::installActivationObserver(this);
  if (QAccessible::isActive()) FillPages();
  // The caption's text is the application's title: the window and every
  // message box carry it. Not as Qt's display name, which the window system
  // would append to the password dialog's own title.
  setWindowTitle(caption_->Text());
}

void LauncherWindow::OpenJoinLink(std::string_view link) {
  Show(controller_.OnJoinLink(link));
}

LauncherWindow::~LauncherWindow() {
  QAccessible::removeActivationObserver(this);
}

// The icon goes to the window system right after the window is mapped, in
// the same flush: its six sizes are the largest request of the start-up, and
// the map need not wait for them.
void LauncherWindow::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (visible && !testAttribute(Qt::WA_SetWindowIcon)) setWindowIcon(look::WindowIcon());
}

void LauncherWindow::BuildWindow() {
  setObjectName(QStringLiteral("launcherWindow"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(layout::kWidth, layout::kHeight);
  setFont(look::UiFont());

  auto* outer = new Panel(QStringLiteral("outerPanel"), look::kSilver, Panel::Border::Sunken, this);
  outer->setGeometry(0, 0, layout::kWidth, layout::kHeight);
  caption_ = new CaptionBar(outer);

  pageControl_ = new PageControl(outer);
  // Born inside the window, so that their first text layout already uses its font.
  create_ = new CreatePage(this);
  join_ = new JoinPage(this);
  settings_ = new SettingsPage(this);
  auto* monitoringTab = new QWidget(this);
  monitoringTab->setObjectName(QString::fromLatin1(TabObjectName(Tab::Monitoring)));
  pages_ = {create_, join_, settings_, monitoringTab, new AboutPage(this)};
  for (QWidget* page : pages_) pageControl_->AddPage(page);

  bottom_ = new BottomBar(outer);
  menus_ = new MenuSet(this);

  connect(pageControl_, &PageControl::currentPageChanged, this, &LauncherWindow::OnTabChanged);
  connect(create_, &CreatePage::menuRequested, this, &LauncherWindow::OnMenuWanted);
  connect(menus_, &MenuSet::entryChosen, this, &LauncherWindow::OnMenuEntryChosen);
  connect(bottom_->ActionButton(), &QToolButton::clicked, this, &LauncherWindow::OnActionPressed);
  connect(bottom_->ClipboardButton(), &QToolButton::clicked, this,
          &LauncherWindow::OnClipboardPressed);
  restTimer_ = new QTimer(this);
  restTimer_->setObjectName(QStringLiteral("actionRest"));
  restTimer_->setSingleShot(true);
  connect(restTimer_, &QTimer::timeout, this, [this] { Show(controller_.Current()); });
  gameWatch_ = new QTimer(this);
  gameWatch_->setObjectName(QStringLiteral("gameWatch"));
  gameWatch_->setSingleShot(true);
  connect(gameWatch_, &QTimer::timeout, this, [this] { Show(controller_.OnGameWatched()); });
  connect(caption_, &CaptionBar::menuWanted, this,
          [this](const QPoint& at) { ShowCaptionMenu(at, MenuOpening::Click); });
  connect(join_, &JoinPage::recentWanted, this, &LauncherWindow::ShowRecentServers);
  // The keys that act wherever the focus is are shortcuts, which match
  // across keyboard layouts; the others are taken from the focused control.
  for (const WindowKey& key : WindowWideKeys()) {
    for (const QKeySequence& sequence : SequencesOf(key.chord)) {
      connect(new QShortcut(sequence, this), &QShortcut::activated, this,
              [this, command = key.command] { Do(command, Control::Count); });
    }
  }
  pageControl_->TabBar()->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }

  FindWidgets();
  // The action button's tooltip says what a press would do at this moment: it
  // is asked for afresh each time, as the press reads the folder and settings.
  tips_ = new PlainToolTips(this);
  connect(tips_, &PlainToolTips::toolTipWanted, this, [this](QWidget* widget) {
    if (widget == bottom_->ActionButton()) {
      widget->setToolTip(QString::fromStdString(controller_.ActionPreview()));
    }
  });
}

// Every control by the object name its widget carries; null while its page
// is not filled.
void LauncherWindow::FindWidgets() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const std::string_view name = ObjectName(static_cast<Control>(i));
    widgets_[i] =
        findChild<QWidget*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (widgets_[i] != nullptr && FocusKindOf(static_cast<Control>(i)) != FocusKind::Other) {
      widgets_[i]->installEventFilter(this);
    }
  }
  // The tab bar, then the controls. The pages hidden behind the current one
  // drop out by themselves.
  QWidget* previous = pageControl_->TabBar();
  for (Control control : TabOrder()) {
    if (QWidget* widget = widgets_[static_cast<std::size_t>(control)]) {
      setTabOrder(previous, widget);
      previous = widget;
    }
  }
}

// The caller shows the view to what it made (ShowPages).
bool LauncherWindow::FillPage(Tab tab) {
  switch (tab) {
    case Tab::JoinGame:
      if (!join_->Fill()) return false;
      // Connected only now: the first fill of the boxes is no edit.
      connect(join_->Address(), &QLineEdit::textChanged, this,
              &LauncherWindow::OnJoinAddressEdited);
      connect(join_->Port(), &QLineEdit::textChanged, this, &LauncherWindow::OnJoinPortEdited);
      connect(join_->Password(), &QLineEdit::textChanged, this,
              &LauncherWindow::OnJoinPasswordEdited);
      break;
    case Tab::Settings:
      if (!settings_->Fill()) return false;
      break;
    case Tab::About:
      if (!static_cast<AboutPage*>(Page(Tab::About))->Fill()) return false;
      break;
    case Tab::CreateServer:
    case Tab::Monitoring:
      return false;
  }
  // A click on a tab shows its page before the window hears of it; what the
  // page made then is shown with it, as the page's own children would be.
  if (QWidget* page = Page(tab); page->isVisible()) {
    for (QWidget* part : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!part->testAttribute(Qt::WA_WState_ExplicitShowHide)) part->show();
    }
  }
  tips_->Cover(Page(tab));
  FindWidgets();
  return true;
}

void LauncherWindow::FillPages() {
  bool filled = false;
  for (Tab tab : kTabs) filled |= FillPage(tab);
  if (filled) ShowPages(controller_.Current());
}

QWidget* LauncherWindow::Widget(Control control) {
  if (widgets_[static_cast<std::size_t>(control)] == nullptr) FillPages();
  return widgets_[static_cast<std::size_t>(control)];
}

void LauncherWindow::accessibilityActiveChanged(bool active) {
  if (active) FillPages();
}

void LauncherWindow::ShowPages(const ViewState& view) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (widgets_[i] != nullptr) ShowControl(widgets_[i], view.controls[i]);
  }
  settings_->Show(view.options);
  if (join_->Address() != nullptr) {
    const auto shownBytes = [this](Control box) {
      return TextBytes(static_cast<QLineEdit*>(widgets_[static_cast<std::size_t>(box)])->text());
    };
    for (const EditWrite& write : JoinBoxWrites(view, shownBytes)) {
      SetEditText(widgets_[static_cast<std::size_t>(write.control)], write.bytes);
    }
    join_->RecentArrow()->setVisible(!view.recentServers.empty());
    // Its text is the name and description screen readers give its button.
    join_->RecentArrow()->setText(QString::fromStdString(view.recentServersName));
  }
}

void LauncherWindow::Show(const ViewState& view) {
  FillPage(view.currentTab);
  const std::optional<FocusTarget> focus = FocusTargetOf(view.focus);
  if (focus) FillPage(focus->page);
  ShowPages(view);
  for (Tab tab : kTabs) {
    const TabView& shown = view.TabOf(tab);
    pageControl_->SetPageCaption(Page(tab), QString::fromStdString(shown.caption));
    pageControl_->SetPageToolTip(Page(tab), QString::fromStdString(shown.toolTip));
    if (shown.accessibleName) {
      pageControl_->SetPageAccessibleName(Page(tab), QString::fromStdString(*shown.accessibleName));
    }
  }
  menus_->Sync(view.menus);
  for (Tab tab : kTabs) pageControl_->SetPageVisible(Page(tab), view.TabOf(tab).visible);
  pageControl_->SetCurrentPage(Page(view.currentTab));
  QToolButton* go = bottom_->ActionButton();
  if (go->property(look::kBusyProperty).toBool() != view.actionResting) {
    go->setProperty(look::kBusyProperty, view.actionResting);
    go->setAccessibleDescription(QString::fromStdString(view.actionRestDescription));
    go->update();
  }
  if (view.wakeAfter.count() > 0) restTimer_->start(view.wakeAfter);
  if (focus) {
    QWidget* widget = widgets_[static_cast<std::size_t>(focus->control)];
    widget->setFocus(focus->selectAll ? Qt::TabFocusReason : Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && focus->selectAll) {
      edit->selectAll();
    }
  }
  if (monitoring_ != nullptr && view.browser == BrowserRequest::Navigate) {
    monitoring_->Navigate(QString::fromStdString(view.monitoringUrl));
  }
  if (monitoring_ != nullptr && view.browser == BrowserRequest::Reload) monitoring_->Reload();
  captionMenu_ = view.captionMenu;
  recentServers_ = view.recentServers;
  if (view.watchGameAfter) gameWatch_->start(*view.watchGameAfter);
  if (view.windowHidden && !hiddenForGame_) {
    hiddenForGame_ = true;
    hide();
  } else if (!view.windowHidden && hiddenForGame_) {
    hiddenForGame_ = false;
    show();
    raise();
    activateWindow();
  }
  if (view.closeWindow) close();
}

Tab LauncherWindow::CurrentTab() const {
  for (Tab tab : kTabs) {
    if (Page(tab) == pageControl_->CurrentPage()) return tab;
  }
  return Model().ActiveTab();
}

// Installed on the tab bar and the controls that take keys of the map.
bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto at = std::find(widgets_.begin(), widgets_.end(), watched);
    const Control control = static_cast<Control>(at - widgets_.begin());
    const KeyCommand command =
        CommandFor(ChordOf(*static_cast<QKeyEvent*>(event)),
                   watched == pageControl_->TabBar() ? FocusKind::TabRow : FocusKindOf(control));
    if (command != KeyCommand::None) {
      Do(command, control);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void LauncherWindow::Do(KeyCommand command, Control focused) {
  if (std::optional<ViewState> view = controller_.OnKey(command)) return Show(*view);
  switch (command) {
    case KeyCommand::DropMenu:
      if (focused == Control::CharacterButton) {
        bottom_->DropCharacterMenu();
      } else {
        create_->DropMenuOf(widgets_[static_cast<std::size_t>(focused)], MenuOpening::Keyboard);
      }
      return;
    case KeyCommand::Press:
      static_cast<QAbstractButton*>(widgets_[static_cast<std::size_t>(focused)])->click();
      return;
    case KeyCommand::PressAction:
      bottom_->ActionButton()->click();
      return;
    case KeyCommand::DropRecent:
      ShowRecentServers();
      return;
    case KeyCommand::CaptionMenu:
      ShowCaptionMenu(caption_->mapToGlobal(QPoint(0, caption_->height())), MenuOpening::Keyboard);
      return;
    default:
      return;
  }
}

void LauncherWindow::OnTabChanged() {
  Show(controller_.OnTabChosen(CurrentTab(), TabChange::Other));
}

void LauncherWindow::OnActionPressed() {
  Show(controller_.OnActionPressed());
}

void LauncherWindow::OnClipboardPressed() {
  controller_.OnClipboardPressed();
}

void LauncherWindow::OnJoinAddressEdited(const QString& text) {
  Show(controller_.OnJoinAddressEdited(TextBytes(text)));
}

void LauncherWindow::OnJoinPortEdited(const QString& text) {
  Show(controller_.OnJoinPortEdited(TextBytes(text)));
}

void LauncherWindow::OnJoinPasswordEdited(const QString& text) {
  Show(controller_.OnJoinPasswordEdited(TextBytes(text)));
}

StyledMenu* LauncherWindow::Menu(std::string_view id) const {
  return menus_->Menu(id);
}

void LauncherWindow::OnMenuWanted(const QString& menuId, const QPoint& at, MenuOpening how) {
  if (StyledMenu* menu = menus_->Opening(menuId.toStdString(), how)) menu->popup(at);
}

void LauncherWindow::OnMenuEntryChosen(const QString& entryId) {
  Show(controller_.OnMenuEntryChosen(entryId.toStdString()));
}

void LauncherWindow::ShowCaptionMenu(const QPoint& at, MenuOpening how) {
  auto* menu = new StyledMenu(QStringLiteral("captionMenu"), false, this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const CaptionMenuEntry& entry : captionMenu_) {
    const CaptionCommand command = entry.command;
    connect(menu->addAction(WithoutMnemonics(QString::fromStdString(entry.caption))),
            &QAction::triggered, this,
            [this, command] { Show(controller_.OnCaptionCommand(command)); });
  }
  if (const std::optional<std::size_t> entry = OpeningEntry(captionMenu_, how)) {
    menu->HighlightOnShow(menu->actions().value(static_cast<qsizetype>(*entry)));
  }
  menu->popup(at);
}

// Dropped below the address box, as a choice box drops its menu.
void LauncherWindow::ShowRecentServers() {
  if (recentServers_.empty()) return;
  auto* menu = new StyledMenu(QStringLiteral("recentServersMenu"), false, this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (std::size_t i = 0; i < recentServers_.size(); ++i) {
    // Plain text: an ampersand in an address is no mnemonic.
    connect(menu->addAction(WithoutMnemonics(QString::fromStdString(recentServers_[i]))),
            &QAction::triggered, this, [this, i] { Show(controller_.OnRecentServerChosen(i)); });
  }
  QLineEdit* address = join_->Address();
  menu->popup(address->mapToGlobal(QPoint(0, address->height())));
}

}  // namespace wv
