#include "player/form_submission.h"

#include "player/action_shell.h"

namespace plexara {
namespace {

SubmitDecision Box(SubmitOutcome outcome, const std::string& text, const std::string& caption) {
  SubmitDecision decision;
  decision.outcome = outcome;
  decision.showBox = true;
  decision.boxText = text;
  decision.boxCaption = caption;
  return decision;
}

const ChoiceInputRecord* ChoiceOf(const ObjectData& object) {
  if (const auto* radio = std::get_if<RadioButtonRecord>(&object.record)) return radio;
  if (const auto* check = std::get_if<CheckBoxRecord>(&object.record)) return check;
  return nullptr;
}

}  // namespace

SubmitDecision DecideSubmission(const std::vector<ObjectData>& objects,
                                std::vector<int>& failureCounts, const std::string& projectRoot) {
  failureCounts.resize(objects.size(), 0);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (const auto* edit = std::get_if<EditRecord>(&objects[i].record)) {
      if (edit->text == edit->accurateText) continue;
      ++failureCounts[i];
      if (edit->allowRetry > 0 && failureCounts[i] > edit->allowRetry) {
        return Box(SubmitOutcome::Rejected, edit->failedMessage, edit->failedCaption);
      }
      return Box(SubmitOutcome::StayOpen, edit->errorMessage, edit->errorCaption);
    }
    if (const ChoiceInputRecord* choice = ChoiceOf(objects[i])) {
      if (!choice->checked && choice->needCheck) {
        return Box(SubmitOutcome::StayOpen, choice->errorMessage, choice->errorCaption);
      }
    }
  }
  SubmitDecision decision;
  for (const ObjectData& object : objects) {
    const ChoiceInputRecord* choice = ChoiceOf(object);
    if (choice == nullptr || !choice->checked || object.command.selectRunFile.empty()) continue;
    decision.runs.push_back({ActionRelativePath(projectRoot, object.command.selectRunFile),
                             ActionRelativePath(projectRoot, object.command.selectRunFolder),
                             object.command.selectRunParameters,
                             object.command.selectRunWait == "Y"});
  }
  return decision;
}

}  // namespace plexara
