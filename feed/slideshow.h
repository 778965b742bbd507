// SPDX-License-Identifier: MIT
// The home page's two pictures, taking turns in their frame.
#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>
#include <array>

namespace qirvo {

class MainWindow;
class PeriodTimer;
class PictureBox;
class TransparentLabel;

struct SlidePeriods {
  int firstPictureMs = 3000;  // picture 1 stays this long, then picture 2
  int timerMs = 6000;         // one whole turn
};

class Slideshow : public QObject {
  Q_OBJECT
 public:
  Slideshow(MainWindow& window, SlidePeriods periods);

  // Both downloads have ended; a null image is a slot left empty.
  void Loaded(const QImage& first, const QImage& second);
  // Picture 1 now, picture 2 a little later; the window keeps working meanwhile.
  void ShowSlides();

 private:
  void ShowSecond();

  PictureBox* frame_;
  TransparentLabel* loading_;
  PeriodTimer* timer_;
  SlidePeriods periods_;
  std::array<QImage, 2> pictures_;
  QTimer second_;
};

}  // namespace qirvo
