// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <set>

#include "shell/application.h"
#include "shell/controls/group_box.h"
#include "shell/controls/line_edit_box.h"
#include "shell/controls/page_container.h"
#include "shell/controls/period_timer.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/text_edit_box.h"
#include "shell/controls/transparent_label.h"
#include "shell/window_layout.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/by_name.h"

namespace qirvo {
namespace {

using test::WindowTest;

bool HasKind(QObject* o, ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox: return qobject_cast<PictureBox*>(o);
    case ControlKind::Label: return qobject_cast<TransparentLabel*>(o);
    case ControlKind::LineEdit: return qobject_cast<LineEditBox*>(o);
    case ControlKind::TextEdit: return qobject_cast<TextEditBox*>(o);
    case ControlKind::GroupBox: return qobject_cast<GroupBox*>(o);
    case ControlKind::PageContainer: return qobject_cast<PageContainer*>(o);
    case ControlKind::Timer: return qobject_cast<PeriodTimer*>(o);
  }
  return false;
}

// The page a row lies on, through its parents; -1 for the window's frame.
int PageOf(const ControlRow& row) {
  if (row.page >= 0 || !row.parent) return row.page;
  for (const ControlRow& r : WindowLayout())
    if (std::string_view(r.name) == row.parent) return PageOf(r);
  return -1;
}

TEST_F(WindowTest, HoldsTheSixtySixControlsOfTheLayout) {
  ASSERT_EQ(WindowLayout().size(), 66u);
  std::set<std::string_view> names;
  auto* container = Get<PageContainer>(kPageContainer);
  for (const ControlRow& row : WindowLayout()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(names.insert(row.name).second) << "name used twice";
    QObject* o = window_->Control<QObject>(QString::fromUtf8(row.name));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->objectName(), QString::fromUtf8(row.name));
    EXPECT_TRUE(HasKind(o, row.kind));
    const QObject* expectedParent = row.page >= 0 ? container->Page(row.page)
                                    : row.parent ? window_->Control<QObject>(QString::fromUtf8(row.parent))
                                                 : window_.get();
    EXPECT_EQ(o->parent(), expectedParent);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) continue;
    EXPECT_EQ(w->geometry(), row.place);
    const int page = PageOf(row);
    EXPECT_EQ(w->isVisible(), page <= 0);
    EXPECT_EQ(w->focusPolicy() != Qt::NoFocus,
              row.kind == ControlKind::LineEdit || row.kind == ControlKind::TextEdit);
    if (auto* label = qobject_cast<TransparentLabel*>(o)) {
      if (*row.text) {
        EXPECT_EQ(label->Text(), QString::fromUtf8(row.text));
      }
      EXPECT_EQ(label->Colour(), QColor::fromRgb(row.colour));
      EXPECT_EQ(label->Alignment(), row.alignment);
      EXPECT_EQ(label->Wraps(), row.wrap);
      if (row.songPixelHeight) {
        EXPECT_EQ(label->font().pixelSize(), row.songPixelHeight);
      }
    }
    if (auto* edit = qobject_cast<LineEditBox*>(o)) {
      EXPECT_EQ(edit->Mode(), row.input);
      EXPECT_TRUE(edit->text().isEmpty());
    }
    if (auto* edit = qobject_cast<TextEditBox*>(o)) {
      EXPECT_EQ(edit->isReadOnly(), row.input == InputMode::ReadOnly);
      EXPECT_TRUE(edit->toPlainText().isEmpty());
    }
    if (auto* box = qobject_cast<PictureBox*>(o)) {
      EXPECT_EQ(box->Image().isNull(), row.picture == nullptr);
      EXPECT_EQ(box->DisplayMode() == PictureBox::Mode::Stretched, row.stretched);
      EXPECT_EQ(box->Fill(), row.whiteBackground ? QColor(Qt::white)
                                                 : window_->palette().color(QPalette::Button));
    }
  }
}

TEST_F(WindowTest, StartsFramelessCentredOnTheHomePageWithItsSkin) {
  EXPECT_TRUE(window_->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window_->size(), QSize(788, 469));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("VEXA丶Qirvo"));
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window_->pos(), QPoint((screen.width() - 788) / 2, (screen.height() - 469) / 2));
  EXPECT_EQ(window_->Skin(), 0);
  EXPECT_EQ(window_->CurrentPage(), 0);
  EXPECT_EQ(Get<TransparentLabel>("透明标签_下标题")->Text(),
            QStringLiteral("VEXA丶Qirvo - 官方网址:") + QString::fromStdString(services_.Base()) +
                QStringLiteral(" - 更新时间:2014-2-16 - 目前版本:1.0 - 最新版本:正在检测中,请销等..."));
  EXPECT_EQ(Get<PeriodTimer>("时钟_hdp")->Period(), 0);
  EXPECT_TRUE(Get<TransparentLabel>("透明标签_kdp")->isVisible());
}

