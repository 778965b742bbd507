// SPDX-License-Identifier: MIT
// responsiveness SITE-URL SLOW-URL: the longest the window's event loop goes without
// serving a 5 ms probe timer, while the slideshow cycles (SITE-URL) and domain lookups
// wait 2 s each on a slow server (SLOW-URL); and whether a navigation press made during a
// lookup switched the page at once. Prints "MAX-STALL-MS SWITCHED(0|1)".
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "feed/feed_tasks.h"
#include "shell/application.h"
#include "shell/controls/transparent_label.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: responsiveness SITE-URL SLOW-URL\n");
    return 2;
  }
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  qirvo::Services services = qirvo::Services::At(argv[1]);
  services.ipLocation = qirvo::Services::At(argv[2]).ipLocation;
  auto* window = qirvo::OpenQirvo(services, [](qirvo::MainWindow& w) { qirvo::StartFeed(w); });

  QElapsedTimer clock;
  clock.start();
  qint64 last = 0, worst = 0;
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    worst = std::max(worst, now - last - 5);
    last = now;
  });
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  last = clock.elapsed();
  probe.start(5);

  bool switched = true;
  auto* domain = window->Control<QLineEdit>("编辑框_网站域名");
  auto* query = window->Control<qirvo::TransparentLabel>("asdas");
  const char* navigation[] = {"按钮_IP查询", "按钮_首页"};
  for (int round = 0; round < 4; ++round) {
    domain->setText(QStringLiteral("round%1.example").arg(round));
    emit query->pressed();
    QTest::qWait(300);
    const int page = round % 2 == 0 ? 1 : 0;
    emit window->Control<qirvo::TransparentLabel>(navigation[round % 2])->pressed();
    switched = switched && window->CurrentPage() == page && window->PendingLookups() == 1;
    while (window->PendingLookups() > 0) QTest::qWait(20);
  }
  std::printf("%lld %d\n", static_cast<long long>(worst), switched ? 1 : 0);
  std::fflush(stdout);
  std::_Exit(0);
}
