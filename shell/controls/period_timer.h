// SPDX-License-Identifier: MIT
// A repeating timer driven by one number: a period above 0 runs it, 0 or less stops it.
#pragma once

#include <QTimer>

namespace qirvo {

class PeriodTimer : public QTimer {
  Q_OBJECT
 public:
  explicit PeriodTimer(QObject* parent) : QTimer(parent) {}

  // Setting the period it already runs with changes nothing; another period restarts the count.
  void SetPeriod(int ms) {
    if (ms <= 0) return stop();
    if (isActive() && interval() == ms) return;
    start(ms);
  }
  int Period() const { return isActive() ? interval() : 0; }
};

}  // namespace qirvo
