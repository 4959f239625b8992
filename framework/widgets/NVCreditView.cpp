#include "framework/widgets/NVCreditView.h"

// FIXME: the modal credit view comes with the modal overlay; until then a
// request to open it does nothing.
void openCreditView(NVStageBase*) {}
