#pragma once
// The main window's form resource: its components, captions, shortcuts,
// hints, help contexts, states and handler bindings, in the text form.

void RegisterMorvaneMainResource();
