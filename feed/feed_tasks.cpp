// SPDX-License-Identifier: MIT
#include "feed/feed_tasks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QUrl>
#include <pthread.h>

#include <thread>

#include "feed/version_check.h"
#include "shell/controls/transparent_label.h"
#include "shell/main_window.h"
#include "shell/text_boundary.h"

namespace qirvo {
namespace {

QImage Decode(const Bytes& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()));
}

// Runs `apply` on the window's thread. The application object outlives every window, so
// it is a safe place to post to; the QPointer inside `apply` tells whether the target is
// still there when it runs.
template <typename F>
void OnWindowThread(F apply) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(apply), Qt::QueuedConnection);
}

// Named, so the tasks can be told apart in a debugger or a process listing.
void NameThisTask(const char* name) { pthread_setname_np(pthread_self(), name); }

void LoadSlides(std::shared_ptr<Network> net, Text site, QPointer<Slideshow> show) {
  NameThisTask("qirvo-slides");
  const QImage first = Decode(net->Fetch(site + "/hdp/hdp_1.jpg"));
  const QImage second = Decode(net->Fetch(site + "/hdp/hdp_2.jpg"));
  OnWindowThread([show, first, second] {
    if (show) show->Loaded(first, second);
  });
}

void RunVersionCheck(std::shared_ptr<Network> net, Services services,
                     QPointer<TransparentLabel> line) {
  NameThisTask("qirvo-version");
  const QString status = FromText(CheckVersion(*net, services));
  OnWindowThread([line, status] {
    if (line) line->SetText(status);
  });
}

}  // namespace

void StartFeed(MainWindow& window, SlidePeriods periods) {
  const Services& services = window.ServiceAddresses();
  auto* show = new Slideshow(window, periods);
  const QUrl site(FromText(services.productSite) + "/");
  QObject::connect(window.Control<TransparentLabel>("sfsd1f56ds1f6"), &TransparentLabel::pressed,
                   show, [site] { QDesktopServices::openUrl(site); });

  std::thread(LoadSlides, window.SharedNetwork(), services.productSite, QPointer(show)).detach();
  std::thread(RunVersionCheck, window.SharedNetwork(), services,
              QPointer(window.Control<TransparentLabel>("透明标签_下标题")))
      .detach();
}

}  // namespace qirvo
