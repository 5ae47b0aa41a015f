#include "FileNames.h"

#include <algorithm>

namespace {

constexpr char16_t kEscapeBase = 0xDC80;

bool Continuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return b >= low && b <= high;
}

// Length of the valid UTF-8 sequence at p (no overlong forms, no surrogates), or 0.
int ValidSequence(const unsigned char *p, qsizetype left) {
  const unsigned char b = p[0];
  if (b < 0x80)
    return 1;
  if (b >= 0xC2 && b <= 0xDF)
    return left >= 2 && Continuation(p[1]) ? 2 : 0;
  if (b >= 0xE0 && b <= 0xEF) {
    const unsigned char low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    return left >= 3 && Continuation(p[1], low, high) && Continuation(p[2]) ? 3 : 0;
  }
  if (b >= 0xF0 && b <= 0xF4) {
    const unsigned char low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    return left >= 4 && Continuation(p[1], low, high) && Continuation(p[2]) && Continuation(p[3])
               ? 4
               : 0;
  }
  return 0;
}

} // namespace

QString DecodeFileName(const QByteArray &bytes) {
  QString name;
  const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
  for (qsizetype i = 0; i < bytes.size();) {
    const int n = ValidSequence(p + i, bytes.size() - i);
    if (n > 0) {
      name += QString::fromUtf8(bytes.constData() + i, n);
      i += n;
    } else {
      name += QChar(static_cast<char16_t>(kEscapeBase + p[i]));
      ++i;
    }
  }
  return name;
}

QByteArray EncodeFileName(const QString &name) {
  QByteArray bytes;
  QString run; // text between escaped bytes
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (u >= kEscapeBase && u <= kEscapeBase + 0xFF) {
      bytes += run.toUtf8();
      run.clear();
      bytes += static_cast<char>(u - kEscapeBase);
    } else {
      run += c;
    }
  }
  return bytes + run.toUtf8();
}
