// The folder dialog's list of a folder's files (no folders, no hidden
// files), by name. Drawing can be taken over through OnDrawItem.
#pragma once

#include <QListWidget>
#include <QStyle>
#include <functional>
#include <string>

class TFileListBoxEx : public QListWidget {
public:
    explicit TFileListBoxEx(QWidget* Parent = nullptr);

    // Lists the files of the folder at a raw path ("" lists nothing).
    void ApplyFilePath(const std::string& Path);
    // Reads the folder again.
    void Update();
    const std::string& Directory() const { return Directory_; }
    int ItemHeight() const { return ItemHeight_; }
    void SetItemHeight(int Value) { ItemHeight_ = Value; }

    // Draws item Index in Rect; without it the list draws as usual.
    std::function<void(TFileListBoxEx*, int Index, const QRect& Rect, QStyle::State State, QPainter& Painter)>
        OnDrawItem;

private:
    std::string Directory_;
    int ItemHeight_ = 12;
};
