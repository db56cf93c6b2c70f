#include "wizard/result_browser.h"

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QKeyEvent>
#include <QSplitter>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "wizard/hit_table_model.h"
#include "wizard/user_dialogs.h"

namespace {

QString qt_text(const std::string& cp1250) { return QString::fromStdString(zor::from_cp1250(cp1250)); }

QString number(double value, bool present = true) {
  return present ? QString::number(value, 'f', 1) : QString();
}

QPushButton* button(const char* text, const char* name) {
  auto* pushed = new QPushButton(QString::fromUtf8(text));
  pushed->setObjectName(QLatin1String(name));
  pushed->setAutoDefault(false);
  return pushed;
}

QLineSeries* vertical_line(double x, double height, const QString& name, const QColor& color) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->append(x, 0);
  line->append(x, height);
  QPen pen(color);
  pen.setWidth(2);
  line->setPen(pen);
  return line;
}

constexpr int kContexts[] = {0, 100, 250};

}  // namespace

CResultBrowser::CResultBrowser(zor::gui::ResultBrowserModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      statistics_(new QTableWidget),
      chart_(new QChart),
      chart_view_(new QChartView(chart_)),
      hits_(new QTableView),
      hit_rows_(new CHitTableModel(model, this)),
      context_(new QComboBox),
      filter_label_(new QLabel) {
  setWindowTitle(QString::fromUtf8("Eredményböngésző"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  statistics_->setObjectName(QStringLiteral("statistics"));
  hits_->setObjectName(QStringLiteral("hits"));
  chart_view_->setObjectName(QStringLiteral("histogram"));
  context_->setObjectName(QStringLiteral("context"));

  statistics_->setColumnCount(10);
  statistics_->setHorizontalHeaderLabels({QString::fromUtf8("Specifikáció"), QString::fromUtf8("Típus"),
                                          QStringLiteral("N"), QString::fromUtf8("Átlag"),
                                          QStringLiteral("SD"), QString::fromUtf8("Medián"),
                                          QStringLiteral("Q1"), QStringLiteral("Q3"), QStringLiteral("Min"),
                                          QStringLiteral("Max")});
  statistics_->setSelectionBehavior(QAbstractItemView::SelectRows);
  statistics_->setSelectionMode(QAbstractItemView::SingleSelection);
  statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  statistics_->verticalHeader()->hide();
  statistics_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_view_->setRenderHint(QPainter::Antialiasing);
  chart_view_->setMinimumSize(420, 260);

  hits_->setModel(hit_rows_);
  // No sort indicator first: enabling sorting sorts by it at once, and the
  // list starts in the order the query found the hits.
  hits_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  hits_->setSortingEnabled(true);
  hits_->setSelectionBehavior(QAbstractItemView::SelectRows);
  hits_->setSelectionMode(QAbstractItemView::SingleSelection);
  hits_->verticalHeader()->hide();
  hits_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  hits_->setMinimumHeight(180);

  for (int ms : kContexts) context_->addItem(QStringLiteral("%1 ms").arg(ms), ms);
  context_->setCurrentIndex(1);
  QPushButton* play = button("Lejátszás (szóköz)", "play_hit");
  QPushButton* sentence = button("Teljes mondat", "play_sentence");
  QPushButton* praat = button("Megnyitás Praatban", "open_in_praat");
  QPushButton* save = button("Ábra mentése...", "save_histogram");
  QPushButton* copy = button("Lista másolása", "copy_list");
  QPushButton* close = button("Bezár", "close");

  auto* playing = new QHBoxLayout;
  playing->addWidget(new QLabel(QString::fromUtf8("Környezet:")));
  playing->addWidget(context_);
  playing->addWidget(play);
  playing->addWidget(sentence);
  playing->addWidget(praat);
  playing->addStretch();
  playing->addWidget(save);
  playing->addWidget(copy);
  playing->addWidget(close);

  auto* upper = new QSplitter(Qt::Horizontal);
  upper->addWidget(statistics_);
  upper->addWidget(chart_view_);
  upper->setStretchFactor(0, 1);
  upper->setStretchFactor(1, 1);
  auto* lower = new QWidget;
  auto* lower_layout = new QVBoxLayout(lower);
  lower_layout->setContentsMargins(0, 0, 0, 0);
  lower_layout->addWidget(filter_label_);
  lower_layout->addWidget(hits_, 1);
  auto* parts = new QSplitter(Qt::Vertical);
  parts->addWidget(upper);
  parts->addWidget(lower);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(parts, 1);
  layout->addLayout(playing);
  resize(1100, 720);

  connect(statistics_, &QTableWidget::currentCellChanged, this,
          [this](int row) { if (row >= 0) select_specification(row); });
  connect(hits_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { model_.select_hit(current.isValid() ? std::optional<size_t>(current.row()) : std::nullopt); });
  connect(hits_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] {
    if (auto row = model_.selected_hit()) hits_->selectRow(static_cast<int>(*row));
  });
  connect(hits_, &QTableView::doubleClicked, this, [this] { play_hit(); });
  // Space plays; the list would take it for a search and move the selection.
  hits_->installEventFilter(this);
  connect(context_, &QComboBox::currentIndexChanged, this,
          [this] { model_.set_context_ms(context_->currentData().toInt()); });
  model_.set_context_ms(context_->currentData().toInt());
  connect(play, &QPushButton::clicked, this, &CResultBrowser::play_hit);
  connect(sentence, &QPushButton::clicked, this, &CResultBrowser::play_sentence);
  connect(praat, &QPushButton::clicked, this, &CResultBrowser::open_in_praat);
  connect(save, &QPushButton::clicked, this, &CResultBrowser::save_histogram);
  connect(copy, &QPushButton::clicked, this, &CResultBrowser::copy_list);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  fill_statistics();
  if (!model_.specs().empty()) statistics_->selectRow(0);
  else show_hits();
}

bool CResultBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == hits_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    play_hit();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CResultBrowser::fill_statistics() {
  const auto& specs = model_.specs();
  statistics_->setRowCount(static_cast<int>(specs.size()));
  for (int row = 0; row < static_cast<int>(specs.size()); ++row) {
    const zor::gui::BrowserSpec& spec = specs[static_cast<size_t>(row)];
    const zor::DurationStatistics& s = spec.statistics;
    const bool any = s.n > 0;
    const QString cells[] = {qt_text(spec.name), qt_text(spec.type), QString::number(s.n),
                             number(s.mean, any), number(s.sd, s.has_sd), number(s.median, any),
                             number(s.q1, any), number(s.q3, any), number(s.min, any), number(s.max, any)};
    for (int column = 0; column < 10; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      statistics_->setItem(row, column, item);
    }
  }

}

void CResultBrowser::select_specification(int row) {
  if (row < 0 || static_cast<size_t>(row) >= model_.specs().size()) return;
  if (model_.selected_spec() == static_cast<size_t>(row)) return;
  model_.select_spec(static_cast<size_t>(row));
  if (statistics_->currentRow() != row) statistics_->selectRow(row);
  draw_histogram();
  show_hits();
}

void CResultBrowser::draw_histogram() {
  chart_->removeAllSeries();
  // The chart gives up its axes when they are removed, but does not delete them.
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  const std::vector<zor::gui::ResultBrowserModel::Bin> bins = model_.histogram();
  if (!model_.selected_spec() || bins.empty()) {
    chart_->setTitle(QString());
    return;
  }
  const zor::gui::BrowserSpec& spec = model_.specs()[*model_.selected_spec()];
  chart_->setTitle(qt_text(spec.name));
  size_t highest = 1;
  for (const auto& bin : bins) highest = std::max(highest, bin.count);
  // A step outline: each interval (upper - 10, upper] as a flat top.
  auto outline = [&](std::optional<std::int64_t> only) {
    auto* upper = new QLineSeries;
    for (const auto& bin : bins) {
      const double count = !only || bin.upper == *only ? static_cast<double>(bin.count) : 0.0;
      upper->append(bin.upper - 10.0, count);
      upper->append(static_cast<double>(bin.upper), count);
    }
    return upper;
  };
  // An area series does not own its outline: the outline is made its child,
  // so that removing the series from the chart frees both.
  auto area_of = [](QLineSeries* line) {
    auto* series = new QAreaSeries(line);
    line->setParent(series);
    return series;
  };
  auto* area = area_of(outline(std::nullopt));
  area->setName(QString::fromUtf8("10 ms"));
  area->setColor(QColor(0x5b, 0x8d, 0xc9));
  area->setBorderColor(QColor(0x2c, 0x5a, 0x92));
  chart_->addSeries(area);
  connect(area, &QAreaSeries::clicked, this, [this](const QPointF& point) { click_histogram(point.x()); });
  if (auto filter = model_.interval_filter()) {
    auto* chosen = area_of(outline(filter));
    chosen->setName(QString::fromUtf8("szűrő"));
    chosen->setColor(QColor(0xf0, 0xa0, 0x30));
    chart_->addSeries(chosen);
    connect(chosen, &QAreaSeries::clicked, this, [this](const QPointF& point) { click_histogram(point.x()); });
  }
  const double top = static_cast<double>(highest) * 1.08;
  chart_->addSeries(vertical_line(spec.statistics.mean, top,
                                  QString::fromUtf8("átlag %1").arg(spec.statistics.mean, 0, 'f', 1),
                                  QColor(0xc0, 0x20, 0x20)));
  chart_->addSeries(vertical_line(spec.statistics.median, top,
                                  QString::fromUtf8("medián %1").arg(spec.statistics.median, 0, 'f', 1),
                                  QColor(0x20, 0x90, 0x30)));
  auto* x = new QValueAxis;
  x->setTitleText(QString::fromUtf8("időtartam (ms)"));
  x->setRange(static_cast<double>(bins.front().upper - 10), static_cast<double>(bins.back().upper));
  x->applyNiceNumbers();
  x->setLabelFormat(QStringLiteral("%d"));
  auto* y = new QValueAxis;
  y->setTitleText(QString::fromUtf8("találat"));
  y->setRange(0, top);
  y->applyNiceNumbers();
  y->setLabelFormat(QStringLiteral("%d"));
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart_->series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

void CResultBrowser::click_histogram(double milliseconds) {
  // The interval (b - 10, b] holds the durations up to its bound b; 0 ms is in the first.
  const auto upper = std::max<std::int64_t>(10, static_cast<std::int64_t>(std::ceil(milliseconds / 10.0)) * 10);
  model_.filter_interval(model_.interval_filter() == upper ? std::nullopt : std::optional(upper));
  draw_histogram();
  show_hits();
}

void CResultBrowser::show_hits() {
  hit_rows_->refresh();
  if (auto filter = model_.interval_filter()) {
    filter_label_->setText(QString::fromUtf8("Találatok %1–%2 ms között: %3 (kattintson újra az oszlopra az összeshez)")
                               .arg(*filter - 10)
                               .arg(*filter)
                               .arg(model_.visible_count()));
  } else {
    filter_label_->setText(QString::fromUtf8("Találatok: %1 (egy oszlopra kattintva szűrhet)").arg(model_.visible_count()));
  }
  if (model_.visible_count() > 0) select_hit_row(0);
}

void CResultBrowser::select_hit_row(int row) {
  // The current row is what the view reports as the selection later on.
  hits_->setCurrentIndex(hit_rows_->index(row, 0));
  hits_->selectRow(row);
  model_.select_hit(row >= 0 ? std::optional<size_t>(row) : std::nullopt);
}

void CResultBrowser::warn(const std::string& cp1250_problem) {
  zor::gui::user_dialogs().show_message(this, {zor::gui::BoxIcon::warning, windowTitle(), qt_text(cp1250_problem)});
}

void CResultBrowser::play_hit() {
  std::string problem;
  std::optional<zor::gui::PlayRange> range = model_.hit_range(problem);
  std::optional<PcmClip> clip = range ? zor::gui::ResultBrowserModel::clip_of(*range, problem) : std::nullopt;
  if (!clip) return warn(problem);
  zor::gui::user_dialogs().play_clip(*clip);
}

void CResultBrowser::play_sentence() {
  std::string problem;
  std::optional<zor::gui::PlayRange> range = model_.sentence_range(problem);
  std::optional<PcmClip> clip = range ? zor::gui::ResultBrowserModel::clip_of(*range, problem) : std::nullopt;
  if (!clip) return warn(problem);
  zor::gui::user_dialogs().play_clip(*clip);
}

void CResultBrowser::open_in_praat() {
  const QString praat = QStandardPaths::findExecutable(QStringLiteral("praat"));
  if (praat.isEmpty()) {
    return warn(zor::to_cp1250("A Praat nincs telepítve: a „praat” program nem található. "
                               "Telepítse (Debianon: apt install praat, máshol: www.praat.org), "
                               "majd próbálja újra."));
  }
  std::string problem;
  std::optional<std::string> textgrid = model_.selected_textgrid(problem);
  if (!textgrid) return warn(problem);
  const std::string wav = model_.selected_wav();
  // Beside the other TextGrids ZOR wrote for Praat, never beside the WAV,
  // where the conversion would take it for the recording's annotation.
  QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
  folder.mkpath(QStringLiteral("zor-praat"));
  folder.cd(QStringLiteral("zor-praat"));
  const QString wav_native = QFile::decodeName(zor::native_file_name(wav).c_str());
  const QString grid = folder.filePath(QFileInfo(wav_native).completeBaseName() + QStringLiteral(".TextGrid"));
  if (!zor::write_file_atomically(zor::from_native_file_name(QFile::encodeName(grid).toStdString()), *textgrid))
    return warn(zor::to_cp1250("A TextGrid nem írható: ") + zor::from_native_file_name(QFile::encodeName(grid).toStdString()));
  if (!zor::gui::user_dialogs().start_program(praat, {QStringLiteral("--open"), wav_native, grid}))
    warn(zor::to_cp1250("A Praat nem indítható: ") + zor::from_native_file_name(QFile::encodeName(praat).toStdString()));
}

void CResultBrowser::save_histogram() {
  std::optional<std::string> path =
      zor::gui::user_dialogs().choose_image_file(this, QStringLiteral("hisztogram.png"));
  if (!path) return;
  const QString file = QFile::decodeName(zor::native_file_name(*path).c_str());
  bool saved = false;
  if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(chart_view_->size());
    svg.setViewBox(QRect(QPoint(0, 0), chart_view_->size()));
    svg.setTitle(chart_->title());
    QPainter painter;
    saved = painter.begin(&svg);
    if (saved) {
      chart_view_->render(&painter);
      saved = painter.end();
    }
  } else {
    saved = chart_view_->grab().save(file, "PNG");
  }
  if (!saved) warn(zor::to_cp1250("Az ábra nem menthető: ") + *path);
}

void CResultBrowser::copy_list() {
  QApplication::clipboard()->setText(QString::fromStdString(model_.tab_separated()));
}
