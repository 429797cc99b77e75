#pragma once

class QLineEdit;

// Clean-up of a numeric box when the user leaves it. Each box keeps its own last
// accepted value, restored after an entry that is no number.
namespace fieldfixups {

// A decimal within min..max, rounded to one decimal; `start` is the value restored
// before anything was accepted. True when the entry was out of range or no number,
// so that the caller shows its tip.
bool fixDecimal(QLineEdit *edit, double min, double max, double start);

// A whole number: stray characters dropped, no range.
void fixInteger(QLineEdit *edit);

// Runs fixInteger() whenever the user leaves the box.
void attachInteger(QLineEdit *edit);

} // namespace fieldfixups
