#pragma once
// Start-up of the common dialogs: registers them with the class registry so
// that form files holding them load. Safe to call again.

void InitializeDialogs();
