// SPDX-License-Identifier: MIT
#include "shell/text_boundary.h"

#include "core/charset.h"

namespace qirvo {

Text ToText(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return Utf8ToGbk(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString FromText(const Text& t) { return QString::fromStdString(GbkToUtf8(t)); }

}  // namespace qirvo
