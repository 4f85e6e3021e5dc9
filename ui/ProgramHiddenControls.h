#pragma once
// The program templates carry an age limit, an audio language and a CAS box that no
// record field takes. They exist, named and hidden, so the controls match the receiver's
// program template, and nothing reads them.
class QWidget;

void CreateHiddenProgramControls(QWidget* parent);
