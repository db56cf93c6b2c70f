#pragma once
// A whole property sheet over a generated corpus: the recordings added on
// page 1 and page 2's default label tree, the three runs started as page 5
// starts them, and the batch command line's run to hold their files against.
#include <gtest/gtest.h>

#include <QStringList>

#include "support/test_files.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"

class CPage5;

namespace zor::test {

class WizardSession : public testing::Test {
 protected:
  static constexpr int kRecordings = 6;

  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // Shows page 5 with `output` as its folder.
  void show_output_page();
  // Conversion and query from page 5, then the report with details and
  // distribution from the result viewer.
  void run_from_page_five();
  // `zor-cli run` on page 1's recordings, in their order, into `batch`;
  // `inputs` names the specification file and whatever else the run reads.
  void run_batch(const QStringList& inputs);
  // Every file the wizard wrote in `output`, byte for byte in `batch`.
  void expect_the_batch_run_wrote_the_same();

  inline static ScratchDir* corpus_ = nullptr;
  FakeUserDialogs dialogs;
  ScratchDir output;
  ScratchDir batch;
  CKorPropertySheet sheet;
  CPage5* page = nullptr;
};

}  // namespace zor::test
