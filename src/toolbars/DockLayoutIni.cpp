#include "DockLayoutIni.h"

#include "DockToolbar.h"
#include "IniFiles.h"
#include "SysUtils.h"
#include "ToolDock.h"

#include <QScopeGuard>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Sections of other revisions are someone else's format.
constexpr int32_t Revision = 3;
const char* const FloatingDock = "+";

void CheckNamed(const TDockToolbar& Bar)
{
    if (Bar.Name().empty())
        throw Exception("Cannot save tool window's position because Name property is not set");
}

const QWidget* FormOf(const TToolDock& Dock) { return Dock.window(); }
const QWidget* FormOf(const TDockToolbar& Bar) { return Bar.FormOf(); }

// The docks or toolbars of Form itself, not those of a window of its own
// that Form holds (the sub-icon finder's), in the order they were made.
template <class T>
std::vector<T*> OwnedBy(QWidget& Form)
{
    std::vector<T*> owned;
    for (T* item : Form.findChildren<T*>())
        if (FormOf(*item) == &Form)
            owned.push_back(item);
    return owned;
}

TToolDock* FindDockByName(QWidget& Form, const std::string& Name)
{
    for (TToolDock* dock : OwnedBy<TToolDock>(Form))
        if (dock->Name() == Name)
            return dock;
    return nullptr;
}

void LoadToolbar(TDockToolbar& Bar, QWidget& Form, const TIniFile& Ini, const std::string& Section)
{
    CheckNamed(Bar);
    const int32_t rev = Ini.ReadInteger(Section, "Rev", 0);
    if (rev != 2 && rev != 3)
        return;
    Bar.SetVisible(Ini.ReadInteger(Section, "Visible", Bar.Visible() ? 1 : 0) != 0);
    const std::string dockName = Ini.ReadString(Section, "DockedTo", "");
    if (dockName.empty())
        return;
    TToolDock* dock = dockName == FloatingDock ? nullptr : FindDockByName(Form, dockName);
    if (dockName != FloatingDock && (!dock || !dock->AllowDrag()))
        return;
    // Rows and positions are only orders; a negative row is the first, and
    // any position lays out (the dock adds positions in 64 bits).
    Bar.SetDockRow(std::max(0, Ini.ReadInteger(Section, "DockRow", Bar.DockRow())));
    Bar.SetDockPos(Ini.ReadInteger(Section, "DockPos", Bar.DockPos()));
    const QPoint floatPosition(Ini.ReadInteger(Section, "FloatLeft", 0), Ini.ReadInteger(Section, "FloatTop", 0));
    Bar.ReadPositionExtras(Ini, Section);
    Bar.SetFloatPosition(floatPosition);
    if (dock) {
        Bar.SetDockedTo(dock);
        return;
    }
    Bar.SetParent(&Form);
    Bar.SetBounds(QRect(floatPosition, Bar.size()));
    Bar.KeepOnScreen(true);
    // A double-click docks it where it came from, if that dock is still
    // there.
    const std::string lastDock = rev >= 3 && Bar.UseLastDock() ? Ini.ReadString(Section, "LastDock", "") : "";
    if (TToolDock* last = lastDock.empty() ? nullptr : FindDockByName(Form, lastDock))
        Bar.SetLastDock(last);
}

} // namespace

void LoadDockLayoutFromIni(QWidget& Form, const std::string& IniFileName, const std::string& SectionPrefix)
{
    const TIniFile ini(IniFileName);
    // No dock lays out while its bars arrive; each does once at the end.
    const std::vector<TToolDock*> docks = OwnedBy<TToolDock>(Form);
    for (TToolDock* dock : docks)
        dock->LockLayout();
    const auto unlock = qScopeGuard([&] {
        for (auto dock = docks.rbegin(); dock != docks.rend(); ++dock)
            (*dock)->UnlockLayout();
    });
    for (TDockToolbar* bar : OwnedBy<TDockToolbar>(Form))
        LoadToolbar(*bar, Form, ini, SectionPrefix + bar->Name());
}

void SaveDockLayoutToIni(QWidget& Form, const std::string& IniFileName, const std::string& SectionPrefix)
{
    TIniFile ini(IniFileName);
    // Sections written before an error are kept.
    WithinUpdate(ini, [&] {
        for (TDockToolbar* bar : OwnedBy<TDockToolbar>(Form)) {
            CheckNamed(*bar);
            const TToolDock* dock = bar->DockedTo();
            if (dock && dock->AllowDrag() && dock->Name().empty())
                throw Exception("Cannot save tool window's position because DockedTo's Name property not set");
            const std::string section = SectionPrefix + bar->Name();
            ini.WriteInteger(section, "Rev", Revision);
            ini.WriteInteger(section, "Visible", bar->Visible() ? 1 : 0);
            ini.WriteString(section, "DockedTo",
                            !dock               ? FloatingDock
                            : dock->AllowDrag() ? dock->Name()
                                                : std::string());
            ini.WriteString(section, "LastDock", bar->LastDock() ? bar->LastDock()->Name() : std::string());
            ini.WriteInteger(section, "DockRow", bar->DockRow());
            ini.WriteInteger(section, "DockPos", bar->DockPos());
            ini.WriteInteger(section, "FloatLeft", bar->FloatPosition().x());
            ini.WriteInteger(section, "FloatTop", bar->FloatPosition().y());
            bar->WritePositionExtras(ini, section);
        }
    });
}
