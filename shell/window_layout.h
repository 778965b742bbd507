// SPDX-License-Identifier: MIT
// The window as data: one row per control, and the loop that builds them.
#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <cstdint>
#include <span>

#include "shell/controls/line_edit_box.h"

class QObject;
class QWidget;

namespace qirvo {

enum class ControlKind { PictureBox, Label, LineEdit, TextEdit, GroupBox, PageContainer, Timer };

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* parent = nullptr;  // nullptr: the window
  int page = -1;                 // for a direct child of the page container
  QRect place{};
  // Picture boxes
  const char* picture = nullptr;  // resource name under :/pictures/
  bool stretched = false;
  bool whiteBackground = false;
  // Labels
  const char* text = "";
  int songPixelHeight = 0;  // 0: the default user-interface font
  uint32_t colour = 0x000000;
  Qt::Alignment alignment = Qt::AlignLeft;
  bool wrap = false;
  // Edit boxes
  InputMode input = InputMode::Normal;
  // What a screen reader says, for controls that take presses or input.
  const char* accessibleName = nullptr;
  const char* accessibleDescription = nullptr;
};

std::span<const ControlRow> WindowLayout();

inline constexpr const char* kPageContainer = "高级选择夹";
inline constexpr const char* kSongFamily = "宋体";

// Creates every control inside `window`, stacked first-on-top within each parent, and
// returns them by name.
QHash<QString, QObject*> BuildControls(QWidget* window);

}  // namespace qirvo