TEST_F(WindowTest, NavigationLabelsSwitchSkinAndPageAndKeepEveryBox) {
  window_->ShowPage(1);
  Get<LineEditBox>("编辑框_网站域名")->setText("kept.example");
  Get<TextEditBox>("编辑框_信息2")->setPlainText("kept result");
  const char* labels[] = {"按钮_首页", "按钮_IP查询", "按钮_号码吉凶", "按钮_冻结查询",
                          "按钮_提取IP"};
  for (int round = 0; round < 2; ++round)
    for (int page : {4, 2, 0, 3, 3, 1}) {
      Press(labels[page]);
      EXPECT_EQ(window_->Skin(), page);
      EXPECT_EQ(window_->CurrentPage(), page);
      EXPECT_TRUE(Get<PageContainer>(kPageContainer)->Page(page)->isVisible());
    }
  EXPECT_EQ(Get<LineEditBox>("编辑框_网站域名")->text(), "kept.example");
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息2")->toPlainText(), "kept result");
  EXPECT_EQ(systemMoves_, 0);
}

TEST_F(WindowTest, PressesOutsideTheLabelsMoveTheWindowAndRunNothing) {
  window_->ShowPage(1);
  PressAt({148, 120});  // the 7-pixel gap between the captions of pages 0 and 1
  PressAt({700, 120});  // the caption row right of the last label
  PressAt({3 + 197 + 2, 143 + 100 + 2});  // the face of the domain query, outside its label
  PressAt({368, 50});                     // the logo glyph
  EXPECT_EQ(systemMoves_, 4);
  EXPECT_EQ(window_->CurrentPage(), 1);
  EXPECT_EQ(window_->PendingLookups(), 0);
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息1")->toPlainText(), "");

  PressAt({3 + 10, 143 + 10});  // the page container's own area
  Press("透明标签1");            // a label with text
  Press("编辑框_网站域名");      // an edit box
  EXPECT_EQ(systemMoves_, 4);
}

TEST_F(WindowTest, MovesByHandWhenTheWindowManagerCannot) {
  WindowMover::SetSystemMove([](QWindow*) { return false; });
  const QPoint start = window_->pos();
  const QPoint grab(148, 120);  // between two captions
  auto send = [&](QEvent::Type type, QPoint drag, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, grab, window_->mapToGlobal(grab) + drag, button, held, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &e);
  };
  send(QEvent::MouseButtonPress, {}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {30, 20}, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window_->pos() == start + QPoint(30, 20); }, 2000))
      << window_->pos().x() << "," << window_->pos().y();
}

struct QueryCase {
  const char* name;
  int page;
  const char* label;
  const char* input;
  const char* typed;
  const char* result;
  const char* expected;
};

class QueryLabels : public WindowTest, public testing::WithParamInterface<QueryCase> {};

