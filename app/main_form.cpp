#include "app/main_form.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>
#include <system_error>

#include "app/accessibility.h"
#include "app/qt_platform.h"
#include "core/clipboard_summary.h"
#include "core/startup.h"
#include "ui/about_page.h"
#include "ui/bottom_bar.h"
#include "ui/caption_bar.h"
#include "ui/create_page.h"
#include "ui/join_page.h"
#include "ui/look.h"
#include "ui/menu_set.h"
#include "ui/monitoring_page.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/settings_page.h"
#include "ui/styled_menu.h"
#include "ui/text_codec.h"
#include "ui/tool_tips.h"

#ifdef _WIN32
#include "platform/windows/version_text.h"
#else
#include "core/program_search.h"
#include "platform/posix/program_search.h"
#endif

namespace wv {

namespace {

constexpr std::array<Tab, 5> kTabs = {Tab::CreateServer, Tab::JoinGame, Tab::Settings,
                                      Tab::Monitoring, Tab::About};
// The bottom-bar panels whose enabled state the tab switch decides.
constexpr std::array<std::string_view, 3> kSwitchedPanels = {"RzPanel4", "RzPanel5", "RzPanel6"};
constexpr std::string_view kHintSuffix = ".Hint";
constexpr std::string_view kNameSuffix = ".Name";
constexpr int kPasswordMaxLength = 255;

// The current folder as the system writes it, without a trailing separator.
std::string CurrentFolderText([[maybe_unused]] const std::filesystem::path& folder) {
#ifdef _WIN32
  return QFile::encodeName(QDir::toNativeSeparators(QDir::currentPath())).toStdString();
#else
  // The system's own bytes: a folder named in a legacy code page is no valid
  // UTF-8, and a round trip through QString would replace its letters.
  return folder.native();
#endif
}

// The version text: from the executable's version resource where there is
// one, else from the build.
std::string LauncherVersion() {
#ifdef _WIN32
  return LauncherVersionText();
#else
  return WV_VERSION_TEXT;
#endif
}

// A model text's control id: the designer name, and which of the control's
// texts it sets.
struct TextSlot {
  std::string_view name;
  bool hint = false;
  bool accessibleName = false;
};

TextSlot SlotOf(std::string_view control) {
  TextSlot slot{control};
  if (control.ends_with(kHintSuffix)) {
    slot.hint = true;
    slot.name.remove_suffix(kHintSuffix.size());
  } else if (control.ends_with(kNameSuffix)) {
    slot.accessibleName = true;
    slot.name.remove_suffix(kNameSuffix.size());
  }
  return slot;
}

// Compared as bytes: what the user typed stays as typed whenever it gives the
// model's bytes. Otherwise (a split address) the bytes came from typing, so
// they are shown back the way typing made them. The window's own write is no
// edit: unblocked, it would come back as one, into the model and into a
// refresh inside the refresh that writes it.
void SetEditText(QLineEdit* edit, const std::string& bytes) {
  if (TextBytes(edit->text()) == bytes) return;
  const QSignalBlocker quiet(edit);
  edit->setText(TypedText(bytes));
}

}  // namespace

FormFolders DefaultFormFolders([[maybe_unused]] const char* argv0) {
  std::error_code error;
  std::filesystem::path workDir = std::filesystem::current_path(error);
#ifdef _WIN32
  // Wide, as Windows names files: a narrow path would be converted by the
  // C++ library's own rules, not the code page's.
  return {std::filesystem::path(QCoreApplication::applicationDirPath().toStdWString()), workDir};
#else
  // As the system's bytes, not through QString (see CurrentFolderText). A
  // start folder already removed is left empty rather than ending the start.
  const std::optional<std::filesystem::path> start = error ? std::nullopt : std::optional(workDir);
  std::optional<std::filesystem::path> exeDir;
  if (argv0 != nullptr) {
    const char* searchPath = std::getenv("PATH");
    exeDir = StartedFromFolder(
        argv0, start, searchPath ? std::optional<std::string_view>(searchPath) : std::nullopt,
        IsExecutableFile);
  }
  if (!exeDir) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    exeDir = !error && !self.empty() ? self.parent_path() : workDir;
  }
  return {*exeDir, workDir};
#endif
}

