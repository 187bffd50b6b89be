#include "settings/texts/all_texts.h"

#include "settings/texts/desktop_texts.h"
#include "settings/texts/diagram_texts.h"
#include "settings/texts/explain_texts.h"
#include "settings/texts/file_texts.h"
#include "settings/texts/general_vocabulary.h"
#include "settings/texts/klimat_frame_texts.h"
#include "settings/texts/klimat_koef_frame_texts.h"
#include "settings/texts/main_window_texts.h"
#include "settings/texts/pillars_form_texts.h"
#include "settings/texts/report_extra_texts.h"
#include "settings/texts/input_problem_texts.h"
#include "settings/texts/results_texts.h"
#include "settings/texts/summary_sheet_texts.h"
#include "settings/texts/support_range_texts.h"
#include "settings/texts/reliability_texts.h"
#include "settings/texts/units_dialog_texts.h"
#include "settings/texts/wires_base_texts.h"
#include "settings/texts/wires_edit_texts.h"

namespace orv::settings {

void RegisterAllTexts() {
  RegisterGeneralVocabulary();
  RegisterMainWindowTexts();
  RegisterKlimatFrameTexts();
  RegisterKlimatKoefFrameTexts();
  RegisterUnitsDialogTexts();
  RegisterPillarsFormTexts();
  RegisterWiresEditTexts();
  RegisterWiresBaseTexts();
  RegisterDesktopTexts();
  RegisterExplainTexts();
  RegisterSummarySheetTexts();
  RegisterDiagramTexts();
  RegisterReportExtraTexts();
  RegisterReliabilityTexts();
  RegisterResultsTexts();
  RegisterFileTexts();
  RegisterSupportRangeTexts();
  RegisterInputProblemTexts();
}

}  // namespace orv::settings
