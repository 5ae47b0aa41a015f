#include "SystemMessages.h"

#include "LoadMessages.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *text) {
  return QCoreApplication::translate("Dorix", text);
}

} // namespace

QString SystemReason(int errorNumber, const std::string &fallback) {
  const char *reason = SystemReasonText(errorNumber);
  return reason ? Tr(reason) : QString::fromLocal8Bit(fallback.c_str());
}

QString LoadFailureTitle(const QString &name, const TLoadStatus &status) {
  return Tr(LoadFailureTitleText(status)).arg(name);
}

QString LoadFailureReason(const TLoadStatus &status) {
  const char *reason = LoadFailureReasonText(status);
  return reason ? Tr(reason) : QString::fromLocal8Bit(status.Reason.c_str());
}

QString OutOfMemoryText() {
  return Tr(QT_TRANSLATE_NOOP("Dorix", "Недостаточно памяти"));
}
