// SPDX-License-Identifier: MIT
#include "shell/window_layout.h"

#include <QImage>

#include "shell/controls/group_box.h"
#include "shell/controls/page_container.h"
#include "shell/controls/period_timer.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/text_edit_box.h"
#include "shell/controls/transparent_label.h"
#include "shell/texts.h"

namespace qirvo {
namespace {

using K = ControlKind;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

// Rows in stacking order within each parent, the first one on top.
const ControlRow kRows[] = {
    // The window's frame
    {.name = "图片框14", .kind = K::PictureBox, .place = {328, 8, 80, 88}, .picture = "logo_glyph"},
    {.name = "按钮_首页", .kind = K::Label, .place = {25, 106, 120, 32},
     .accessibleName = "首页", .accessibleDescription = "切换到首页"},
    {.name = "按钮_IP查询", .kind = K::Label, .place = {152, 106, 120, 32},
     .accessibleName = "IP查询", .accessibleDescription = "切换到IP查询页"},
    {.name = "按钮_号码吉凶", .kind = K::Label, .place = {279, 106, 120, 32},
     .accessibleName = "号码吉凶", .accessibleDescription = "切换到号码吉凶页"},
    {.name = "按钮_冻结查询", .kind = K::Label, .place = {406, 106, 120, 32},
     .accessibleName = "冻结查询", .accessibleDescription = "切换到冻结查询页"},
    {.name = "按钮_提取IP", .kind = K::Label, .place = {533, 106, 120, 32},
     .accessibleName = "提取IP", .accessibleDescription = "切换到提取IP页"},
    {.name = "最小化程序", .kind = K::Label, .place = {716, 14, 21, 20},
     .accessibleName = "最小化", .accessibleDescription = "把窗口最小化到任务栏"},
    {.name = "关闭程序", .kind = K::Label, .place = {753, 14, 21, 20},
     .accessibleName = "关闭", .accessibleDescription = "关闭本软件"},
    {.name = kPageContainer, .kind = K::PageContainer, .place = {3, 143, 782, 295}},
    {.name = "透明标签_下标题", .kind = K::Label, .place = {8, 447, 760, 16},
     .songPixelHeight = 12},

    // Page 0: home
    {.name = "图片框_公告背景", .kind = K::PictureBox, .page = 0, .place = {19, 40, 736, 32},
     .picture = "notice_bar", .whiteBackground = true},
    {.name = "透明标签_公告", .kind = K::Label, .parent = "图片框_公告背景",
     .place = {106, 4, 616, 24}, .text = kNoticeText, .songPixelHeight = 12, .colour = 0x8080FF},
    {.name = "图片框1", .kind = K::PictureBox, .page = 0, .place = {19, 93, 434, 188},
     .picture = "intro_panel", .stretched = true, .whiteBackground = true},
    {.name = "透明标签_软件简介", .kind = K::Label, .parent = "图片框1", .place = {20, 32, 392, 136},
     .text = kIntroductionText, .wrap = true},
    {.name = "分组框1", .kind = K::GroupBox, .page = 0, .place = {461, 89, 288, 192}},
    {.name = "图片框_幻灯片", .kind = K::PictureBox, .parent = "分组框1", .place = {1, 7, 285, 183},
     .whiteBackground = true},
    {.name = "sfsd1f56ds1f6", .kind = K::Label, .parent = "图片框_幻灯片", .place = {3, 4, 280, 174},
     .accessibleName = "幻灯片", .accessibleDescription = "在浏览器中打开官方网站"},
    {.name = "时钟_hdp", .kind = K::Timer, .parent = "图片框_幻灯片"},
    {.name = "透明标签_kdp", .kind = K::Label, .parent = "图片框_幻灯片", .place = {31, 81, 224, 16},
     .text = "图片正在加载中,请销等...", .alignment = kCentre},

    // Page 1: IP query
    {.name = "透明标签1", .kind = K::Label, .page = 1, .place = {28, 56, 64, 24},
     .text = "网站域名:", .songPixelHeight = 14, .alignment = kRight},
    {.name = "图片框_网站域名", .kind = K::PictureBox, .page = 1, .place = {95, 56, 217, 26},
     .picture = "input_frame"},
    {.name = "编辑框_网站域名", .kind = K::LineEdit, .parent = "图片框_网站域名",
     .place = {6, 1, 208, 24},
     .accessibleName = "网站域名", .accessibleDescription = "输入要查询的网站域名，按回车键查询"},
    {.name = "网站域名_一键查询", .kind = K::PictureBox, .page = 1, .place = {197, 100, 115, 37},
     .picture = "query_button"},
    {.name = "asdas", .kind = K::Label, .parent = "网站域名_一键查询", .place = {6, 6, 104, 24},
     .accessibleName = "一键查询", .accessibleDescription = "查询网站域名的IP地址和地理位置"},
    {.name = "图片框3", .kind = K::PictureBox, .page = 1, .place = {333, 56, 432, 81},
     .picture = "result_frame"},
    {.name = "编辑框_信息1", .kind = K::TextEdit, .parent = "图片框3", .place = {2, 1, 428, 79},
     .input = InputMode::ReadOnly,
     .accessibleName = "域名查询结果", .accessibleDescription = "网站域名的查询结果，只读"},
    {.name = "图片框2", .kind = K::PictureBox, .page = 1, .place = {-3, 153, 785, 1},
     .picture = "separator", .stretched = true},
    {.name = "透明标签2", .kind = K::Label, .page = 1, .place = {39, 191, 53, 24},
     .text = "IP查询:", .songPixelHeight = 14, .alignment = kRight},
    {.name = "图片框_IP", .kind = K::PictureBox, .page = 1, .place = {96, 191, 217, 26},
     .picture = "input_frame"},
    {.name = "编辑框_IP查询", .kind = K::LineEdit, .parent = "图片框_IP", .place = {6, 1, 208, 24},
     .accessibleName = "IP地址", .accessibleDescription = "输入要查询的IP地址，按回车键查询"},
    {.name = "IP查询_一键查询", .kind = K::PictureBox, .page = 1, .place = {200, 235, 115, 37},
     .picture = "query_button"},
    {.name = "asdas1", .kind = K::Label, .parent = "IP查询_一键查询", .place = {6, 6, 104, 24},
     .accessibleName = "一键查询", .accessibleDescription = "查询IP地址的地理位置"},
    {.name = "图片框4", .kind = K::PictureBox, .page = 1, .place = {333, 192, 432, 81},
     .picture = "result_frame"},
    {.name = "编辑框_信息2", .kind = K::TextEdit, .parent = "图片框4", .place = {2, 1, 428, 78},
     .input = InputMode::ReadOnly,
     .accessibleName = "IP查询结果", .accessibleDescription = "IP地址的查询结果，只读"},

    // Page 2: number fortune
    {.name = "透明标签3", .kind = K::Label, .page = 2, .place = {29, 56, 64, 24},
     .text = "号码吉凶:", .songPixelHeight = 14},
    {.name = "图片框_网站域名1", .kind = K::PictureBox, .page = 2, .place = {95, 56, 217, 26},
     .picture = "input_frame"},
    {.name = "编辑框_号码吉凶", .kind = K::LineEdit, .parent = "图片框_网站域名1",
     .place = {6, 1, 208, 24}, .input = InputMode::DigitsOnly,
     .accessibleName = "QQ号码", .accessibleDescription = "输入要测吉凶的QQ号码，按回车键查询"},
    {.name = "网站域名_一键查询1", .kind = K::PictureBox, .page = 2, .place = {197, 100, 115, 37},
     .picture = "query_button"},
    {.name = "asdas2", .kind = K::Label, .parent = "网站域名_一键查询1", .place = {6, 6, 104, 24},
     .accessibleName = "一键查询", .accessibleDescription = "查询QQ号码的吉凶"},
    {.name = "图片框5", .kind = K::PictureBox, .page = 2, .place = {333, 56, 432, 81},
     .picture = "result_frame"},
    {.name = "编辑框_信息3", .kind = K::TextEdit, .parent = "图片框5", .place = {2, 1, 428, 79},
     .input = InputMode::ReadOnly,
     .accessibleName = "号码吉凶结果", .accessibleDescription = "QQ号码吉凶的查询结果，只读"},

    // Page 3: login-limit check
    {.name = "透明标签4", .kind = K::Label, .page = 3, .place = {39, 57, 56, 24},
     .text = "QQ号码:", .songPixelHeight = 14},
    {.name = "图片框_网站域名2", .kind = K::PictureBox, .page = 3, .place = {95, 56, 217, 26},
     .picture = "input_frame"},
    {.name = "编辑框_冻结", .kind = K::LineEdit, .parent = "图片框_网站域名2",
     .place = {6, 1, 208, 24}, .input = InputMode::DigitsOnly,
     .accessibleName = "QQ帐号", .accessibleDescription = "输入要查询能否登录的QQ帐号，按回车键查询"},
    {.name = "网站域名_一键查询2", .kind = K::PictureBox, .page = 3, .place = {197, 100, 115, 37},
     .picture = "query_button"},
    {.name = "asdas3", .kind = K::Label, .parent = "网站域名_一键查询2", .place = {6, 6, 104, 24},
     .accessibleName = "一键查询", .accessibleDescription = "查询QQ帐号能否正常登录"},
    {.name = "图片框6", .kind = K::PictureBox, .page = 3, .place = {333, 56, 432, 81},
     .picture = "result_frame"},
    {.name = "编辑框_信息4", .kind = K::TextEdit, .parent = "图片框6", .place = {2, 1, 428, 79},
     .input = InputMode::ReadOnly,
     .accessibleName = "冻结查询结果", .accessibleDescription = "QQ帐号能否登录的查询结果，只读"},

    // Page 4: IP extraction, announced for a later version and covered by its notice
    {.name = "图片框13", .kind = K::PictureBox, .page = 4, .place = {21, 41, 744, 240},
     .whiteBackground = true},
    {.name = "透明标签9", .kind = K::Label, .parent = "图片框13", .place = {264, 80, 224, 48},
     .text = "本功能在下个版本,即可使用,敬请期待！"},
    {.name = "图片框12", .kind = K::PictureBox, .page = 4, .place = {33, 213, 180, 42},
     .picture = "extract_button"},
    {.name = "按钮_一键提取", .kind = K::Label, .parent = "图片框12", .place = {6, 5, 168, 32},
     .accessibleName = "一键提取", .accessibleDescription = "提取IP，下个版本即可使用"},
    {.name = "图片框11", .kind = K::PictureBox, .page = 4, .place = {237, 56, 520, 201},
     .picture = "result_frame", .stretched = true},
    {.name = "编辑框_IP", .kind = K::TextEdit, .parent = "图片框11", .place = {4, 6, 514, 192},
     .input = InputMode::ReadOnly,
     .accessibleName = "提取结果", .accessibleDescription = "提取到的IP，只读"},
    {.name = "图片框10", .kind = K::PictureBox, .page = 4, .place = {69, 176, 144, 24},
     .picture = "input_frame", .stretched = true},
    {.name = "编辑框_开头", .kind = K::LineEdit, .parent = "图片框10", .place = {4, 4, 139, 16},
     .input = InputMode::DigitsOnly,
     .accessibleName = "开头", .accessibleDescription = "IP的开头"},
    {.name = "透明标签8", .kind = K::Label, .page = 4, .place = {30, 177, 48, 24}, .text = "开头："},
    {.name = "图片框9", .kind = K::PictureBox, .page = 4, .place = {69, 136, 144, 24},
     .picture = "input_frame", .stretched = true},
    {.name = "编辑框_地区", .kind = K::LineEdit, .parent = "图片框9", .place = {4, 4, 139, 16},
     .accessibleName = "地区", .accessibleDescription = "IP所在的地区"},
    {.name = "透明标签7", .kind = K::Label, .page = 4, .place = {30, 138, 40, 24}, .text = "地区："},
    {.name = "图片框8", .kind = K::PictureBox, .page = 4, .place = {69, 96, 144, 24},
     .picture = "input_frame", .stretched = true},
    {.name = "编辑框_端口", .kind = K::LineEdit, .parent = "图片框8", .place = {4, 4, 139, 16},
     .input = InputMode::DigitsOnly,
     .accessibleName = "端口", .accessibleDescription = "端口"},
    {.name = "透明标签6", .kind = K::Label, .page = 4, .place = {30, 98, 40, 24}, .text = "端口："},
    {.name = "透明标签5", .kind = K::Label, .page = 4, .place = {30, 59, 40, 24}, .text = "数量："},
    {.name = "图片框7", .kind = K::PictureBox, .page = 4, .place = {69, 57, 144, 24},
     .picture = "input_frame", .stretched = true},
    {.name = "编辑框_数量", .kind = K::LineEdit, .parent = "图片框7", .place = {4, 4, 139, 16},
     .input = InputMode::DigitsOnly,
     .accessibleName = "数量", .accessibleDescription = "要提取的IP数量"},
};

QFont SongFont(int pixelHeight) {
  QFont f(kSongFamily);
  f.setPixelSize(pixelHeight);
  return f;
}

QObject* Create(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case K::PictureBox: {
      const QColor fill = row.whiteBackground ? QColor(Qt::white)
                                              : parent->palette().color(QPalette::Button);
      auto* box = new PictureBox(
          fill, row.stretched ? PictureBox::Mode::Stretched : PictureBox::Mode::TopLeft, parent);
      if (row.picture) box->SetImageFile(QStringLiteral(":/pictures/%1.jpg").arg(row.picture));
      return box;
    }
    case K::Label: {
      auto* label = new TransparentLabel(row.alignment, row.wrap, parent);
      if (row.songPixelHeight) label->setFont(SongFont(row.songPixelHeight));
      label->SetText(QString::fromUtf8(row.text));
      label->SetColour(QColor::fromRgb(row.colour));
      return label;
    }
    case K::LineEdit:
      return new LineEditBox(row.input, parent);
    case K::TextEdit:
      return new TextEditBox(row.input, parent);
    case K::GroupBox:
      return new GroupBox(parent);
    case K::PageContainer:
      return new PageContainer({"首页", "IP查询", "号码吉凶", "冻结查询", "提取IP"}, parent);
    case K::Timer:
      return new PeriodTimer(parent);
  }
  return nullptr;
}

}  // namespace

