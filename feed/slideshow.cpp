// SPDX-License-Identifier: MIT
#include "feed/slideshow.h"

#include "shell/controls/period_timer.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/transparent_label.h"
#include "shell/main_window.h"

namespace qirvo {

Slideshow::Slideshow(MainWindow& window, SlidePeriods periods)
    : QObject(&window),
      frame_(window.Control<PictureBox>("图片框_幻灯片")),
      loading_(window.Control<TransparentLabel>("透明标签_kdp")),
      timer_(window.Control<PeriodTimer>("时钟_hdp")),
      periods_(periods) {
  second_.setSingleShot(true);
  connect(&second_, &QTimer::timeout, this, &Slideshow::ShowSecond);
  connect(timer_, &QTimer::timeout, this, &Slideshow::ShowSlides);
}

void Slideshow::Loaded(const QImage& first, const QImage& second) {
  pictures_ = {first, second};
  loading_->hide();
  ShowSlides();
}

void Slideshow::ShowSlides() {
  frame_->SetImage(pictures_[0]);
  second_.start(periods_.firstPictureMs);
}

void Slideshow::ShowSecond() {
  frame_->SetImage(pictures_[1]);
  // The turn timer starts when picture 2 first shows, so that first showing lasts a whole
  // period; setting the same period again later changes nothing.
  timer_->SetPeriod(periods_.timerMs);
}

}  // namespace qirvo
