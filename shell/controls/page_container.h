// SPDX-License-Identifier: MIT
// Pages of controls shown one at a time, with no page headers: the skin paints the captions.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace qirvo {

class PageContainer : public QWidget {
  Q_OBJECT
 public:
  PageContainer(const QStringList& pageNames, QWidget* parent);

  QWidget* Page(int n) const { return pages_.at(static_cast<size_t>(n)); }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int CurrentPage() const { return current_; }
  void SetCurrentPage(int n);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<QWidget*> pages_;
  int current_ = 0;
};

}  // namespace qirvo
