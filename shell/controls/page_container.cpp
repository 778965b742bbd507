// SPDX-License-Identifier: MIT
#include "shell/controls/page_container.h"

#include <QMouseEvent>
#include <QPainter>

namespace qirvo {

PageContainer::PageContainer(const QStringList& pageNames, QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (const QString& name : pageNames) {
    auto* page = new QWidget(this);
    page->setObjectName(name);
    page->setAttribute(Qt::WA_NoSystemBackground);
    page->setVisible(pages_.empty());
    pages_.push_back(page);
  }
}

void PageContainer::resizeEvent(QResizeEvent*) {
  // A page covers the whole container: its controls are placed relative to the container.
  for (QWidget* page : pages_) page->setGeometry(rect());
}

void PageContainer::SetCurrentPage(int n) {
  if (n == current_ || n < 0 || n >= PageCount()) return;
  Page(current_)->hide();
  current_ = n;
  Page(n)->show();
}

void PageContainer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.fillRect(rect().adjusted(1, 1, -1, -1), QColor(252, 252, 254));
}

void PageContainer::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace qirvo
