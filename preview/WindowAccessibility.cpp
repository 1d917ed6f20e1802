#include "WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QWidget>

namespace {
constexpr char KeptProperty[] = "keptFromAssistiveTechnology";

// A top-level window as a frame (or a dialog), with the children it keeps
// from assistive technology left out.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window)
        : QAccessibleWidget(window,
                            window->windowType() == Qt::Dialog || window->windowType() == Qt::Sheet
                                    ? QAccessible::Dialog
                                    : QAccessible::Window)
    { }

    int childCount() const override { return int(offeredChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = offeredChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<QAccessibleInterface *> children = offeredChildren();
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (children.at(i) == child)
                return int(i);
        }
        return -1;
    }

private:
    // Qt's own choice of children (which leaves out menus and other
    // windows), less the kept ones.
    QList<QAccessibleInterface *> offeredChildren() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            const QObject *object = child ? child->object() : nullptr;
            if (object
                && !(object->isWidgetType() && isKeptFromAssistiveTechnology(static_cast<const QWidget *>(object))))
                children << child;
        }
        return children;
    }
};

// Qt asks for the class name "QWidget" only when no class nearer to the
// widget's own has an interface: dialogs, menus and main windows have
// theirs, a window built on a plain QWidget gets Qt's filler unless this
// factory (installed after Qt's, so asked first) answers.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    return widget->isWindow() ? new WindowAccessible(widget) : nullptr;
}

QString withoutMnemonic(QString title)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return title.replace(mnemonic, QStringLiteral("\\1"));
}

void nameMenu(QMenu *menu)
{
    menu->setAccessibleName(withoutMnemonic(menu->title()));
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (QMenu *submenu = action->menu())
            nameMenu(submenu);
    }
}
} // namespace

void installWindowAccessibility()
{
    QAccessible::installFactory(windowInterface); // a second install is ignored
}

void keepFromAssistiveTechnology(QWidget *child)
{
    child->setProperty(KeptProperty, true);
}

bool isKeptFromAssistiveTechnology(const QWidget *widget)
{
    return widget->property(KeptProperty).toBool();
}

void nameMenusAfterTheirTitles(QMenuBar *bar)
{
    const QList<QAction *> actions = bar->actions();
    for (QAction *action : actions) {
        if (QMenu *menu = action->menu())
            nameMenu(menu);
    }
}
