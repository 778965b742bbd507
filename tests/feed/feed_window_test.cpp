// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <QApplication>
#include <QBuffer>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "feed/feed_tasks.h"
#include "shell/application.h"
#include "shell/controls/period_timer.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/transparent_label.h"
#include "shell/main_window.h"
#include "tests/support/loopback.h"
#include "tools/services_emulator.h"

namespace qirvo {
namespace {

using namespace std::chrono_literals;

// Takes the browser hand-off instead of a browser.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

QByteArray Jpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 95);
  return bytes;
}

// Holds each connection without answering until the client gives up.
void Stall(int fd, const std::string&) {
  pollfd p{fd, POLLIN, 0};
  char c;
  if (::poll(&p, 1, 5000) == 1) ::recv(fd, &c, 1, 0);
}

// Notes the moment a widget is hidden; hiding is synchronous, so the stamp is exact.
class HideStamp : public QObject {
 public:
  explicit HideStamp(QWidget* watched) : QObject(watched) { watched->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Hide && !clock.isValid()) clock.start();
    return false;
  }
  QElapsedTimer clock;
};

class FeedTest : public testing::Test {
 protected:
  void Open(const std::string& base, SlidePeriods periods) {
    const Services services = Services::At(base);
    FetchLimits limits;
    limits.connect = 1s;
    limits.idle = 1s;
    limits.probe = 1s;
    window_ = std::make_unique<MainWindow>(services,
                                           std::make_shared<CurlNetwork>(services.probe, limits));
    window_->SetOnCreated([periods](MainWindow& w) { StartFeed(w, periods); });
    loadingHidden_ = new HideStamp(Loading());
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  PictureBox* Frame() const { return window_->Control<PictureBox>("图片框_幻灯片"); }
  TransparentLabel* Loading() const { return window_->Control<TransparentLabel>("透明标签_kdp"); }
  PeriodTimer* Timer() const { return window_->Control<PeriodTimer>("时钟_hdp"); }
  bool Shows(const QImage& picture) const { return Frame()->Image() == picture; }

  std::unique_ptr<MainWindow> window_;
  HideStamp* loadingHidden_ = nullptr;  // picture 1 goes up in the same step
};

QImage Slide(int n) { return QImage(QStringLiteral(":/slides/hdp_%1.jpg").arg(n)); }

TEST_F(FeedTest, ShowsPictureOneThenTwoThenTurnsOnTheTimer) {
  ServicesEmulator site;
  Open(site.Base(), {.firstPictureMs = 800, .timerMs = 1600});
  EXPECT_EQ(Timer()->Period(), 0);  // nothing runs before the downloads end

  ASSERT_TRUE(QTest::qWaitFor([&] { return Loading()->isHidden(); }, 5000));
  EXPECT_TRUE(Shows(Slide(1)));
  EXPECT_EQ(Timer()->Period(), 0);  // started only when picture 2 first shows

  ASSERT_TRUE(QTest::qWaitFor([&] { return Shows(Slide(2)); }, 5000));
  EXPECT_EQ(Timer()->Period(), 1600);

  // Each tick shows picture 1 at once and picture 2 a little later.
  QList<bool> firstAtTick;
  QObject::connect(Timer(), &QTimer::timeout, [&] { firstAtTick << Shows(Slide(1)); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return firstAtTick.size() == 2; }, 5000));
  EXPECT_EQ(firstAtTick, QList<bool>({true, true}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Shows(Slide(2)); }, 5000));
}

TEST_F(FeedTest, TheFirstPictureStaysThreeSecondsAndTheTimerTurnsEverySix) {
  ServicesEmulator site;
  Open(site.Base(), {});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Shows(Slide(2)); }, 10000));
  // Seen no earlier than it happened: coarse timers may fire up to 5% early, no more.
  EXPECT_GE(loadingHidden_->clock.elapsed(), 2800);
  EXPECT_EQ(Timer()->Period(), 6000);
}

