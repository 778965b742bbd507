// SPDX-License-Identifier: MIT
// Renders each page of the window to docs/screenshots/ (make screenshots).
#include <QApplication>
#include <QDir>
#include <memory>

#include "core/network.h"
#include "shell/application.h"
#include "shell/controls/text_edit_box.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
  out.mkpath(".");
  const auto services = qirvo::Services::At("http://127.0.0.1:1");
  qirvo::MainWindow window(services, std::make_shared<qirvo::CurlNetwork>(services.probe));
  window.show();
  // Sample results as the lookups write them, so each page shows what it is for.
  window.Control<qirvo::TextEditBox>("编辑框_信息1")
      ->setPlainText(QStringLiteral("所查域名：example.com\n\n所查IP：93.184.216.34\n\n地理位置：美国"));
  window.Control<QLineEdit>("编辑框_网站域名")->setText("example.com");
  const char* names[] = {"home", "ip-query", "fortune", "freeze", "extract-ip"};
  for (int page = 0; page < 5; ++page) {
    window.ShowPage(page);
    QApplication::processEvents();
    window.grab().save(out.filePath(QString("%1.png").arg(names[page])));
  }
  return 0;
}
