// Renders page 1 with a few entries; ZOR_SCREENSHOT names a PNG file to
// keep the picture for a look.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

#include "controls/sortable_list.h"
#include "controls/wav_test_files.h"
#include "wizard/page1.h"

namespace {

QRect in_page(const QWidget* widget, const QWidget* page) {
  return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
}

TEST(Page1Screenshot, ControlsNeitherClipNorOverlap) {
  QTemporaryDir dir;
  CPage1 page(nullptr);
  QStringList paths;
  const std::pair<const char*, std::uint32_t> files[] = {
      {"mondat01.wav", 88200}, {"mondat02.wav", 176400}, {"hosszu_mondat.wav", 1234560}};
  for (const auto& [name, bytes] : files) {
    zor::test::WavLayout w;
    w.channels = 1;
    w.sample_rate = 22050;
    w.sample_bytes = bytes;
    paths << dir.filePath(QLatin1String(name));
    zor::test::write_file(paths.back().toStdString(), zor::test::wav_bytes(w));
  }
  page.add_recording_paths(paths);
  page.resize(page.sizeHint());
  page.show();
  QPixmap picture = page.grab();
  ASSERT_FALSE(picture.isNull());
  if (qEnvironmentVariableIsSet("ZOR_SCREENSHOT")) {
    EXPECT_TRUE(picture.save(qEnvironmentVariable("ZOR_SCREENSHOT"), "PNG"));
  }

  // Every control lies inside the page and at least as large as it asks to
  // be, and no two of them cover each other.
  QList<QWidget*> controls;
  for (QWidget* child : page.findChildren<QWidget*>()) {
    if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child) ||
        qobject_cast<CSortableList*>(child))
      controls << child;
  }
  ASSERT_GE(controls.size(), 8);
  for (QWidget* control : controls) {
    QString name = control->objectName();
    EXPECT_TRUE(page.rect().contains(in_page(control, &page))) << name.toStdString();
    // The information line may cut its text instead of widening the page.
    if (control->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
      EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name.toStdString();
    }
    EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name.toStdString();
    for (QWidget* other : controls) {
      if (other != control && !control->isAncestorOf(other) && !other->isAncestorOf(control)) {
        EXPECT_FALSE(in_page(control, &page).intersects(in_page(other, &page)))
            << name.toStdString() << " and " << other->objectName().toStdString();
      }
    }
  }
  // A usual information line fits beside the play button, and the list
  // shows all its columns.
  auto* line = page.findChild<QLabel*>(QStringLiteral("information_line"));
  EXPECT_GE(line->contentsRect().width(), line->fontMetrics().horizontalAdvance(line->text().trimmed()));
  const CSortableList* list = page.wav_list();
  int columns = 0;
  for (int c = 0; c < list->columnCount(); ++c) columns += list->columnWidth(c);
  EXPECT_GE(list->viewport()->width(), columns);
}

}  // namespace
