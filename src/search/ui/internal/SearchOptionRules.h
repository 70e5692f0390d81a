// The enabling rules that the search and the replace dialog share: a
// regular expression may be fuzzy but not whole-word, a whole word neither,
// and fuzzy matching ignores case.
#pragma once

class QCheckBox;

struct TSearchOptionBoxes {
    QCheckBox* MatchCase;
    QCheckBox* WholeWord;
    QCheckBox* Fuzzy;
    QCheckBox* RegExp;

    // Connects the boxes' click rules.
    void Connect() const;
    // The states on showing: whole word only without a regular expression,
    // fuzzy only with one.
    void ApplyShownState() const;
};
