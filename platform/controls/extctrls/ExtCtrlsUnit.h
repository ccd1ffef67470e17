#pragma once
// Start-up of the extra controls: registers their classes with the class
// registry so that form files can name them. Programs call it once after
// InitializeControls (calling it again does no harm).

void InitializeExtCtrls();
