// A titled group of exclusive choices, the first one checked at the start.
// Setting the index from code runs OnClick as a click does, and only when
// it changes.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* Parent = nullptr);

    // The checked item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int Index);

    std::function<void()> OnClick;

private:
    QButtonGroup* Buttons_;
};
