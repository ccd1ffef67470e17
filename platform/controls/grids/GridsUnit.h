#pragma once
// Start-up of the grids family: registers its classes so that form files
// naming them can be read. Safe to call again.

void InitializeGrids();
