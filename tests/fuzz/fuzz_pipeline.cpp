// One fuzzed recording through the whole chain: conversion, query and report.
// The input is a recording (see recording_input.h) followed, after one more
// separator, by a specification file; without one a fixed set of
// specifications is used. Every run must finish: the files it writes are in
// a writable folder, so a failed run is a finding.
//
// The report's distribution has one line per 10 ms up to the longest hit, so
// a fuzzed pitch mark days into the recording asks for gigabytes of report.
// That is the report's documented behaviour, not a fault; such runs skip
// only the distribution.
#include <cstdint>
#include <filesystem>

#include "conversion/conversion_run.h"
#include "corpus/output_names.h"
#include "fuzz_files.h"
#include "platform/paths.h"
#include "platform/run_lock.h"
#include "corpus/label_tree.h"
#include "query/query_run.h"
#include "query/report.h"
#include "query/specification_list.h"
#include "recording_input.h"
#include "support/fake_host.h"
#include "tables/text_table.h"

namespace {

constexpr std::string_view kDefaultSpecifications =
    "v\tH\t<V>\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\tBARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\n"
    "c\tH\t[<BARMI>;C;<SEMMI>]\t<SEMMI>;<BARMI>;V\t<BARMI>;<BARMI>;<BARMI>\tUTOLSO\t= 1\t\t\t0\tBARMENNYI\t1 v. TOBB\n"
    "w\tSZ\t\t\t\t\t< 3\tELSO\tIGEN\tBARMENNYI\t0\tBARMENNYI\n"
    "a\tH\ta\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\tELSO\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\n";

constexpr double kLongestDistributionMs = 100000;

bool distribution_is_short(const std::string& result_dev_path) {
  zor::TextTable dev;
  dev.set_separator('\t');
  if (!dev.load(result_dev_path)) return true;
  for (bool on_row = dev.move_first(); on_row; on_row = dev.move_next()) {
    zor::FieldText interval = dev.field("EREDMENYSZ_INTERV");
    if (interval && zor::read_number(*interval) > kLongestDistributionMs) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  std::string_view specification_text;
  std::string wav = fuzz::write_recording(fuzz::as_bytes(data, size), "rec", &specification_text);
  if (specification_text.empty()) specification_text = kDefaultSpecifications;

  LabelTree tree;
  tree.build_default_tree();
  OutputNames names = build_output_names(directory_part(wav), "out.txt");
  ConversionInput conversion{{{file_name_part(wav), directory_part(wav)}},
                             names.sentences, names.words, names.sounds,
                             run_lock_path(names.report), AnnotationOptions{}};
  test::FakeHost host;
  // A set that is skipped leaves nothing converted, and the run counts as
  // failed; it must then have said so. A label that ends the sentence early
  // makes the run partial.
  const RunOutcome converted = run_conversion(conversion, tree, host);
  if (converted == RunOutcome::failed) {
    fuzz::expect(!host.messages.empty() && host.messages.back().caption.starts_with("Hiba "),
                 "the conversion failed without listing the set");
    return 0;
  }
  fuzz::expect(converted == RunOutcome::completed || converted == RunOutcome::partial,
               "the conversion failed");

  SpecificationList specifications;
  fuzz::expect(load_specifications(specifications,
                                   fuzz::write_scratch_file("specs.txt", specification_text)),
               "the specifications did not load");
  RunOutcome query = run_query(specifications.rows(), names, host);
  fuzz::expect(query != RunOutcome::failed, "the query failed");
  if (query != RunOutcome::completed) return 0;

  TextTable result;
  result.set_separator('\t');
  fuzz::expect(result.load(names.result), "the result table is missing");
  std::vector<ReportEntry> entries;
  for (bool on_row = result.move_first(); on_row; on_row = result.move_next()) {
    if (FieldText name = result.field("EREDMENY_SPECNEV")) entries.push_back({std::string(*name), true});
  }
  fuzz::expect(write_report(entries, {true, distribution_is_short(names.result_dev)}, names, host) != RunOutcome::failed, "the report failed");
  fuzz::expect(std::filesystem::exists(names.report), "no report written");
  return 0;
}
