#pragma once

// A drop-down list (no typing) that assistive technology knows by a name of
// its own. Qt's own interface for combo boxes reports the current entry as
// the name on Linux and leaves the label to a buddy relation, which one
// label can give to one list only; the three date lists share one label.

#include <QComboBox>

class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    // Names the list and its pop-up for assistive technology.
    void setSpokenName(const QString &name);
};
