// SPDX-License-Identifier: MIT
// The window on a screen of twice the density: same layout, pictures scaled, never cut.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "shell/application.h"
#include "shell/controls/picture_box.h"
#include "shell/main_window.h"

namespace qirvo {
namespace {

TEST(HighDensity, KeepsTheLayoutAndDrawsWholePictures) {
  const Services services = Services::At("http://127.0.0.1:1");
  MainWindow window(services, std::make_shared<CurlNetwork>(services.probe));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_EQ(window.devicePixelRatio(), 2.0);
  EXPECT_EQ(window.size(), QSize(788, 469));
  window.ShowPage(1);
  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot.size(), QSize(1576, 938));

  // The input frame's border runs along its last column: it must be drawn, not cut off.
  auto* frame = window.Control<PictureBox>("图片框_网站域名");
  const QPoint corner = frame->mapTo(&window, QPoint(frame->width() - 1, frame->height() / 2));
  const QColor border = shot.pixelColor(corner * 2 + QPoint(1, 0));
  const QColor inside = shot.pixelColor(corner * 2 - QPoint(6, 0));
  EXPECT_EQ(inside, QColor(Qt::white));
  EXPECT_NE(border, QColor(Qt::white));
}

}  // namespace
}  // namespace qirvo

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  return RUN_ALL_TESTS();
}
