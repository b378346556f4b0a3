#include "player/form_submission_win32.h"

#include <vector>

#include "objects/form_input_controls_win32.h"
#include "platform/shell_seam.h"
#include "player/action_executor_win32.h"
#include "player/form_submission.h"

namespace plexara {

void SubmitForm(TAutoRunForm& window) {
  const std::vector<ObjectControl*> controls = window.Controls();
  std::vector<int> failureCounts(window.page().objects.size(), 0);
  for (std::size_t i = 0; i < controls.size() && i < failureCounts.size(); ++i) {
    if (auto* edit = dynamic_cast<TAuSecurityEdit*>(controls[i]))
      failureCounts[i] = edit->failureCount();
  }
  const SubmitDecision decision =
      DecideSubmission(window.page().objects, failureCounts, window.context().projectRoot);
  for (std::size_t i = 0; i < controls.size() && i < failureCounts.size(); ++i) {
    if (auto* edit = dynamic_cast<TAuSecurityEdit*>(controls[i]))
      edit->failureCount() = failureCounts[i];
  }
  if (decision.showBox) {
    ShowInformationBox(CurrentMessageBoxes(), decision.boxText, decision.boxCaption, window.hwnd());
  }
  if (decision.outcome == SubmitOutcome::StayOpen) return;
  for (const ChoiceRun& run : decision.runs) {
    RunShell(window, "open", run.file, kShowNormal, run.wait, run.folder, run.parameters);
  }
  window.SetResult(decision.outcome == SubmitOutcome::Accepted ? 1 : 0);
  PostMessageA(window.hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace plexara