TMainForm::TMainForm(const Platform& platform, const FormFolders& folders, QWidget* parent)
    : QWidget(parent), platform_(platform) {
  InstallAccessibility();
  BuildWindow();
  FormCreate(folders);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildWindow() {
  setObjectName(QStringLiteral("MainForm"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(340, 249);
  setFont(look::UiFont());
  setWindowIcon(look::WindowIcon());

  auto* outer = new Panel(QStringLiteral("RzPanel1"), look::kSilver, Panel::Border::Sunken, this);
  outer->setGeometry(0, 0, 340, 249);
  caption_ = new CaptionBar(outer);

  pageControl_ = new PageControl(outer);
  pageControl_->setGeometry(2, 27, 336, 179);
  // Born inside the window, so that their first text layout already uses its font.
  create_ = new CreatePage(this);
  join_ = new JoinPage(this);
  settings_ = new SettingsPage(this);
  auto* monitoringTab = new QWidget(this);
  monitoringTab->setObjectName(QString::fromLatin1(TabSheetName(Tab::Monitoring)));
  auto* about = new AboutPage(this);
  pages_ = {create_, join_, settings_, monitoringTab, about};
  for (QWidget* page : pages_) pageControl_->AddPage(page);

  bottom_ = new BottomBar(outer);
  menus_ = new MenuSet(model_, this);
  bottom_->CharacterButton()->setMenu(menus_->Menu("Menu_Name"));

  connect(pageControl_, &PageControl::currentPageChanged, this, &TMainForm::RzPageControl1Change);
  connect(create_, &CreatePage::menuRequested, this, &TMainForm::PopUp);
  connect(menus_, &MenuSet::entryChosen, this, &TMainForm::MenuEntryClick);
  connect(bottom_->GoButton(), &QToolButton::clicked, this, &TMainForm::RzGoButtonClick);
  connect(bottom_->ClipboardButton(), &QToolButton::clicked, this, &TMainForm::RzToolButton2Click);
  restTimer_ = new QTimer(this);
  restTimer_->setObjectName(QStringLiteral("RzGoButtonRest"));
  restTimer_->setSingleShot(true);
  connect(restTimer_, &QTimer::timeout, this, &TMainForm::Refresh);
  for (QLineEdit* edit : {join_->Address(), join_->Port(), join_->Password()}) {
    connect(edit, &QLineEdit::returnPressed, bottom_->GoButton(), &QToolButton::click);
  }

  // Tab order: the tab bar, the page's controls, then the bottom bar. The
  // pages hidden behind the current one drop out by themselves.
  std::vector<QWidget*> order{pageControl_->TabBar()};
  order.insert(order.end(), create_->Boxes().begin(), create_->Boxes().end());
  for (QWidget* control : std::initializer_list<QWidget*>{
           join_->Address(), join_->Port(), join_->Password(), bottom_->CharacterButton(),
           bottom_->ClipboardButton(), bottom_->GoButton()}) {
    order.push_back(control);
  }
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }

  // Looked up on every refresh; the window's controls are all there now.
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty()) continue;
    [[maybe_unused]] const bool unique =
        controls_.emplace(widget->objectName().toStdString(), widget).second;
    Q_ASSERT_X(unique, "TMainForm::BuildWindow", qPrintable(widget->objectName()));
  }
  // The action button's tooltip says what a press would do at this moment: it
  // is asked for afresh each time, as the press reads the folder and settings.
  auto* tips = new PlainToolTips(this);
  connect(tips, &PlainToolTips::toolTipWanted, this, [this](QWidget* widget) {
    if (widget == bottom_->GoButton()) {
      widget->setToolTip(DisplayText(LaunchPreview(model_, PressEnvironment())));
    }
  });
}

