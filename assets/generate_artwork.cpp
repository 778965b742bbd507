// SPDX-License-Identifier: MIT
// Draws the window's skins, its small pictures and the application icon. The results are
// committed; run `make artwork` after changing this file.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kVioletTop(0x55, 0x2A, 0x9C);
const QColor kVioletBottom(0x7B, 0x4C, 0xC6);
const QColor kStatusViolet(0xC4, 0xB2, 0xEA);
const QColor kCyanEdge(0x6C, 0xCF, 0xE2);
const char* kSans = "WenQuanYi Micro Hei";
constexpr int kBandHeight = 142;
const char* kCaptions[] = {"首页", "IP查询", "号码吉凶", "冻结查询", "提取IP"};

QFont Sans(int px, bool bold = false) {
  QFont f(kSans);
  f.setPixelSize(px);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

// The title band's violet at window row y, so pictures laid over it blend in.
QLinearGradient BandGradient(int yOffset) {
  QLinearGradient g(0, -yOffset, 0, kBandHeight - yOffset);
  g.setColorAt(0, kVioletTop);
  g.setColorAt(1, kVioletBottom);
  return g;
}

void Save(const QImage& image, const QString& path) {
  if (!image.save(path, path.endsWith(".png") ? "PNG" : "JPEG", 95))
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QPainterPath Shield(QRectF r) {
  QPainterPath p;
  p.moveTo(r.center().x(), r.top());
  p.lineTo(r.right(), r.top() + r.height() * 0.18);
  p.cubicTo(r.right(), r.top() + r.height() * 0.62, r.center().x() + r.width() * 0.2,
            r.bottom() - r.height() * 0.08, r.center().x(), r.bottom());
  p.cubicTo(r.center().x() - r.width() * 0.2, r.bottom() - r.height() * 0.08, r.left(),
            r.top() + r.height() * 0.62, r.left(), r.top() + r.height() * 0.18);
  p.closeSubpath();
  return p;
}

void DrawShieldLogo(QPainter& p, QRectF r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 230), 2.5));
  QLinearGradient fill(r.topLeft(), r.bottomRight());
  fill.setColorAt(0, QColor(0x9B, 0x7B, 0xF0));
  fill.setColorAt(1, QColor(0x3E, 0x1C, 0x7A));
  p.setBrush(fill);
  p.drawPath(Shield(r));
  p.setPen(Qt::white);
  p.setFont(Sans(int(r.height() * 0.5), true));
  p.drawText(r.adjusted(0, -r.height() * 0.06, 0, 0), Qt::AlignCenter, "Q");
  p.restore();
}

QImage Skin(int current) {
  QImage img(788, 469, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(0, 0, 788, kBandHeight, BandGradient(0));

  DrawShieldLogo(p, QRectF(22, 16, 54, 64));
  p.setPen(Qt::white);
  p.setFont(Sans(28, true));
  p.drawText(QRect(88, 18, 240, 40), Qt::AlignLeft | Qt::AlignVCenter, "VEXA丶Qirvo");
  p.setPen(QColor(255, 255, 255, 190));
  p.setFont(Sans(13));
  p.drawText(QRect(90, 58, 240, 22), Qt::AlignLeft | Qt::AlignVCenter, "域名 · IP · QQ 查询工具");

  // Minimise "-" and close "X", centred in the 21 x 20 boxes that take their presses.
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(721, 24.5), QPointF(732, 24.5));
  p.drawLine(QPointF(758.5, 19), QPointF(768.5, 29));
  p.drawLine(QPointF(768.5, 19), QPointF(758.5, 29));

  // Page captions: one per navigation label (x = 25 + 127 n, y 106, 120 x 32).
  for (int n = 0; n < 5; ++n) {
    const QRectF label(25 + 127 * n, 106, 120, 32);
    const QRectF tab = label.adjusted(-3, -2, 3, 5);
    if (n == current) {
      QPainterPath path;
      path.addRoundedRect(tab, 5, 5);
      p.fillPath(path, QColor(0xBF, 0xE4, 0xFF));
      p.setPen(QColor(0x1E, 0x4B, 0x96));
    } else {
      p.setPen(QColor(255, 255, 255, 235));
    }
    p.setFont(Sans(16, n == current));
    p.drawText(label, Qt::AlignCenter, QString::fromUtf8(kCaptions[n]));
  }

  // Content area: white, edged by a thin cyan line around the page container.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(0, kBandHeight, 788, 298, Qt::white);
  p.setPen(kCyanEdge);
  p.drawRect(2, 142, 783, 296);
  // Status band behind the status line.
  QLinearGradient status(0, 440, 0, 469);
  status.setColorAt(0, kStatusViolet.lighter(106));
  status.setColorAt(1, kStatusViolet);
  p.fillRect(0, 440, 788, 29, status);
  p.setPen(kVioletBottom);
  p.drawLine(0, 440, 787, 440);
  return img;
}

QImage Framed(QSize size, QColor border, int radius = 0) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(border);
  if (radius == 0) {
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
  } else {
    p.setRenderHint(QPainter::Antialiasing);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), radius, radius);
  }
  return img;
}

