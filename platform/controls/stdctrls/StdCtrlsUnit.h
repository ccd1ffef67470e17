#pragma once
// Start-up of the standard controls: registers their classes for streaming.
// Starts the controls layer first; safe to call again.

void InitializeStdCtrls();
