#pragma once
#include <QPalette>

class QWidget;

// How a window looks and sits. Each window's form (its .ui file) gives the controls, their places
// in pixels at 96 dpi, fonts, colours and texts; FinishWindow gives every window what the forms
// share: the site's address and the program's title and icon in its texts, the one style sheet
// (Windows.qss) that draws flat borders and focus marks, colours of the toolkit's own rather than
// the desktop theme's, fonts that keep their room on every desktop, the title, icon and frame, and
// the fixed size. Each window calls it once it has set up its form.

// The title bar every window has: the system menu and a close button, no minimise or maximise
// box. A window passes it to its base class (a dialog with Qt::Dialog added): set later, once
// the controls exist, it would make the window anew and cost a tenth of the start-up.
inline constexpr Qt::WindowFlags WindowFrame = Qt::Window | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                               Qt::WindowCloseButtonHint;

// Lets "Verdana" and "MS Sans Serif" fall back on "DejaVu Sans" where they are missing; sizes and
// weights hold. Calling it again does nothing.
void InstallFontSubstitutions();

// The toolkit's own light colours, whatever the desktop theme.
const QPalette &DefaultPalette();

// Finishes a window set up from its form; see above. A window made without WindowFrame gets it.
void FinishWindow(QWidget *window);

// Puts a control in front of the others in its container; a control it now covers exactly is
// hidden, so that neither the keyboard nor a screen reader reaches what cannot be seen.
void BringToFront(QWidget *control);
