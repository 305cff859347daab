#pragma once

// What a screen reader learns of an AnnouncingButton: a push button whose
// description is its announcement.
//
// Qt 6.4 tells AT-SPI of a changed description without the new text, and Orca
// then has nothing to say. What Orca does read out at once is text inserted
// into the focused object while that text is selected. So the button offers
// its announcement as text, selected as a whole, and reports each new one as
// inserted.

#include <QAccessibleWidget>

class AnnouncingButton;

class AnnouncingButtonAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AnnouncingButtonAccessible(AnnouncingButton *button);

    // Makes every AnnouncingButton use this interface; idempotent.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The announcement, as read-only text selected as a whole.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    AnnouncingButton *button() const;
};
