// Saving and restoring where a form's toolbars are, one settings section
// per toolbar named SectionPrefix + the toolbar's name: "Rev" (3),
// "Visible", "DockedTo" (the dock's name; empty for a dock the bars cannot
// be dragged off, "+" for a floating bar), "LastDock", "DockRow",
// "DockPos", "FloatLeft", "FloatTop", and the toolbar's wrap width
// "FloatRightX".
#pragma once

#include <string>

class QWidget;

// Restores the toolbars of Form from the settings file. A missing section
// (or one of a revision other than 2 or 3) leaves its toolbar as it is; a
// "DockedTo" naming no dock of Form leaves the toolbar on its dock, though
// its visibility is applied. Raises Exception for a toolbar without a name.
void LoadDockLayoutFromIni(QWidget& Form, const std::string& IniFileName, const std::string& SectionPrefix);

// Writes the places of the toolbars of Form in one batch. Raises
// EIniFileException when the file cannot be written, Exception for a
// toolbar or dock without a name.
void SaveDockLayoutToIni(QWidget& Form, const std::string& IniFileName, const std::string& SectionPrefix);