QImage Button(QSize size, const char* caption, QColor text, int px) {
  QImage img = Framed(size, QColor(0x9C, 0xCB, 0xF2), 4);
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient shine(0, 0, 0, size.height());
  shine.setColorAt(0, QColor(255, 255, 255));
  shine.setColorAt(1, QColor(0xF0, 0xF7, 0xFF));
  p.fillRect(QRect(2, 2, size.width() - 4, size.height() - 4), shine);
  p.setPen(text);
  p.setFont(Sans(px, true));
  p.drawText(QRect(0, 0, size.width(), size.height()), Qt::AlignCenter, QString::fromUtf8(caption));
  return img;
}

QImage LogoGlyph() {
  QImage img(95, 91, QImage::Format_RGB32);
  QPainter p(&img);
  p.fillRect(img.rect(), BandGradient(8));
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(40, 44);
  p.rotate(-32);
  const QRectF tube(-15, -34, 30, 68);
  for (int glow = 9; glow >= 1; glow -= 2) {
    p.setPen(QPen(QColor(255, 255, 255, 22), glow * 2));
    p.drawRoundedRect(tube, 15, 15);
  }
  p.setPen(QPen(Qt::white, 2.2));
  p.drawRoundedRect(tube, 15, 15);
  p.drawArc(QRectF(-15, -34, 30, 14), 0, -180 * 16);
  return img;
}

QImage NoticeBar() {
  QImage img = Framed({730, 31}, QColor(0x3A, 0x86, 0xD8));
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(0, 0, 96, 31, QColor(0x3A, 0x86, 0xD8));
  p.setPen(Qt::white);
  p.setFont(Sans(15, true));
  p.drawText(QRect(0, 0, 96, 31), Qt::AlignCenter, "公告");
  return img;
}

// The emulator's slideshow pictures, 285 x 183, as the product site would publish them.
QImage Slide(int n) {
  QImage img(285, 183, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient g(0, 0, 285, 183);
  g.setColorAt(0, n == 1 ? QColor(0x6A, 0x3B, 0xC2) : QColor(0x1F, 0x8F, 0xD8));
  g.setColorAt(1, n == 1 ? QColor(0x2C, 0x8C, 0xE0) : QColor(0x3F, 0xD0, 0xC8));
  p.fillRect(img.rect(), g);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(QColor(255, 255, 255, 18 + 6 * i));
    p.drawEllipse(QPointF(230 - 25 * i, 30 + 22 * i), 60 - 7 * i, 60 - 7 * i);
  }
  p.setPen(Qt::white);
  p.setFont(Sans(26, true));
  p.drawText(QRect(18, 40, 260, 40), Qt::AlignLeft | Qt::AlignVCenter,
             n == 1 ? "VEXA丶Qirvo" : "一键查询");
  p.setFont(Sans(15));
  p.drawText(QRect(20, 86, 260, 26), Qt::AlignLeft | Qt::AlignVCenter,
             n == 1 ? "快捷 · 方便 · 免费" : "域名 · IP · QQ 号码");
  p.setFont(Sans(12));
  p.setPen(QColor(255, 255, 255, 200));
  p.drawText(QRect(20, 140, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
             n == 1 ? "点击访问官方网站" : "新版本即将推出 IP 提取功能");
  return img;
}

QImage Icon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 256.0;
  QPainterPath back;
  back.addRoundedRect(QRectF(8 * s, 8 * s, 240 * s, 240 * s), 48 * s, 48 * s);
  QLinearGradient g(0, 0, 0, size);
  g.setColorAt(0, kVioletBottom);
  g.setColorAt(1, kVioletTop);
  p.fillPath(back, g);
  DrawShieldLogo(p, QRectF(58 * s, 40 * s, 140 * s, 172 * s));
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  out.mkpath("skins");
  out.mkpath("pictures");
  out.mkpath("slides");
  for (int n = 1; n <= 2; ++n) Save(Slide(n), out.filePath(QString("slides/hdp_%1.jpg").arg(n)));
  for (int n = 0; n < 5; ++n) Save(Skin(n), out.filePath(QString("skins/skin%1.jpg").arg(n)));
  Save(LogoGlyph(), out.filePath("pictures/logo_glyph.jpg"));
  Save(Framed({217, 26}, QColor(0xB3, 0xA9, 0xE6)), out.filePath("pictures/input_frame.jpg"));
  Save(Framed({430, 79}, QColor(0x9E, 0xE3, 0xEE)), out.filePath("pictures/result_frame.jpg"));
  Save(Button({115, 37}, "一键查询", QColor(0x4F, 0xA8, 0xE8), 15),
       out.filePath("pictures/query_button.jpg"));
  Save(Button({180, 42}, "一键提取", QColor(0x1F, 0x6F, 0xD0), 17),
       out.filePath("pictures/extract_button.jpg"));
  QImage line(722, 1, QImage::Format_RGB32);
  line.fill(QColor(0xA6, 0xE6, 0xF0));
  Save(line, out.filePath("pictures/separator.jpg"));
  Save(Framed({724, 137}, QColor(0x5C, 0xC6, 0xDC)), out.filePath("pictures/intro_panel.jpg"));
  Save(NoticeBar(), out.filePath("pictures/notice_bar.jpg"));
  Save(Icon(256), out.filePath("qirvo.png"));
  Save(Icon(48), out.filePath("qirvo-48.png"));
  return 0;
}
