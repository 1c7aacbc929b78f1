#pragma once

#include <QString>

#include "install_steps.h"

namespace pecunor {

class TfrmInstall;

// The title a screen reader announces for a page of the setup wizard.
QString installPageTitle(InstallPage page);

// Names the wizard's drive box, folder tree and pages for screen readers,
// and has them told each new page (its title, or on a result page its
// message) and each new install folder that a choice of drive or folder
// makes.
void tellInstallWizardToReaders(TfrmInstall& wizard);

}  // namespace pecunor