TEST_P(QueryLabels, RunTheirLookupAndWriteTheExactText) {
  const QueryCase& c = GetParam();
  window_->ShowPage(c.page);
  Get<TextEditBox>(c.result)->setPlainText("old text");
  Get<LineEditBox>(c.input)->setText(QString::fromUtf8(c.typed));
  Press(c.label);
  ASSERT_TRUE(WaitForLookups());
  QString expected = QString::fromUtf8(c.expected);
  EXPECT_EQ(Get<TextEditBox>(c.result)->toPlainText(), expected.replace("\r\n", "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryLabels,
    testing::Values(
        QueryCase{"Domain", 1, "asdas", "编辑框_网站域名", "example.com", "编辑框_信息1",
                  "所查域名：example.com\r\n\r\n所查IP：93.184.216.34\r\n\r\n"
                  "地理位置：美国 example.com"},
        QueryCase{"DomainEmpty", 1, "asdas", "编辑框_网站域名", "", "编辑框_信息1",
                  "请输入网站域名地址！"},
        QueryCase{"Ip", 1, "asdas1", "编辑框_IP查询", "8.8.8.8", "编辑框_信息2",
                  "所查IP：8.8.8.8\r\n\r\n地理位置：美国 8.8.8.8"},
        QueryCase{"IpOutsideGbk", 1, "asdas1", "编辑框_IP查询", "1😀", "编辑框_信息2",
                  "所查IP：1?\r\n\r\n地理位置：美国 1?"},
        QueryCase{"Fortune", 2, "asdas2", "编辑框_号码吉凶", "12345", "编辑框_信息3",
                  "[吉] 顺！\r\n\r\n好。"},
        QueryCase{"FortuneShort", 2, "asdas2", "编辑框_号码吉凶", "1234", "编辑框_信息3",
                  "错误,帐号不能少于5字数！"},
        QueryCase{"Freeze", 3, "asdas3", "编辑框_冻结", "10002", "编辑框_信息4",
                  "错误,你输入的QQ号不存在！"},
        QueryCase{"FreezeEmpty", 3, "asdas3", "编辑框_冻结", "", "编辑框_信息4", "请输入QQ帐号！"}),
    test::ByName());

TEST_F(WindowTest, ALookupStartsWhenTheButtonGoesDown) {
  window_->ShowPage(1);
  Get<LineEditBox>("编辑框_IP查询")->setText("slow");
  services_.slowDelayMs = 60'000;  // held until released below
  QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, CentreOf("asdas1"));
  EXPECT_EQ(window_->PendingLookups(), 1);
  QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, CentreOf("asdas1"));
  services_.releaseSlow = true;
  ASSERT_TRUE(WaitForLookups());

  const int served = services_.PageRequests();
  QTest::mousePress(window_->windowHandle(), Qt::RightButton, {}, CentreOf("asdas1"));
  EXPECT_EQ(window_->PendingLookups(), 0);  // the right button starts nothing
  QTest::qWait(100);
  EXPECT_EQ(services_.PageRequests(), served);
}

TEST_F(WindowTest, LookupsRunInOrderWhileTheWindowStaysResponsive) {
  window_->ShowPage(1);
  auto* input = Get<LineEditBox>("编辑框_IP查询");
  auto* result = Get<TextEditBox>("编辑框_信息2");
  QStringList written;
  QObject::connect(result, &QPlainTextEdit::textChanged, [&] { written << result->toPlainText(); });
  services_.slowDelayMs = 60'000;  // held until the checks below are done

  input->setText("slow-first");
  Press("asdas1");
  input->setText("second");  // the first press already took its input
  Press("asdas1");
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

  Press("按钮_号码吉凶");  // served at once, while the lookups wait on the server
  EXPECT_EQ(window_->CurrentPage(), 2);
  EXPECT_EQ(window_->PendingLookups(), 2);

  services_.releaseSlow = true;
  ASSERT_TRUE(WaitForLookups());
  EXPECT_EQ(written, QStringList({"所查IP：slow-first\n\n地理位置：美国 slow-first",
                                  "所查IP：second\n\n地理位置：美国 second"}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowTest, DigitsOnlyBoxesDropTypedLettersButTakePastes) {
  window_->ShowPage(2);
  auto* digits = Get<LineEditBox>("编辑框_号码吉凶");
  digits->setFocus();
  QTest::keyClicks(digits, "12ab-3 x");
  EXPECT_EQ(digits->text(), "12-3");

  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("一2二"));
  QApplication::sendEvent(digits, &commit);
  EXPECT_EQ(digits->text(), "12-32");

  QApplication::clipboard()->setText("ab 9");
  QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(digits->text(), "12-32ab 9");
  QTest::keyClick(digits, Qt::Key_Backspace);
  EXPECT_EQ(digits->text(), "12-32ab ");

  window_->ShowPage(1);
  auto* normal = Get<LineEditBox>("编辑框_网站域名");
  normal->setFocus();
  QTest::keyClicks(normal, "ab-1.cn");
  QApplication::sendEvent(normal, &commit);
  EXPECT_EQ(normal->text(), QStringLiteral("ab-1.cn一2二"));
}

TEST_F(WindowTest, EveryInputBoxTakesAMegabytePaste) {
  const QString huge(1 << 20, u'8');
  QApplication::clipboard()->setText(huge);
  for (const ControlRow& row : WindowLayout()) {
    if (row.kind != ControlKind::LineEdit) continue;
    auto* box = Get<LineEditBox>(row.name);
    box->clear();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text().size(), huge.size()) << row.name;
  }
  window_->ShowPage(2);
  Press("asdas2");
  ASSERT_TRUE(WaitForLookups());
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息3")->toPlainText(), QStringLiteral("错误,帐号不能大于11字数！"));
}

