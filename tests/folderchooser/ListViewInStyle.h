// Showing a folder in a file list of either style, for the list's tests.
#pragma once

#include "ShellListView.h"
#include "ShellNamespace.h"

#include <gtest/gtest.h>
#include <string>

// Shows the folder at Path in a list view of the style on the screen.
inline void ShowIn(TShellListView& View, const TShellNamespace& Namespace, const std::string& Path, TViewStyle Style)
{
    TItemIDList folder;
    Namespace.PathToIDList(Path, folder);
    View.SetViewStyle(Style);
    View.resize(500, 300);
    View.show();
    View.ShowFolder(folder);
}

// The row showing Name; -1 for none.
inline int RowNamed(TShellListView& View, const QString& Name)
{
    for (int row = 0; row < View.FileList().Count(); ++row)
        if (View.FileList().Item(row).DisplayName == Name)
            return row;
    return -1;
}

// What differs between the icon view and the report is where rows are;
// tests of this fixture find them through the view of the style and run in both.
class ShellListViewStyle : public testing::TestWithParam<TViewStyle> {};