std::span<const ControlRow> WindowLayout() { return kRows; }

QHash<QString, QObject*> BuildControls(QWidget* window) {
  QHash<QString, QObject*> byName;
  for (const ControlRow& row : kRows) {
    QWidget* parent = window;
    if (row.parent) parent = qobject_cast<QWidget*>(byName.value(QString::fromUtf8(row.parent)));
    if (row.page >= 0)
      parent = qobject_cast<PageContainer*>(byName.value(kPageContainer))->Page(row.page);
    QObject* control = Create(row, parent);
    control->setObjectName(QString::fromUtf8(row.name));
    if (auto* w = qobject_cast<QWidget*>(control)) {
      w->setGeometry(row.place);
      if (row.accessibleName) w->setAccessibleName(QString::fromUtf8(row.accessibleName));
      if (row.accessibleDescription)
        w->setAccessibleDescription(QString::fromUtf8(row.accessibleDescription));
    }
    byName.insert(control->objectName(), control);
  }
  // Later siblings are created on top; raising in reverse puts the first row on top.
  for (auto it = std::rbegin(kRows); it != std::rend(kRows); ++it)
    if (auto* w = qobject_cast<QWidget*>(byName.value(QString::fromUtf8(it->name)))) w->raise();
  return byName;
}

}  // namespace qirvo
