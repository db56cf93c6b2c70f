#include "wizard/progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <algorithm>

#include "wizard/gui_host.h"

namespace {

constexpr int kMargin = 10;
constexpr size_t kTextLimit = 511;

}  // namespace

// The window has no parent: a disabled wizard would disable its children,
// the Cancel button included. It stays on top of the wizard instead.
CProgressWindow::CProgressWindow(QWidget* main_window, const std::string& title, bool smooth)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowStaysOnTopHint),
      main_window_(main_window ? main_window->window() : nullptr) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setCursor(Qt::BusyCursor);
  title_ = zor::gui::to_qstring(title);
  Create(title, smooth);
}

CProgressWindow::~CProgressWindow() { Close(); }

bool CProgressWindow::Create(const std::string& title, bool smooth) {
  setWindowTitle(zor::gui::to_qstring(title));
  setFont(QApplication::font("QMessageBox"));
  if (!text_) {
    text_ = new QLabel(this);
    text_->setTextFormat(Qt::PlainText);  // "&" shows as it is
    text_->setWordWrap(false);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    cancel_button_ = new QPushButton(cancel_label_, this);
    connect(cancel_button_, &QPushButton::clicked, this, &CProgressWindow::OnCancel);
  }
  // Qt's styles draw the bar in their own way; there is no block look to
  // choose.
  (void)smooth;
  text_->clear();
  resize(kWidth, kHeight);
  lay_out(text_lines_, kWidth);
  if (persistent_position_) {
    restore_position();
  } else {
    centre_on_main_window();
  }
  exists_ = true;
  show();
  return true;
}

void CProgressWindow::lay_out(int text_lines, int width) {
  QFontMetrics metrics(font());
  QString lines = QStringLiteral("M");
  for (int i = 1; i < text_lines; ++i) lines += QStringLiteral("\nM");
  int text_height = metrics.boundingRect(QRect(0, 0, width, 1000), Qt::AlignLeft, lines).height();
  QRect text_rect(kMargin, kMargin, width, text_height);
  int edge_x = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  int edge_y = edge_x;
  QSize label = metrics.size(0, cancel_label_ + QStringLiteral("  "));
  int button_width = std::max(label.width() + 4 * edge_x, cancel_button_->sizeHint().width());
  int button_height = std::max(label.height() + 3 * edge_y, cancel_button_->sizeHint().height());
  QRect button_rect(text_rect.right() + 1 - button_width, text_rect.bottom() + 1 + kMargin,
                    button_width, button_height);
  QRect bar_rect(QPoint(text_rect.left(), button_rect.top() + edge_y),
                 QPoint(button_rect.left() - kMargin - 1, button_rect.bottom() - edge_y));
  setFixedSize(text_rect.width() + 2 * kMargin, text_rect.height() + button_height + 3 * kMargin);
  text_->setGeometry(text_rect);
  bar_->setGeometry(bar_rect);
  cancel_button_->setGeometry(button_rect);
}

bool CProgressWindow::BeginModal(const std::string& title) {
  if (!exists_ && !Create(title, false)) return false;
  if (main_window_) main_window_->setEnabled(false);
  setEnabled(true);
  modal_ = true;
  return true;
}

void CProgressWindow::SetRange(int lower, int upper, int step) {
  if (!exists_) return;
  lower_ = lower;
  upper_ = upper;
  step_ = step;
  // The bar counts finished items: empty before the first, full after the
  // last.
  bar_->setRange(lower - 1, std::max(lower - 1, upper));
}

int CProgressWindow::percentage(int position) const {
  if (upper_ < lower_) return 0;
  long long finished = static_cast<long long>(position) - lower_ + 1;
  long long total = static_cast<long long>(upper_) - lower_ + 1;
  return static_cast<int>(std::clamp(finished * 100 / total, 0LL, 100LL));
}

int CProgressWindow::SetPos(int new_position) {
  if (!exists_) return bar_position_;
  show_if_hidden();
  int previous = bar_position_;
  bar_position_ = new_position;
  int percent = percentage(new_position);
  if (percent != last_percent_) {
    last_percent_ = percent;
    setWindowTitle(QStringLiteral("%1 [%2%]").arg(title_).arg(percent));
  }
  bar_->setValue(std::clamp(new_position, bar_->minimum(), bar_->maximum()));
  return previous;
}

int CProgressWindow::StepIt() {
  if (!exists_) return bar_position_;
  show_if_hidden();
  return SetPos(bar_position_ + step_);
}

void CProgressWindow::SetText(const std::string& text) {
  if (!exists_) return;
  text_->setText(zor::gui::to_qstring(text.substr(0, kTextLimit)));
}

QString CProgressWindow::text() const { return text_ ? text_->text() : QString(); }

void CProgressWindow::PumpMessages(bool cancel_on_escape) {
  if (cancelled_) return;
  if (modal_ && exists_ && !isActiveWindow()) activateWindow();
  cancel_on_escape_ = cancel_on_escape;
  // Escape is watched in every window while the queue drains: the wizard
  // may still hold the keyboard focus.
  qApp->installEventFilter(this);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(this);
}

bool CProgressWindow::eventFilter(QObject* watched, QEvent* event) {
  if (cancel_on_escape_ && !cancelled_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    OnCancel();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void CProgressWindow::OnCancel() {
  cancelled_ = true;
  hide();
  if (modal_) exists_ = false;
  if (main_window_) {
    main_window_->setEnabled(true);
    main_window_->raise();
    main_window_->activateWindow();
  }
}

void CProgressWindow::closeEvent(QCloseEvent* event) {
  // Only the run closes the window; the title bar offers no close box.
  event->ignore();
}

void CProgressWindow::Close() {
  if (exists_ && persistent_position_) save_position();
  if (modal_) {
    modal_ = false;
    if (main_window_) main_window_->setEnabled(true);
  }
  exists_ = false;
  hide();
}

void CProgressWindow::show_if_hidden() {
  if (!isVisible()) show();
}

void CProgressWindow::restore_position() {
  QSettings settings;
  int x = settings.value(QStringLiteral("Settings/X"), -1).toInt();
  int y = settings.value(QStringLiteral("Settings/Y"), -1).toInt();
  // A position saved under another screen layout may be off every screen.
  if (x < 0 || y < 0 || !QGuiApplication::screenAt(QPoint(x, y))) {
    centre_on_main_window();
  } else {
    move(x, y);
  }
}

void CProgressWindow::save_position() {
  QSettings settings;
  QPoint corner = frameGeometry().topLeft();
  settings.setValue(QStringLiteral("Settings/X"), corner.x());
  settings.setValue(QStringLiteral("Settings/Y"), corner.y());
}

void CProgressWindow::centre_on_main_window() {
  QRect around = main_window_ ? main_window_->frameGeometry()
                              : QGuiApplication::primaryScreen()->availableGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(around.center());
  move(frame.topLeft());
}
