#include <QApplication>

#include "app/exe_folder.h"
#include "app/main_form.h"
#include "app/qt_platform.h"
#include "core/catalogue.h"
#include "core/settings_file.h"
#include "ui/look.h"
#include "ui/monitoring_page.h"

int main(int argc, char** argv) {
  // The web engine must be prepared before the application object exists,
  // so the settings beside the executable are read this early.
  const wv::SettingsReader settings(wv::ExecutableFolder(argc > 0 ? argv[0] : nullptr) /
                                    wv::kSettingsFileName);
  wv::PrepareMonitoringBeforeApplication(
      !settings.ReadText(wv::section::kApplication, "MonitoringURL", "").empty());

  QApplication app(argc, argv);
  // The window's font for everything, the dialogs included; it also spares
  // loading the system's default face, which a line edit would otherwise
  // load while it is being built.
  QApplication::setFont(wv::look::UiFont());
  wv::QtPlatform platform;
  wv::TMainForm form(platform.Get());
  // A start-up that asked to quit leaves no window to the user.
  if (!form.QuitRequested()) form.show();
  return app.exec();
}
