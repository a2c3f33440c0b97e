#pragma once
// Checks on a built window that a person reading it would notice: captions cut
// off, controls over one another or outside the window, names missing.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace test {

// The window's own controls (labels, buttons, lists, text boxes), not Qt's
// inner widgets (scroll bars, the menu bar's extension button).
std::vector<QWidget*> Controls(const QWidget& window);

// Names of the labels and buttons whose text does not fit their box: too wide
// for one line, too many wrapped lines, or a font taller than the box.
QStringList CutCaptions(const QWidget& window);

// "a/b" for every two visible controls that cover each other, and "a outside"
// for a control that reaches past the window's edge.
QStringList Overlaps(const QWidget& window);

// The text a button shows, with its mnemonic marker taken out ("E&xit": "Exit").
QString Shown(const QString& caption);

}  // namespace test
