#include "gui/chromiumflags.h"

#include <QtGlobal>

namespace chromiumflags {

namespace {

constexpr char kVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

}  // namespace

void AddUnlessGiven(const QByteArray& Given, const QByteArray& Flag) {
  QByteArray flags = qgetenv(kVariable);
  if (flags.contains(Given)) return;
  if (!flags.isEmpty()) flags += ' ';
  flags += Flag;
  qputenv(kVariable, flags);
}

void ShareRendererPerSite() {
  if (qgetenv(kVariable).contains("--single-process")) return;
  AddUnlessGiven("--process-per-", "--process-per-site");
}

}  // namespace chromiumflags
