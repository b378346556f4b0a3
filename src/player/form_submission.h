// What submitting a form decides, without windows. The page's objects are checked in list order:
// an Edit whose text is not exactly its AccurateText counts a wrong entry and stops the
// submission (with its error box) or, once the allowed retries are used up, rejects the form
// (with its failure box); an unchecked RadioButton or CheckBox marked NeedCheck stops it with its
// error box. When everything passes, every checked choice that names a program to run has it run,
// in list order, and the form is accepted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/page_file.h"

namespace plexara {

enum class SubmitOutcome : std::uint8_t {
  StayOpen,  // a wrong entry or a missing choice: the form stays open for another try
  Accepted,  // the form closes with result 1
  Rejected,  // the retries are used up: the form closes with result 0
};

// A program a checked choice runs on submission, with full paths.
struct ChoiceRun {
  std::string file;
  std::string folder;  // the project root when the choice names none
  std::string parameters;
  bool wait = false;

  friend bool operator==(const ChoiceRun&, const ChoiceRun&) = default;
};

struct SubmitDecision {
  SubmitOutcome outcome = SubmitOutcome::Accepted;
  // The information box to show first; empty caption and text when there is none.
  std::string boxText;
  std::string boxCaption;
  bool showBox = false;
  std::vector<ChoiceRun> runs;  // only when accepted
};

// objects: the page's objects with their live text and checked states. failureCounts holds one
// count per object (only the Edits' are used) and is updated by the call.
SubmitDecision DecideSubmission(const std::vector<ObjectData>& objects,
                                std::vector<int>& failureCounts, const std::string& projectRoot);

}  // namespace plexara
