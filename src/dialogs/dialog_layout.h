// Small helpers shared by the dialogs' layouts.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace qf {

inline constexpr int kDialogTableWidth = 240;  // table pixels; dialogs are as wide at the zoom

// A label in a bold version of its own font.
QLabel* MakeBoldLabel(const QString& text, QWidget* parent = nullptr);

// Sizes a dialog to the table's width at the zoom (wider only when its
// controls need it) and to the height its layout asks for.
void FitToTableWidth(QDialog& dialog, int zoom);

}  // namespace qf
