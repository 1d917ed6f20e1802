#include "PictureBoxAccessible.h"

#include <algorithm>

#include <QAccessibleWidget>

#include "PictureBox.h"

namespace {

// The page's text has no caret and no selection, and its characters have
// no known place on the picture: what remains is the text itself, which
// the base interface splits into characters, words and lines.
class PictureBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PictureBoxAccessible(PictureBox *box) : QAccessibleWidget(box, QAccessible::Document) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override
    {
        const QString &all = box()->accessibleText();
        const int start = std::clamp(startOffset, 0, int(all.size()));
        const int end = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(box()->accessibleText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    using QAccessibleWidget::text; // the name and description

private:
    const PictureBox *box() const { return static_cast<const PictureBox *>(object()); }
};

QAccessibleInterface *pictureBoxInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    return new PictureBoxAccessible(static_cast<PictureBox *>(object));
}

} // namespace

void installPictureBoxAccessibility()
{
    QAccessible::installFactory(pictureBoxInterface); // a second install is ignored
}
