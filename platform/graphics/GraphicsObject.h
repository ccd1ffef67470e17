#pragma once
// The common base of fonts, pens and brushes: a persistent object that tells
// its owner (a canvas, a control) through OnChange when any property changed.

#include "platform/classes/Persistent.h"

class TGraphicsObject : public TPersistent {
  MORVANE_CLASS(TGraphicsObject, TPersistent)

 public:
  TNotifyEvent OnChange;

 protected:
  // Raised after every change that alters how something is drawn.
  virtual void Changed() {
    if (OnChange) OnChange(this);
  }
};
