#pragma once

class QWidget;

// Keyboard accelerators of the captions that stay exactly as written (the Chinese
// source texts of the printer's own commands and pages): such a caption carries no
// "(&X)", so its button answers to Alt and a letter given here instead. A translated
// caption carries its own mnemonic and is left alone.
namespace accelerators {

// Gives every listed button under `root` whose caption has no mnemonic its Alt+letter.
void giveFixedCaptionsKeys(QWidget *root);

} // namespace accelerators