TEST_F(WindowTest, HostileInputInEveryQueryBoxMakesOneRequestAndTheExactText) {
  const QString hostile = QStringLiteral("1&ip=2#x %41\x01\t你😀");
  const QString sent = QStringLiteral("1&ip=2#x %41\x01\t你?");  // what GBK can hold
  const QString echoed = QStringLiteral("1&ip=2#x A\x01\t你?");  // the service decodes %41
  const struct {
    int page;
    const char *label, *input, *result;
    QString expected;
  } pages[] = {
      {1, "asdas", "编辑框_网站域名", "编辑框_信息1",
       "所查域名：" + sent + "\n\n所查IP：93.184.216.34\n\n地理位置：美国 " + echoed},
      {1, "asdas1", "编辑框_IP查询", "编辑框_信息2", "所查IP：" + sent + "\n\n地理位置：美国 " + echoed},
      {2, "asdas2", "编辑框_号码吉凶", "编辑框_信息3", QStringLiteral("错误,帐号不能大于11字数！")},
      {3, "asdas3", "编辑框_冻结", "编辑框_信息4", QStringLiteral("错误,你输入的QQ号不存在！")},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.input);
    window_->ShowPage(p.page);
    Get<LineEditBox>(p.input)->setText(hostile);  // as pasted: digit boxes filter only typing
    const int before = services_.PageRequests();
    Press(p.label);
    ASSERT_TRUE(WaitForLookups());
    EXPECT_EQ(Get<TextEditBox>(p.result)->toPlainText().toStdString(), p.expected.toStdString());
    EXPECT_EQ(services_.PageRequests() - before, p.page == 2 ? 0 : 1);
  }
}

TEST_F(WindowTest, ManyQuickPressesAreServedInOrderByOneWorker) {
  auto threads = [] { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); };
  window_->ShowPage(1);
  auto* input = Get<LineEditBox>("编辑框_IP查询");
  auto* result = Get<TextEditBox>("编辑框_信息2");
  QStringList written, expected;
  QObject::connect(result, &QPlainTextEdit::textChanged, [&] { written << result->toPlainText(); });
  const auto before = threads();
  for (int i = 0; i < 30; ++i) {
    input->setText(QString::number(i));
    Press("asdas1");
    expected << QStringLiteral("所查IP：%1\n\n地理位置：美国 %1").arg(i);
  }
  EXPECT_EQ(threads(), before);  // the presses queue; they don't start threads
  ASSERT_TRUE(WaitForLookups(30000));
  EXPECT_EQ(written, expected);
}

// Every control that takes a press or input: the labels with a handler and the edit boxes.
bool TakesPressOrInput(const ControlRow& row) {
  static const std::set<std::string_view> pressable = {
      "按钮_首页", "按钮_IP查询", "按钮_号码吉凶", "按钮_冻结查询", "按钮_提取IP", "最小化程序",
      "关闭程序", "asdas", "asdas1", "asdas2", "asdas3", "sfsd1f56ds1f6", "按钮_一键提取"};
  return pressable.contains(row.name) || row.kind == ControlKind::LineEdit ||
         row.kind == ControlKind::TextEdit;
}

bool HasChinese(const QString& s) {
  return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

TEST_F(WindowTest, ScreenReadersHearAChineseNameAndDescriptionForEveryControlThatActs) {
  int named = 0;
  for (const ControlRow& row : WindowLayout()) {
    if (!TakesPressOrInput(row)) continue;
    SCOPED_TRACE(row.name);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Get<QWidget>(row.name));
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(HasChinese(a->text(QAccessible::Name))) << a->text(QAccessible::Name).toStdString();
    EXPECT_TRUE(HasChinese(a->text(QAccessible::Description)));
    if (row.kind == ControlKind::Label) {
      EXPECT_EQ(a->role(), QAccessible::Button);
    }
    ++named;
  }
  EXPECT_EQ(named, 13 + 13);  // 13 pressable labels, 8 input and 5 result boxes
  auto name = [&](const char* control) {
    return QAccessible::queryAccessibleInterface(Get<QWidget>(control))->text(QAccessible::Name);
  };
  for (const char* query : {"asdas", "asdas1", "asdas2", "asdas3"}) EXPECT_EQ(name(query), "一键查询");
  EXPECT_EQ(name("按钮_冻结查询"), "冻结查询");
  EXPECT_EQ(name("关闭程序"), "关闭");
  // A label that only shows text reads as that text.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Get<QWidget>("透明标签9"))->text(QAccessible::Name),
            QStringLiteral("本功能在下个版本,即可使用,敬请期待！"));
}

