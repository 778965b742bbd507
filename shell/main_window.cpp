// SPDX-License-Identifier: MIT
#include "shell/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

#include "feed/version_check.h"
#include "lookups/ip_query.h"
#include "lookups/qq_fortune.h"
#include "lookups/qq_login_limit.h"
#include "shell/controls/line_edit_box.h"
#include "shell/controls/page_container.h"
#include "shell/controls/text_edit_box.h"
#include "shell/controls/transparent_label.h"
#include "shell/lookup_worker.h"
#include "shell/text_boundary.h"
#include "shell/texts.h"
#include "shell/window_layout.h"

namespace qirvo {

MainWindow::MainWindow(Services services, std::shared_ptr<Network> network, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      services_(std::move(services)),
      network_(std::move(network)),
      worker_(std::make_unique<LookupWorker>()) {
  setWindowTitle(QString::fromUtf8(kProductName));
  setFixedSize(788, 469);
  setAttribute(Qt::WA_OpaquePaintEvent);
  controls_ = BuildControls(this);
  Control<TransparentLabel>("透明标签_下标题")
      ->SetText(FromText(StatusChecking(services_)));
  SetSkin(0);
  WireFrame();
  WireQuery("asdas", "编辑框_网站域名", "编辑框_信息1", LookupDomain);
  WireQuery("asdas1", "编辑框_IP查询", "编辑框_信息2", LookupIp);
  WireQuery("asdas2", "编辑框_号码吉凶", "编辑框_信息3", LookupQqFortune);
  WireQuery("asdas3", "编辑框_冻结", "编辑框_信息4", CheckQqLoginLimit);
}

// The worker goes first, so no lookup can post a result to a window being torn down.
MainWindow::~MainWindow() { worker_.reset(); }

void MainWindow::WireFrame() {
  const char* navigation[] = {"按钮_首页", "按钮_IP查询", "按钮_号码吉凶", "按钮_冻结查询",
                              "按钮_提取IP"};
  for (int page = 0; page < 5; ++page)
    connect(Control<TransparentLabel>(navigation[page]), &TransparentLabel::pressed, this,
            [this, page] { ShowPage(page); });
  connect(Control<TransparentLabel>("最小化程序"), &TransparentLabel::pressed, this,
          &MainWindow::Minimise);
  // Ends the event loop; the program entry then ends the process at once.
  connect(Control<TransparentLabel>("关闭程序"), &TransparentLabel::pressed, this,
          [] { QCoreApplication::exit(0); });
}

void MainWindow::WireQuery(const char* label, const char* input, const char* result,
                           Lookup lookup) {
  auto* in = Control<LineEditBox>(input);
  auto* out = Control<TextEditBox>(result);
  auto run = [this, lookup, in, out] { RunQuery(lookup, in, out); };
  connect(Control<TransparentLabel>(label), &TransparentLabel::pressed, this, run);
  // Enter in the input box does exactly what the press does, for keyboard users.
  connect(in, &QLineEdit::returnPressed, this, run);
}

void MainWindow::RunQuery(Lookup lookup, LineEditBox* input, TextEditBox* result) {
  if (pendingLookups_++ == 0) QApplication::setOverrideCursor(Qt::BusyCursor);
  // The input is read now, at the press; the lookup itself runs on the worker.
  worker_->Post([this, lookup, text = ToText(input->text()), target = QPointer(result)] {
    const QString shown = FromText(lookup(text, *network_, services_));
    QMetaObject::invokeMethod(
        this,
        [this, target, shown] {
          if (target) target->setPlainText(shown);
          LookupDone();
        },
        Qt::QueuedConnection);
  });
}

void MainWindow::LookupDone() {
  if (--pendingLookups_ == 0) QApplication::restoreOverrideCursor();
  emit lookupWritten();
}

void MainWindow::ShowPage(int n) {
  SetSkin(n);
  Control<PageContainer>(kPageContainer)->SetCurrentPage(n);
}

int MainWindow::CurrentPage() const {
  return Control<PageContainer>(kPageContainer)->CurrentPage();
}

void MainWindow::SetSkin(int n) {
  if (n < 0 || n >= static_cast<int>(skins_.size())) return;
  // Skins are decoded when first shown, so start-up pays for the home skin only.
  QPixmap& skin = skins_[static_cast<size_t>(n)];
  if (skin.isNull()) skin.load(QStringLiteral(":/skins/skin%1.jpg").arg(n));
  skin_ = n;
  update();
}

void MainWindow::Minimise() {
  // A window restored by the task bar may still carry the minimised flag; clear it, or
  // the second request would change nothing.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  setWindowState(windowState() | Qt::WindowMinimized);
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap& skin = skins_[static_cast<size_t>(skin_)];
  p.setRenderHint(QPainter::SmoothPixmapTransform);  // for high-density screens
  if (skin.isNull())
    p.fillRect(rect(), palette().color(QPalette::Button));
  else
    p.drawTiledPixmap(rect(), skin);
}

void MainWindow::showEvent(QShowEvent*) {
  if (created_) return;
  created_ = true;
  OnWindowCreated();
}

void MainWindow::OnWindowCreated() {
  if (onCreated_) onCreated_(*this);  // the background tasks
  SetSkin(0);
}

}  // namespace qirvo
