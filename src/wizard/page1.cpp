#include "wizard/page1.h"

#include "platform/encoding.h"
#include "platform/paths.h"

CPage1::CPage1(CKorPropertySheet* sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {}

std::vector<zor::Recording> CPage1::recordings() const { return recordings_; }

void CPage1::add_recording_paths(const QStringList& native_paths) {
  for (const QString& native : native_paths) {
    std::string path = zor::from_native_file_name(native.toStdString());
    recordings_.push_back({zor::file_name_part(path), zor::directory_part(path)});
  }
}