void TMainForm::FormCreate(const FormFolders& folders) {
  const StartupResult startup =
      model_.Start(folders.exeDir, folders.workDir, LauncherVersion(),
                   [this](const std::string& message) { ShowMessage(message); });
  // The tab set is fixed from here on; the browser exists only when offered.
  if (model_.TabVisible(Tab::Monitoring)) {
    monitoring_ = new MonitoringPage(Page(Tab::Monitoring), &model_.Strings());
    monitoring_->setObjectName(QStringLiteral("WebBrowser1"));
    monitoring_->setGeometry(0, 0, 334, 155);
    // The engine takes some 50 ms to load and set up: begun when the
    // player heads for the tab, it is ready by the click.
    connect(pageControl_, &PageControl::tabPointedAt, monitoring_, [this](QWidget* page) {
      if (page == Page(Tab::Monitoring)) monitoring_->Warm();
    });
    connect(pageControl_, &PageControl::tabsFocused, monitoring_, &MonitoringPage::Warm);
  }
  Refresh();
  // Connected only now: the first fill of the boxes from the model is no edit.
  connect(join_->Address(), &QLineEdit::textChanged, this, &TMainForm::RzEdit1Change);
  connect(join_->Port(), &QLineEdit::textChanged, this, &TMainForm::RzEdit2Change);
  connect(join_->Password(), &QLineEdit::textChanged, this, &TMainForm::RzEdit3Change);
  // The caption's text is the application's title: the window and every
  // message box carry it. Not as Qt's display name, which the window system
  // would append to the password dialog's own title.
  setWindowTitle(caption_->Text());
  create_->Boxes().front()->setFocus();
  if (startup.quit) {
    quitRequested_ = true;
    platform_.quit->RequestQuit();
  }
}

void TMainForm::Refresh() {
  for (const auto& [control, text] : model_.Texts()) ApplyText(control, text);
  create_->NameBoxes();
  menus_->Sync(model_);
  settings_->Show(model_.GetOptions());
  for (std::string_view panel : kSwitchedPanels) {
    Bound(panel)->setEnabled(model_.PanelEnabled(panel));
  }
  for (Tab tab : kTabs) pageControl_->SetPageVisible(Page(tab), model_.TabVisible(tab));
  pageControl_->SetCurrentPage(Page(model_.ActiveTab()));
  // Resting after a start; the timer wakes the button when the rest is over.
  // It stays enabled, so that the focus stays on it: the click handler
  // ignores presses meanwhile. Screen readers hear of the start from its
  // description.
  const Clock::duration rest = model_.ActionRest(platform_.time->Now());
  const bool resting = rest > Clock::duration::zero();
  QToolButton* go = bottom_->GoButton();
  if (go->property(look::kBusyProperty).toBool() != resting) {
    go->setProperty(look::kBusyProperty, resting);
    go->setAccessibleDescription(resting ? DisplayText(model_.Str(Str::GameStarted)) : QString());
    go->update();
  }
  if (resting) restTimer_->start(std::chrono::ceil<std::chrono::milliseconds>(rest));
  SetEditText(join_->Address(), model_.JoinAddress());
  SetEditText(join_->Port(), model_.JoinPort());
  SetEditText(join_->Password(), model_.JoinPassword());
}

QWidget* TMainForm::Control(std::string_view control) const {
  const auto found = controls_.find(SlotOf(control).name);
  return found != controls_.end() ? found->second : nullptr;
}

// A name the window lacks is a control renamed or never built: the first
// refresh at start-up stops on it in a debug build.
QWidget* TMainForm::Bound(std::string_view control) const {
  QWidget* widget = Control(control);
  Q_ASSERT_X(widget != nullptr, "TMainForm::Refresh",
             ("no control named " + std::string(control)).c_str());
  return widget;
}

