#include "gui/tfindbar.h"

#include "gui/look.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kHeight = 34;

}  // namespace

TFindBar::TFindBar(QWebEngineView* Pane)
    : QWidget(Pane), FPane(Pane), FLine(new QLineEdit(this)), FCount(new QLabel(this)), FClose(new QToolButton(this)) {
  setAutoFillBackground(true);
  look::SetBackground(this, look::kMainBackground);
  FLine->setFont(look::Calibri(16));
  FLine->setPlaceholderText(QStringLiteral("Find in page"));
  FLine->setClearButtonEnabled(true);
  FLine->installEventFilter(this);
  FCount->setFont(look::Calibri(16));
  look::SetTextColour(FCount, look::kLabelGrey);
  FCount->setMinimumWidth(64);
  FCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  FClose->setText(QStringLiteral("\u2715"));
  FClose->setToolTip(QStringLiteral("Close (Esc)"));
  FClose->setAutoRaise(true);
  FClose->setFocusPolicy(Qt::NoFocus);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addWidget(FLine, 1);
  layout->addWidget(FCount);
  layout->addWidget(FClose);

  Pane->installEventFilter(this);
  connect(FLine, &QLineEdit::textChanged, this, [this] { Find(false); });
  connect(FClose, &QToolButton::clicked, this, [this] { Close(); });
  connect(Pane->page(), &QWebEnginePage::findTextFinished, this,
          [this](const QWebEngineFindTextResult& Result) { ShowResult(Result); });
  hide();
}

void TFindBar::Open() {
  FollowPane();
  show();
  raise();
  FLine->setFocus(Qt::ShortcutFocusReason);
  FLine->selectAll();
  if (!FLine->text().isEmpty()) Find(false);
}

void TFindBar::Close() {
  if (!isVisible()) return;
  hide();
  FPane->page()->findText(QString());
  FCount->clear();
  FPane->setFocus(Qt::OtherFocusReason);
}

QString TFindBar::CountText() const { return FCount->text(); }

bool TFindBar::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FPane && Event->type() == QEvent::Resize) FollowPane();
  if (Watched == FLine && Event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(Event);
    if (key->key() == Qt::Key_Escape) {
      Close();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Find(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

void TFindBar::Find(bool Backward) {
  const QString text = FLine->text();
  if (text.isEmpty()) {
    FPane->page()->findText(QString());
    FCount->clear();
    return;
  }
  FPane->page()->findText(text, Backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void TFindBar::ShowResult(const QWebEngineFindTextResult& Result) {
  if (!isVisible() || FLine->text().isEmpty()) return;
  FCount->setText(QStringLiteral("%1 of %2").arg(Result.activeMatch()).arg(Result.numberOfMatches()));
}

void TFindBar::FollowPane() { setGeometry(0, FPane->height() - kHeight, FPane->width(), kHeight); }