TEST_F(WindowTest, AScreenReaderCanPressTheQueryButton) {
  window_->ShowPage(3);
  Get<LineEditBox>("编辑框_冻结")->setText("10002");
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Get<QWidget>("asdas3"));
  ASSERT_TRUE(button->actionInterface());
  button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(WaitForLookups());
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息4")->toPlainText(), QStringLiteral("错误,你输入的QQ号不存在！"));
}

TEST_F(WindowTest, EnterInAnInputBoxRunsItsPagesQueryAndKeepsTheFocus) {
  window_->ShowPage(1);
  window_->activateWindow();
  auto* domain = Get<LineEditBox>("编辑框_网站域名");
  domain->setFocus();
  QTest::keyClicks(domain, "example.com");
  QTest::keyClick(domain, Qt::Key_Return);
  ASSERT_TRUE(WaitForLookups());
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息1")->toPlainText(),
            QStringLiteral("所查域名：example.com\n\n所查IP：93.184.216.34\n\n地理位置：美国 example.com"));
  EXPECT_TRUE(domain->hasFocus());
  EXPECT_EQ(Get<TextEditBox>("编辑框_信息2")->toPlainText(), "");
}

TEST_F(WindowTest, TabReachesEveryInputBoxOfThePageShown) {
  window_->ShowPage(1);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Get<LineEditBox>("编辑框_网站域名")->setFocus();
  QStringList visited;
  for (int i = 0; i < 4; ++i) {
    visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, QStringList({"编辑框_网站域名", "编辑框_信息1", "编辑框_IP查询", "编辑框_信息2"}));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "编辑框_网站域名");  // round again
}

struct ImeCase {
  const char* name;
  const char* box;
  int page;
  QString expected;
};

class InputMethod : public WindowTest, public testing::WithParamInterface<ImeCase> {};

TEST_P(InputMethod, CommitsChineseToNormalBoxesAndOnlyDigitsToDigitBoxes) {
  window_->ShowPage(GetParam().page);
  auto* box = Get<LineEditBox>(GetParam().box);
  box->setFocus();
  QInputMethodEvent composing(QStringLiteral("zhong"), {});
  QApplication::sendEvent(box, &composing);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("中文12-"));
  QApplication::sendEvent(box, &commit);
  EXPECT_EQ(box->text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, InputMethod,
    testing::Values(ImeCase{"Domain", "编辑框_网站域名", 1, QStringLiteral("中文12-")},
                    ImeCase{"Ip", "编辑框_IP查询", 1, QStringLiteral("中文12-")},
                    ImeCase{"Fortune", "编辑框_号码吉凶", 2, QStringLiteral("12-")},
                    ImeCase{"Freeze", "编辑框_冻结", 3, QStringLiteral("12-")}),
    test::ByName());

TEST_F(WindowTest, ExtractionPageShowsOnlyItsNotice) {
  Press("按钮_提取IP");
  auto* cover = Get<PictureBox>("图片框13");
  for (const char* hidden : {"编辑框_数量", "编辑框_端口", "编辑框_地区", "编辑框_开头", "编辑框_IP",
                             "按钮_一键提取", "透明标签5"}) {
    QWidget* top = window_->childAt(CentreOf(hidden));
    EXPECT_TRUE(top == cover || cover->isAncestorOf(top)) << hidden;
  }
  EXPECT_EQ(Get<TransparentLabel>("透明标签9")->Text(),
            QStringLiteral("本功能在下个版本,即可使用,敬请期待！"));
  Press("编辑框_数量");
  EXPECT_FALSE(Get<LineEditBox>("编辑框_数量")->hasFocus());
}

TEST_F(WindowTest, LongResultsWrapAndScrollWithTheCaretWithoutScrollBars) {
  window_->ShowPage(1);
  auto* box = Get<TextEditBox>("编辑框_信息1");
  QStringList lines;
  for (int i = 0; i < 30; ++i) lines << QStringLiteral("第%1行").arg(i);
  lines << QString(500, u'x');
  box->setPlainText(lines.join('\n'));
  QApplication::processEvents();
  EXPECT_FALSE(box->verticalScrollBar()->isVisible());
  EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
  EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);  // the long line wraps
  box->setFocus();
  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
  EXPECT_GT(box->verticalScrollBar()->value(), 0);  // the caret took the view along
}

}  // namespace
}  // namespace qirvo