// Texts are addressed by designer name; whatever control carries the name
// shows it in its own way.
void TMainForm::ApplyText(const std::string& control, const std::string& text) {
  const TextSlot slot = SlotOf(control);
  QWidget* widget = Bound(control);
  if (widget == nullptr) return;
  const QString shown = DisplayText(text);
  if (slot.hint && pageControl_->HasPage(widget)) {
    pageControl_->SetPageToolTip(widget, shown);
  } else if (slot.hint) {
    widget->setToolTip(shown);
  } else if (slot.accessibleName && pageControl_->HasPage(widget)) {
    pageControl_->SetPageAccessibleName(widget, shown);
  } else if (slot.accessibleName) {
    if (widget->accessibleName() != shown) widget->setAccessibleName(shown);
  } else if (pageControl_->HasPage(widget)) {
    pageControl_->SetPageCaption(widget, shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(WithoutMnemonics(shown));
  } else if (widget->property("text").toString() != shown) {
    widget->setProperty("text", shown);
  }
}

Tab TMainForm::ActivePage() const {
  for (Tab tab : kTabs) {
    if (Page(tab) == pageControl_->CurrentPage()) return tab;
  }
  return model_.ActiveTab();
}

void TMainForm::ShowMessage(const std::string& text) {
  platform_.messages->Show(model_.Text("RzPanel2"), text);
}

LaunchEnvironment TMainForm::PressEnvironment() const {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  LaunchEnvironment environment;
  if (error) {
    environment.folderProblem = error.message();
  } else {
    environment.currentFolder = CurrentFolderText(folder);
  }
  environment.fileExists = [folder](std::string_view name) { return FileExistsIn(folder, name); };
  environment.separator = QDir::separator().toLatin1();
  environment.findOnPath = FindProgramOnPath;
  return environment;
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp step through the tabs
// wherever the focus is; no control of the window takes them for itself.
void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    const bool back = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (event->key()) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        pageControl_->StepPage(back || event->key() == Qt::Key_Backtab ? -1 : 1);
        return;
      case Qt::Key_PageDown:
        pageControl_->StepPage(1);
        return;
      case Qt::Key_PageUp:
        pageControl_->StepPage(-1);
        return;
      default:
        break;
    }
  }
  QWidget::keyPressEvent(event);
}

void TMainForm::RzPageControl1Change() {
  const TabSwitchRequest request = model_.SwitchTab(ActivePage());
  Refresh();
  // The join tab hands the focus to the address box, unless the player is
  // walking along the tabs with the arrow keys.
  if (model_.ActiveTab() == Tab::JoinGame && !pageControl_->SteppedByArrowKeys()) {
    join_->Address()->setFocus(Qt::TabFocusReason);
  }
  if (request.navigateMonitoring && monitoring_ != nullptr) {
    monitoring_->Navigate(DisplayText(model_.MonitoringUrl()));
  }
}

void TMainForm::RzGoButtonClick() {
  // A second click of a double click finds the button resting.
  if (model_.ActionRest(platform_.time->Now()) > Clock::duration::zero()) return;
  const LaunchEnvironment environment = PressEnvironment();
  const LaunchDecision decision = DecideLaunch(model_, environment);
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::StartGame:
      if (const auto failure =
              platform_.starter->Start(decision.command, environment.currentFolder)) {
        ShowMessage(StartFailedMessage(model_, *failure));
      } else {
        model_.GameStarted(platform_.time->Now());
        Refresh();
      }
      break;
    case LaunchDecision::Kind::ShowMessage:
      ShowMessage(decision.message);
      break;
    case LaunchDecision::Kind::ReloadMonitoring:
      if (monitoring_ != nullptr) monitoring_->Reload();
      break;
    case LaunchDecision::Kind::OpenForum:
      platform_.urls->Open(std::string(kForumUrl));
      break;
  }
  if (decision.closeWindow) close();
}

void TMainForm::RzToolButton2Click() {
  platform_.clipboard->SetText(ClipboardSummary(model_));
}

void TMainForm::RzEdit1Change(const QString& text) {
  const AddressEditRequest request = model_.JoinAddressChanged(TextBytes(text));
  Refresh();
  if (request.focusPort) {
    join_->Port()->setFocus(Qt::OtherFocusReason);
    join_->Port()->selectAll();
  }
}

void TMainForm::RzEdit2Change(const QString& text) {
  model_.JoinPortChanged(TextBytes(text));
  Refresh();
}

void TMainForm::RzEdit3Change(const QString& text) {
  model_.JoinPasswordChanged(TextBytes(text));
  Refresh();
}

void TMainForm::PopUp(const QString& menuId, const QPoint& at) {
  if (StyledMenu* menu = menus_->Menu(menuId.toStdString())) menu->popup(at);
}

// Every menu entry comes here by its id; the model runs the entry's rules.
// Only the password entry needs the window first, for its dialog.
void TMainForm::MenuEntryClick(const QString& entryId) {
  const std::string id = entryId.toStdString();
  if (model_.Entry(id).onClick == OnClick::SetPassword) {
    model_.FinishPasswordDialog(platform_.input->Ask(model_.PasswordDialog(), kPasswordMaxLength));
  } else {
    model_.ChooseEntry(id);
  }
  Refresh();
}

}  // namespace wv
