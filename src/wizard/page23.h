#pragma once
// Page 3, "3. Hangkapcsolatok": the sound connections.
#include <QWidget>

#include "query/connection_list.h"

class CKorPropertySheet;

class CPage23 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage23(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::ConnectionList& connections() const { return connections_; }

 private:
  CKorPropertySheet* sheet_;
  zor::ConnectionList connections_;
};
