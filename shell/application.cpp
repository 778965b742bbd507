// SPDX-License-Identifier: MIT
#include "shell/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "core/network.h"
#include "shell/main_window.h"
#include "shell/window_layout.h"

namespace qirvo {

void PrepareApplication() {
  // "宋体" and SimSun are Windows fonts; a Ming-style face has the same look, and the
  // Chinese sans faces keep the text readable where it is missing too.
  const QStringList song = {"AR PL UMing CN", "AR PL UMing TW", "WenQuanYi Micro Hei",
                            "Noto Serif CJK SC"};
  QFont::insertSubstitutions(kSongFamily, song);
  QFont::insertSubstitutions("SimSun", song);
  // Most desktop UI fonts hold no Chinese; naming a Chinese face as the first stand-in
  // spares fontconfig's fallback search for every label at the first paint.
  QFont::insertSubstitution(QApplication::font().family(), "WenQuanYi Micro Hei");
  // The task bar wants a small icon; the large ones are for launchers and come from the
  // icon theme.
  QApplication::setWindowIcon(QIcon(":/qirvo-48.png"));
  QApplication::setApplicationName("qirvo");
  QApplication::setApplicationDisplayName(QStringLiteral("VEXA丶Qirvo"));
  QGuiApplication::setDesktopFileName("io.github.vexa.Qirvo");
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect whole = screen->geometry();
  window->move(whole.x() + (whole.width() - window->width()) / 2,
               whole.y() + (whole.height() - window->height()) / 2);
}

MainWindow* OpenQirvo(const Services& services, std::function<void(MainWindow&)> onCreated) {
  auto* window = new MainWindow(services, std::make_shared<CurlNetwork>(services.probe));
  window->SetOnCreated(std::move(onCreated));
  CentreOnScreen(window);
  window->show();
  return window;
}

void RunQirvo(int& argc, char** argv, const Services& services,
              std::function<void(MainWindow&)> onCreated) {
  QApplication app(argc, argv);
  PrepareApplication();
  OpenQirvo(services, std::move(onCreated));
  ExecAndEnd();
}

void ExecAndEnd() {
  const int code = QApplication::exec();
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace qirvo
