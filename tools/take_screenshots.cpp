// SPDX-License-Identifier: MIT
// Renders each page of the window, with real answers from the emulator, into a folder
// (make screenshots writes docs/screenshots/).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <memory>

#include "core/network.h"
#include "feed/feed_tasks.h"
#include "shell/application.h"
#include "shell/controls/transparent_label.h"
#include "shell/main_window.h"
#include "tools/services_emulator.h"

namespace {

void WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
  out.mkpath(".");
  qirvo::ServicesEmulator emulator;
  const auto services = qirvo::Services::At(emulator.Base());
  qirvo::MainWindow window(services, std::make_shared<qirvo::CurlNetwork>(services.probe));
  window.SetOnCreated([](qirvo::MainWindow& w) { qirvo::StartFeed(w); });
  window.show();

  const struct {
    const char* input;
    const char* typed;
    const char* label;
  } queries[] = {{"编辑框_网站域名", "www.qq.com", "asdas"},
                 {"编辑框_IP查询", "8.8.8.8", "asdas1"},
                 {"编辑框_号码吉凶", "12345", "asdas2"},
                 {"编辑框_冻结", "10001", "asdas3"}};
  for (const auto& q : queries) {
    window.Control<QLineEdit>(QString::fromUtf8(q.input))->setText(QString::fromUtf8(q.typed));
    emit window.Control<qirvo::TransparentLabel>(QString::fromUtf8(q.label))->pressed();
  }
  auto* status = window.Control<qirvo::TransparentLabel>("透明标签_下标题");
  WaitUntil([&] {
    return window.PendingLookups() == 0 && !status->Text().endsWith("...") &&
           window.Control<QWidget>("透明标签_kdp")->isHidden();
  });

  const char* names[] = {"home", "ip-query", "fortune", "freeze", "extract-ip"};
  for (int page = 0; page < 5; ++page) {
    window.ShowPage(page);
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    const QString density = shot.devicePixelRatio() > 1 ? QString("@%1x").arg(shot.devicePixelRatio()) : "";
    shot.save(out.filePath(QString("%1%2.png").arg(names[page], density)));
  }
  return 0;
}
