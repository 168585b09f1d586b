#include "app/main_form.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <system_error>

#include "core/clipboard_summary.h"
#include "core/launch.h"
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

#ifdef _WIN32
#include "platform/windows/version_text.h"
#endif

namespace wv {

namespace {

constexpr std::array<Tab, 5> kTabs = {Tab::CreateServer, Tab::JoinGame, Tab::Settings,
                                      Tab::Monitoring, Tab::About};
// The bottom-bar panels whose enabled state the tab switch decides.
constexpr std::array<std::string_view, 3> kSwitchedPanels = {"RzPanel4", "RzPanel5", "RzPanel6"};
constexpr std::string_view kHintSuffix = ".Hint";
constexpr int kPasswordMaxLength = 255;

// The current folder as the system writes it, without a trailing separator.
std::string CurrentFolderText() {
#ifdef _WIN32
  return QFile::encodeName(QDir::toNativeSeparators(QDir::currentPath())).toStdString();
#else
  // The system's own bytes: a folder named in a legacy code page is no valid
  // UTF-8, and a round trip through QString would replace its letters.
  return std::filesystem::current_path().native();
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

// Compared as bytes: what the user typed stays as typed whenever it gives the
// model's bytes. Otherwise (a split address) the bytes came from typing, so
// they are shown back the way typing made them.
void SetEditText(QLineEdit* edit, const std::string& bytes) {
  if (TextBytes(edit->text()) != bytes) edit->setText(TypedText(bytes));
}

}  // namespace

FormFolders DefaultFormFolders() {
#ifdef _WIN32
  // Wide, as Windows names files: a narrow path would be converted by the
  // C++ library's own rules, not the code page's.
  return {std::filesystem::path(QCoreApplication::applicationDirPath().toStdWString()),
          std::filesystem::current_path()};
#else
  // The executable's folder as the system's bytes, not through QString (see
  // CurrentFolderText); the working folder where the system does not tell.
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path workDir = std::filesystem::current_path();
  return {!error && !self.empty() ? self.parent_path() : workDir, workDir};
#endif
}

TMainForm::TMainForm(const Platform& platform, const FormFolders& folders, QWidget* parent)
    : QWidget(parent), platform_(platform) {
  BuildWindow();
  FormCreate(folders);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildWindow() {
  setObjectName(QStringLiteral("MainForm"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(340, 249);
  setFont(look::UiFont());
  setWindowIcon(QIcon(look::Artwork("icon.png")));

  auto* outer = new Panel(QStringLiteral("RzPanel1"), look::kSilver, Panel::Border::Sunken, this);
  outer->setGeometry(0, 0, 340, 249);
  caption_ = new CaptionBar(outer);

  pageControl_ = new PageControl(outer);
  pageControl_->setGeometry(2, 27, 336, 179);
  // Born inside the window, so that their first text layout already uses its font.
  auto* create = new CreatePage(this);
  join_ = new JoinPage(this);
  settings_ = new SettingsPage(this);
  auto* monitoringTab = new QWidget(this);
  monitoringTab->setObjectName(QString::fromLatin1(TabSheetName(Tab::Monitoring)));
  auto* about = new AboutPage(this);
  pages_ = {create, join_, settings_, monitoringTab, about};
  for (QWidget* page : pages_) pageControl_->AddPage(page);

  bottom_ = new BottomBar(outer);
  menus_ = new MenuSet(model_, this);
  bottom_->CharacterButton()->setMenu(menus_->Menu("Menu_Name"));

  connect(pageControl_, &PageControl::currentPageChanged, this, &TMainForm::RzPageControl1Change);
  connect(create, &CreatePage::menuRequested, this, &TMainForm::PopUp);
  connect(menus_, &MenuSet::entryChosen, this, &TMainForm::MenuEntryClick);
  connect(bottom_->GoButton(), &QToolButton::clicked, this, &TMainForm::RzGoButtonClick);
  connect(bottom_->ClipboardButton(), &QToolButton::clicked, this, &TMainForm::RzToolButton2Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void TMainForm::FormCreate(const FormFolders& folders) {
  const StartupResult startup =
      RunStartup(model_, folders.exeDir, folders.workDir, LauncherVersion(),
                 [this](const std::string& message) { ShowMessage(message); });
  // The tab set is fixed from here on; the browser exists only when offered.
  if (model_.TabVisible(Tab::Monitoring)) {
    monitoring_ = new MonitoringPage(Page(Tab::Monitoring));
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
  if (startup.quit) {
    quitRequested_ = true;
    platform_.quit->RequestQuit();
  }
}

void TMainForm::Refresh() {
  for (const auto& [control, text] : model_.Texts()) ApplyText(control, text);
  menus_->Sync(model_);
  settings_->Show(model_.options);
  for (std::string_view panel : kSwitchedPanels) {
    findChild<QWidget*>(QString::fromLatin1(panel))->setEnabled(model_.PanelEnabled(panel));
  }
  for (Tab tab : kTabs) pageControl_->SetPageVisible(Page(tab), model_.TabVisible(tab));
  pageControl_->SetCurrentPage(Page(model_.ActiveTab()));
  SetEditText(join_->Address(), model_.JoinAddress());
  SetEditText(join_->Port(), model_.JoinPort());
  SetEditText(join_->Password(), model_.JoinPassword());
}

// Texts are addressed by designer name; whatever control carries the name
// shows it in its own way.
void TMainForm::ApplyText(const std::string& control, const std::string& text) {
  std::string_view name = control;
  const bool hint = name.ends_with(kHintSuffix);
  if (hint) name.remove_suffix(kHintSuffix.size());
  auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
  if (widget == nullptr) return;
  const QString shown = DisplayText(text);
  if (hint) {
    widget->setToolTip(shown);
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

void TMainForm::RzPageControl1Change() {
  const TabSwitchRequest request = model_.SwitchTab(ActivePage());
  Refresh();
  if (request.navigateMonitoring && monitoring_ != nullptr) {
    monitoring_->Navigate(DisplayText(model_.monitoringUrl));
  }
}

void TMainForm::RzGoButtonClick() {
  const std::filesystem::path folder = std::filesystem::current_path();
  LaunchEnvironment environment;
  environment.currentFolder = CurrentFolderText();
  environment.fileExists = [folder](std::string_view name) { return FileExistsIn(folder, name); };
  environment.separator = QDir::separator().toLatin1();

  const LaunchDecision decision = DecideLaunch(model_, environment);
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::StartGame: {
      std::string program;
      if (!platform_.starter->Start(decision.command, environment.currentFolder, program)) {
        ShowMessage(StartFailedMessage(model_, program));
      }
      break;
    }
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
  model_.JoinAddressChanged(TextBytes(text));
  Refresh();
}

void TMainForm::RzEdit2Change(const QString& text) {
  model_.SetJoinPort(TextBytes(text));
  Refresh();
}

void TMainForm::RzEdit3Change(const QString& text) {
  model_.SetJoinPassword(TextBytes(text));
  Refresh();
}

void TMainForm::PopUp(const QString& menuId) {
  if (StyledMenu* menu = menus_->Menu(menuId.toStdString())) menu->popup(QCursor::pos());
}

// Every menu entry comes here by its id; the model runs the entry's rules.
// Only the password entry needs the window first, for its dialog.
void TMainForm::MenuEntryClick(const QString& entryId) {
  const std::string id = entryId.toStdString();
  if (model_.Entry(id).onClick == OnClick::SetPassword) {
    const PasswordDialogTexts dialog = model_.PasswordDialog();
    model_.FinishPasswordDialog(
        platform_.input->Ask(dialog.title, dialog.prompt, kPasswordMaxLength));
  } else {
    model_.ChooseEntry(id);
  }
  Refresh();
}

}  // namespace wv
