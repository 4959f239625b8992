// The credit view: the application's name, version, rights line and credit
// lines in a modal view over the main window.
#pragma once

class NVStageBase;

// Opens the credit view over `owner` and returns when it closes; does
// nothing while one is open.
void openCreditView(NVStageBase* owner);