TEST_F(FeedTest, FailedDownloadsLeaveTheFrameEmptyButTheTimerRuns) {
  Open("http://127.0.0.1:1", {.firstPictureMs = 100, .timerMs = 300});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Timer()->Period() == 300; }, 5000));
  EXPECT_TRUE(Loading()->isHidden());
  EXPECT_TRUE(Frame()->Image().isNull());
  EXPECT_EQ(window_->Control<TransparentLabel>("透明标签_下标题")->Text().right(14),
            QStringLiteral("获取失败,请重新打开本软件！"));
}

TEST_F(FeedTest, APictureLargerThanTheFrameShowsItsTopLeft) {
  QImage big(400, 300, QImage::Format_RGB32);
  for (int y = 0; y < big.height(); ++y)
    for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, 90));
  const QByteArray jpeg = Jpeg(big);
  test::HttpServer site([&](httplib::Server& s) {
    s.Get("/hdp/hdp_1.jpg", [&](const auto&, auto& res) {
      res.set_content(std::string(jpeg.constData(), static_cast<size_t>(jpeg.size())), "image/jpeg");
    });
  });
  Open(site.Base(), {.firstPictureMs = 60'000, .timerMs = 120'000});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Frame()->Image().isNull(); }, 5000));
  const QImage decoded = Frame()->Image();
  const QImage drawn = Frame()->grab().toImage();
  ASSERT_EQ(drawn.size(), QSize(285, 183));
  for (const QPoint p : {QPoint(0, 0), QPoint(150, 90), QPoint(284, 182)})
    EXPECT_EQ(drawn.pixel(p), decoded.pixel(p)) << p.x() << "," << p.y();
}

TEST_F(FeedTest, UndecodablePictureLeavesItsSlotEmpty) {
  ServicesEmulator pictures;
  test::HttpServer site([&](httplib::Server& s) {
    s.Get("/hdp/hdp_1.jpg", [](const auto&, auto& res) { res.set_content("not a jpeg", "image/jpeg"); });
    s.Get("/hdp/hdp_2.jpg", [](const auto&, auto& res) {
      const QByteArray j = Jpeg(Slide(2));
      res.set_content(std::string(j.constData(), static_cast<size_t>(j.size())), "image/jpeg");
    });
  });
  Open(site.Base(), {.firstPictureMs = 200, .timerMs = 600});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Loading()->isHidden(); }, 5000));
  EXPECT_TRUE(Frame()->Image().isNull());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Frame()->Image().isNull(); }, 5000));
}

TEST_F(FeedTest, AClickWhileLoadingOpensTheSite) {
  UrlCatcher browser;
  QDesktopServices::setUrlHandler("http", &browser, "Open");
  test::RawServer stalled(Stall);
  Open(stalled.Base(), {});
  auto* click = window_->Control<QWidget>("sfsd1f56ds1f6");
  const QPoint centre = click->mapTo(window_.get(), click->rect().center());
  QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, centre);
  QDesktopServices::unsetUrlHandler("http");
  EXPECT_FALSE(Loading()->isHidden());
  EXPECT_EQ(browser.opened, QList<QUrl>({QUrl(QString::fromStdString(stalled.Base() + "/"))}));
}

TEST_F(FeedTest, StatusLineKeepsItsFirstTextWhileTheCheckRuns) {
  test::RawServer stalled(Stall);
  Open(stalled.Base(), {});
  QTest::qWait(300);
  EXPECT_TRUE(window_->Control<TransparentLabel>("透明标签_下标题")
                  ->Text()
                  .endsWith(QStringLiteral("最新版本:正在检测中,请销等...")));
}

TEST_F(FeedTest, StatusLineIsWrittenOnceTheCheckEnds) {
  ServicesEmulator site;
  Open(site.Base(), {});
  auto* line = window_->Control<TransparentLabel>("透明标签_下标题");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return line->Text().endsWith(QStringLiteral("最新版本:1.0 - 目前是最新版本！")); }, 5000));
}

TEST_F(FeedTest, ClosingWhileBothDownloadsStallEndsAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        test::RawServer stalled(Stall);
        Open(stalled.Base(), {});
        auto* close = window_->Control<QWidget>("关闭程序");
        QTimer::singleShot(300, [&] {
          QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {},
                            close->mapTo(window_.get(), close->rect().center()));
        });
        ExecAndEnd();
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace qirvo

#include "feed_window_test.moc"
