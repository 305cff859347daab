#pragma once

// What a screen reader learns of a drop-down list: its purpose as its name
// and the entry chosen as its value and its text, on every system alike.
//
// Qt's own interface for combo boxes names a list on Linux by the entry
// chosen and leaves the purpose to a label, which one label can give to one
// list only. Orca reads a closed list's entry from its text, and hears a new
// entry through the focus moving to it in the list the box drops down (see
// DropDownList).

#include <QAccessibleWidget>

class QComboBox;

class DropDownListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DropDownListAccessible(QComboBox *list);

    // Makes every DropDownList use this interface; idempotent.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The entry chosen, as read-only text.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QComboBox *list() const;
    QString chosen() const;
};
