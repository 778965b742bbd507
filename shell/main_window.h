// SPDX-License-Identifier: MIT
// The skinned, frameless main window: its controls, pages, skins and the query presses.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/network.h"
#include "lookups/services.h"
#include "shell/controls/window_mover.h"

namespace qirvo {

class LineEditBox;
class LookupWorker;
class TextEditBox;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  using Lookup = Text (*)(const Text&, Network&, const Services&);

  MainWindow(Services services, std::shared_ptr<Network> network, QWidget* parent = nullptr);
  ~MainWindow() override;

  template <typename T>
  T* Control(const QString& name) const {
    return qobject_cast<T*>(controls_.value(name));
  }

  void ShowPage(int n);
  void SetSkin(int n);
  int Skin() const { return skin_; }
  int CurrentPage() const;
  void Minimise();
  int PendingLookups() const { return pendingLookups_; }

  // Runs once, when the window is first shown, before the user can act.
  void SetOnCreated(std::function<void(MainWindow&)> hook) { onCreated_ = std::move(hook); }

  const Services& ServiceAddresses() const { return services_; }
  std::shared_ptr<Network> SharedNetwork() const { return network_; }

 signals:
  void lookupWritten();

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mover_.Press(this, e); }
  void mouseMoveEvent(QMouseEvent* e) override { mover_.Move(e); }
  void mouseReleaseEvent(QMouseEvent*) override { mover_.Release(); }

 private:
  void OnWindowCreated();
  void WireFrame();
  void WireQuery(const char* label, const char* input, const char* result, Lookup lookup);
  void RunQuery(Lookup lookup, LineEditBox* input, TextEditBox* result);
  void LookupDone();

  Services services_;
  std::shared_ptr<Network> network_;
  QHash<QString, QObject*> controls_;
  std::array<QPixmap, 5> skins_;
  int skin_ = -1;
  bool created_ = false;
  int pendingLookups_ = 0;
  WindowMover mover_;
  std::function<void(MainWindow&)> onCreated_;
  std::unique_ptr<LookupWorker> worker_;
};

}  // namespace qirvo
