// The sub-icon finder: a window beside the main window that lists the
// pages carrying one sub-icon, or any, and shows a page when its entry is
// clicked. Left and Right step through the eleven lists; Esc closes it,
// and closing frees it.
#pragma once

#include "Menus.h"
#include "PageMirror.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class TDockButton;
class TToolImageList;
class TTreeImageList;

// The list of every page with a sub-icon.
inline constexpr int AllSubIconsFilter = 11;

// The key of each list under its button: the digits of the shortcuts,
// and "-" for the list of all.
class TKeyLegend : public QWidget {
public:
    TKeyLegend(QWidget* Parent, const std::array<TDockButton*, AllSubIconsFilter>& Buttons);
    static QString Key(int Filter);
    // Where the key of list Filter is centred, in the legend's coordinates.
    int KeyCentre(int Filter) const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    const std::array<TDockButton*, AllSubIconsFilter>& Buttons_;
};

class TFindIconForm : public QWidget {
public:
    // Names: the ten sub-icons' names (Shift-JIS). AltShortcuts: the lists'
    // shortcuts are Alt+1.. rather than Shift+Ctrl+1..
    TFindIconForm(QWidget* MainWindow, TTreeView& DataTree, TTreeImageList& SubIcons,
                  const std::vector<std::string>& Names, bool AltShortcuts);
    ~TFindIconForm() override;

    // Lists the pages of Filter (1-10 one sub-icon, 11 any), its button
    // pressed.
    void ShowFilter(int Filter);
    int Filter() const { return Filter_; }
    // Left and Right: the list before or after, round the eleven.
    void StepFilter(int Step);
    void PageDeleted(const TTreeNode* Page);
    void AssignIconShortcuts();
    // The page of the selected entry is shown in the main window.
    void IconTreeClick();

    TTreeView* IconTree() const { return IconTree_; }
    QLabel* LbSubIcon() const { return LbSubIcon_; }
    QCheckBox* CkAlt() const { return CkAlt_; }
    TDockButton* TbIcon(int Filter) const { return Buttons_.at(static_cast<size_t>(Filter - 1)); }
    TMenuItem* SubItem(int Filter) const { return SubItems_.at(static_cast<size_t>(Filter - 1)); }
    TShortCutDispatcher& Dispatcher() const { return *Dispatcher_; }
    TKeyLegend* Legend() const { return Legend_; }

    std::function<void(TTreeNode* Page)> OnSelectPage;
    std::function<void(int Filter)> OnFilterChange;
    std::function<void()> OnClose;

protected:
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void CreateToolbar(TTreeImageList& SubIcons, const std::vector<std::string>& Names);
    void CreateMenu(const std::vector<std::string>& Names);
    void TellCount(int Count);

    TTreeView& DataTree_;
    TMainMenu IconMemu_;
    std::unique_ptr<TShortCutDispatcher> Dispatcher_;
    std::unique_ptr<TToolImageList> ButtonImages_;
    std::array<TDockButton*, AllSubIconsFilter> Buttons_{};
    std::array<TMenuItem*, AllSubIconsFilter> SubItems_{};
    QCheckBox* CkAlt_ = nullptr;
    QLabel* LbSubIcon_ = nullptr;
    TTreeView* IconTree_ = nullptr;
    TKeyLegend* Legend_ = nullptr;
    std::unique_ptr<TPageMirror> Entries_;
    int Filter_ = AllSubIconsFilter;
};
